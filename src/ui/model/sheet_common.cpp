#include "ui/model/sheet_common.h"

#include "cells/ui_seams.h"
#include "image/eeprom.h"
#include "ui/model/sheet_items.h"

namespace xtr {

void iuiSh_Common::ParseLayoutItem(std::string_view item)
{
    if (!ItemHasKey(item, "Only_SACC")) {
        cuiSheet::ParseLayoutItem(item);
        return;
    }
    const std::optional<int> count = ItemCount(item, "Only_SACC");
    if (count && !SaccFitted()) {
        skipCount_ = *count;
    }
}

bool iuiSh_Common::SaccFitted() const
{
    const cmcEeprom* image = image_;
    if (image == nullptr && HasCellHost()) {
        image = &TheCellHost().CurrentImage();
    }
    return image != nullptr && image->IsAddress(kSaccOptionAddress) &&
           (image->GetByte(kSaccOptionAddress) & kSaccOptionBit) != 0;
}

}  // namespace xtr
