#include "ui/model/sheet_table.h"

#include "ui/model/sheet_common.h"
#include "ui/model/sheet_factory.h"

namespace xtr {

bool SheetTable::Build(std::string_view reference, cmcGTex& texts, const cmcEeprom* image)
{
    sheet_ = CreateSheet(reference, nullptr, texts, nullptr);
    if (sheet_ == nullptr) {
        return false;
    }
    if (auto* common = dynamic_cast<iuiSh_Common*>(sheet_.get())) {
        common->SetImage(image);
    }
    sheet_->SetMeasurer(&measurer_);
    sheet_->Show();
    return true;
}

}  // namespace xtr
