#include "ui/image_print_sheets.h"

#include "ui/icons.h"
#include "ui/model/sheet_common.h"
#include "ui/model/sheet_factory.h"

namespace xtr::ui {

ImagePrintSheets::ImagePrintSheets(cmcGTex& texts, const cmcEeprom& image, Segchar& segmentFont)
    : texts_(texts), image_(image), markers_(TreeImages()), segments_(segmentFont, image)
{
}

QtPrintTarget::SheetFactory ImagePrintSheets::Factory()
{
    return [this](const std::string& reference) {
        auto sheet = CreateSheet(reference, nullptr, texts_, &markers_);
        if (auto* common = dynamic_cast<iuiSh_Common*>(sheet.get())) {
            common->SetImage(&image_);
        }
        return sheet;
    };
}

}  // namespace xtr::ui
