// The segment font and the user-defined characters of one memory image, for
// drawing display texts where no editors are open (the command line's
// printing). Installed for as long as it lives; the source it replaced comes
// back when it goes.
#pragma once

#include "ui/model/segment_cells.h"

#include <array>
#include <cstdint>

namespace xtr {

class cmcEeprom;

// The 32 mask bytes of the user-defined characters an image holds (all 0
// when the image is too small to hold them).
std::array<std::uint8_t, 32> UserCharMasksOf(const cmcEeprom& image);

class ImageSegmentSource : public SegmentSource {
public:
    ImageSegmentSource(Segchar& font, const cmcEeprom& image);
    ~ImageSegmentSource() override;
    ImageSegmentSource(const ImageSegmentSource&) = delete;
    ImageSegmentSource& operator=(const ImageSegmentSource&) = delete;

    Segchar* Font() override { return &font_; }
    // Read at every drawing: the characters are the image's as it is now.
    SegUserMasks UserMasks() override;

private:
    Segchar& font_;
    const cmcEeprom& image_;
    SegmentSource* previous_;
    std::array<std::uint8_t, 32> masks_{};
};

}  // namespace xtr
