#include "ui/model/image_segment_source.h"

#include "image/eeprom.h"
#include "image/memory_map.h"

namespace xtr {

std::array<std::uint8_t, 32> UserCharMasksOf(const cmcEeprom& image)
{
    std::array<std::uint8_t, 32> masks{};
    const auto size = static_cast<std::int32_t>(masks.size());
    if (image.IsAddress(memmap::kUserCharMasks + size - 1)) {
        image.ReadBlock(memmap::kUserCharMasks, masks.data(), size);
    }
    return masks;
}

ImageSegmentSource::ImageSegmentSource(Segchar& font, const cmcEeprom& image)
    : font_(font), image_(image), previous_(TheSegmentSource())
{
    SetSegmentSource(this);
}

ImageSegmentSource::~ImageSegmentSource()
{
    if (TheSegmentSource() == this) {
        SetSegmentSource(previous_);
    }
}

SegUserMasks ImageSegmentSource::UserMasks()
{
    masks_ = UserCharMasksOf(image_);
    return masks_;
}

}  // namespace xtr
