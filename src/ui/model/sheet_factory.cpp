#include "ui/model/sheet_factory.h"

#include "ui/model/sheet_common.h"
#include "ui/model/sheet_reference.h"

namespace xtr {

std::unique_ptr<cuiSheet> CreateSheet(std::string_view reference, SheetView* host, cmcGTex& texts,
                                      MarkerImages* markers)
{
    const SheetReference ref = ParseSheetReference(reference);
    std::unique_ptr<cuiSheet> sheet;
    switch (SheetClassOf(ref.kind)) {
    case SheetClass::Common:
        sheet = std::make_unique<iuiSh_Common>(host, nullptr, 0, 0, texts, ref.name, markers);
        break;
    case SheetClass::Plain:
        sheet = std::make_unique<cuiSheet>(host, nullptr, 0, 0, texts, ref.name, markers);
        break;
    case SheetClass::None:
        return nullptr;
    }
    sheet->SetReference(std::string(reference));
    sheet->SetArgument(ref.argument);
    return sheet;
}

}  // namespace xtr
