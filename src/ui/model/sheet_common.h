// iuiSh_Common: the sheet of the radio's settings pages. It adds the layout
// item "Only_SACC n": the next n layout lines (rows and control lines) are
// shown only for a radio whose image has the SACC option bit set.
#pragma once

#include "ui/model/sheet.h"

namespace xtr {

class cmcEeprom;

// The option byte of the image and its SACC bit.
inline constexpr std::int32_t kSaccOptionAddress = 0x000B;
inline constexpr std::uint8_t kSaccOptionBit = 0x08;

class iuiSh_Common : public cuiSheet {
public:
    using cuiSheet::cuiSheet;

    // The image whose option bit decides; without one, the image the cells
    // edit (none at all: the rows are left out).
    void SetImage(const cmcEeprom* image) { image_ = image; }

    void ParseLayoutItem(std::string_view item) override;

private:
    bool SaccFitted() const;

    const cmcEeprom* image_ = nullptr;
};

}  // namespace xtr
