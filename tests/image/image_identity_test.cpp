// Recognising images of this radio family.
#include "image/eeprom.h"
#include "image/image_identity.h"

#include <gtest/gtest.h>


namespace xtr {
namespace {

cmcEeprom FamilyImage()
{
    cmcEeprom image;
    image.SetSize(0x4000);
    image.SetByte(0x0000, 0x25);
    image.SetByte(0x0001, 0x26);
    image.SetByte(0x0002, 0x01);
    image.SetByte(0x0108, 0x02);
    image.WriteBlock(0x0100, reinterpret_cast<const uint8_t*>("Nalu Inc"), 8);
    return image;
}

TEST(ImageIdentity, EachFamilyMarkCounts)
{
    EXPECT_EQ(CheckImageIdentity(FamilyImage(), false), 0);
    EXPECT_EQ(CheckImageIdentity(FamilyImage(), true), 0);

    struct Change {
        int32_t address;
        uint8_t value;
    };
    for (const Change change : {Change{0x0000, 0x26}, Change{0x0001, 0x27}, Change{0x0002, 0x02},
                                Change{0x0108, 0x01}, Change{0x0108, 0x03}}) {
        cmcEeprom image = FamilyImage();
        image.SetByte(change.address, change.value);
        EXPECT_EQ(CheckImageIdentity(image, false), 1) << change.address;
        EXPECT_EQ(CheckImageIdentity(image, true), 1) << change.address;
    }

    // The maker's name only counts when asked for.
    cmcEeprom image = FamilyImage();
    image.SetByte(0x0107, 'C');
    EXPECT_EQ(CheckImageIdentity(image, false), 0);
    EXPECT_EQ(CheckImageIdentity(image, true), 1);

    cmcEeprom small;
    small.SetSize(0x100);
    EXPECT_EQ(CheckImageIdentity(small, false), 1);
    EXPECT_EQ(CheckImageNewer(FamilyImage()), 0);
}

}  // namespace
}  // namespace xtr
