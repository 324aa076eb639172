#include "image/image_identity.h"

#include "image/eeprom.h"
#include "image/memory_map.h"

#include <cstdint>

namespace xtr {
namespace {

constexpr int32_t kProductCodeAt = memmap::kProductCode;
constexpr unsigned kProductCode = memmap::kProductCodeValue;
constexpr int32_t kFamilyByteAt = memmap::kFamilyByte;
constexpr uint8_t kFamilyByte = memmap::kFamilyByteValue;
constexpr int32_t kMapByteAt = memmap::kMapFormat;
constexpr uint8_t kMapByte = memmap::kMapFormatValue;
constexpr int32_t kMakerTextAt = memmap::kMakerText;
constexpr const char* kMakerText = memmap::kMakerTextValue;
constexpr int32_t kMakerTextLength = memmap::kMakerTextSize;

}  // namespace

int CheckImageIdentity(const cmcEeprom& image, bool withMakerText)
{
    // An image too small to hold the marks cannot be one of ours (and its
    // bytes must not be asked for).
    if (!image.IsAddress(kMapByteAt)) {
        return 1;
    }
    const unsigned productCode = (image.GetByte(kProductCodeAt) << 8) | image.GetByte(kProductCodeAt + 1);
    if (productCode != kProductCode || image.GetByte(kFamilyByteAt) != kFamilyByte ||
        image.GetByte(kMapByteAt) != kMapByte) {
        return 1;
    }
    if (withMakerText) {
        for (int32_t i = 0; i < kMakerTextLength; ++i) {
            if (image.GetByte(kMakerTextAt + i) != static_cast<uint8_t>(kMakerText[i])) {
                return 1;
            }
        }
    }
    return 0;
}

int CheckImageNewer(const cmcEeprom&)
{
    return 0;
}

}  // namespace xtr
