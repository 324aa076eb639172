#include "ui/model/image_segment_source.h"

#include "image/eeprom.h"
#include "image/memory_map.h"

namespace xtr {

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
    masks_.fill(0);
    const auto size = static_cast<std::int32_t>(masks_.size());
    if (image_.IsAddress(memmap::kUserCharMasks + size - 1)) {
        image_.ReadBlock(memmap::kUserCharMasks, masks_.data(), size);
    }
    return masks_;
}

}  // namespace xtr
