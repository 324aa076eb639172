#include "image/image_identity.h"

#include "image/eeprom.h"

#include <cstdint>

namespace xtr {
namespace {

constexpr int32_t kProductCodeAt = 0x0000;
constexpr unsigned kProductCode = 0x2526;
constexpr int32_t kFamilyByteAt = 0x0002;
constexpr uint8_t kFamilyByte = 0x01;
constexpr int32_t kMapByteAt = 0x0108;
constexpr uint8_t kMapByte = 0x02;
constexpr int32_t kMakerTextAt = 0x0100;
constexpr char kMakerText[] = "Nalu Inc";
constexpr int32_t kMakerTextLength = sizeof kMakerText - 1;

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
