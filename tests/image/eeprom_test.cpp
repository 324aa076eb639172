// The memory image: sizing, bounds of byte and block access, whole copies.
#include "image/eeprom.h"

#include <gtest/gtest.h>

#include <array>
#include <numeric>

namespace xtr {
namespace {

constexpr int32_t kImageSize = 0x4000;

cmcEeprom PatternImage(int32_t size)
{
    cmcEeprom image;
    image.SetSize(size);
    for (int32_t a = 0; a < size; ++a) {
        image.SetByte(a, static_cast<uint8_t>(a * 7 + 3));
    }
    return image;
}

TEST(Eeprom, SetSizeClearsEvenAtTheSameSize)
{
    cmcEeprom image;
    EXPECT_EQ(image.Size(), 0);
    EXPECT_EQ(image.Data(), nullptr);

    image.SetSize(kImageSize);
    image.Fill(0xA5);
    image.SetSize(kImageSize);
    ASSERT_EQ(image.Size(), kImageSize);
    for (int32_t a = 0; a < kImageSize; ++a) {
        ASSERT_EQ(image.GetByte(a), 0x00) << "address " << a;
    }

    image.SetByte(0x3FFF, 0xEF);
    EXPECT_EQ(image.GetByte(0x3FFF), 0xEF);
    EXPECT_FALSE(image.IsAddress(0x4000));

    image.SetSize(-5);
    EXPECT_EQ(image.Size(), 0);
    EXPECT_FALSE(image.IsAddress(0));
    image.Fill(0x11);  // nothing to fill, must not fail
    EXPECT_EQ(image.Size(), 0);
}

TEST(EepromDeathTest, ByteAccessOutsideTheImageIsFatal)
{
    cmcEeprom image;
    image.SetSize(kImageSize);
    EXPECT_EXIT(image.GetByte(0x4000), ::testing::ExitedWithCode(3),
                "Out of EEPROM image address \\(GetByte\\)\\.\nAbnormal program termination");
    EXPECT_EXIT(image.GetByte(-1), ::testing::ExitedWithCode(3), "Out of EEPROM image address \\(GetByte\\)\\.");
    EXPECT_EXIT(image.SetByte(0x4000, 1), ::testing::ExitedWithCode(3),
                "Out of EEPROM image address \\(SetByte\\)\\.\nAbnormal program termination");
    EXPECT_EXIT(image.SetByte(-1, 1), ::testing::ExitedWithCode(3), "Out of EEPROM image address \\(SetByte\\)\\.");
    cmcEeprom empty;
    EXPECT_EXIT(empty.GetByte(0), ::testing::ExitedWithCode(3), "\\(GetByte\\)");
}

TEST(Eeprom, BlockCopiesIgnoreRangesOutsideTheImage)
{
    cmcEeprom image;
    image.SetSize(kImageSize);
    std::array<uint8_t, 17> bytes{};
    std::iota(bytes.begin(), bytes.end(), uint8_t{1});

    image.WriteBlock(0x3FF0, bytes.data(), 17);  // one byte past the end
    for (int32_t a = 0x3FF0; a < kImageSize; ++a) {
        EXPECT_EQ(image.GetByte(a), 0x00);
    }
    image.WriteBlock(0x3FF0, bytes.data(), 16);
    for (int32_t i = 0; i < 16; ++i) {
        EXPECT_EQ(image.GetByte(0x3FF0 + i), bytes[i]);
    }
    image.WriteBlock(-1, bytes.data(), 4);
    image.WriteBlock(0x4000, bytes.data(), 1);
    image.WriteBlock(0x7FFFFFF0, bytes.data(), 0x20);  // a + n would wrap
    EXPECT_EQ(image.GetByte(0), 0x00);

    std::array<uint8_t, 17> out{};
    out.fill(0xCC);
    image.ReadBlock(0x3FF0, out.data(), 0);
    image.ReadBlock(0x3FF0, out.data(), 17);
    image.ReadBlock(-2, out.data(), 4);
    EXPECT_EQ(out[0], 0xCC);
    image.ReadBlock(0x3FF0, out.data(), 16);
    EXPECT_TRUE(std::equal(out.begin(), out.begin() + 16, bytes.begin()));
    EXPECT_EQ(out[16], 0xCC);
}

TEST(Eeprom, CopyFromAndEqualsCoverSizeAndEmptyImages)
{
    const cmcEeprom source = PatternImage(kImageSize);
    cmcEeprom copy;
    copy.SetSize(0x100);
    copy.CopyFrom(source);
    EXPECT_EQ(copy.Size(), kImageSize);
    EXPECT_TRUE(copy.Equals(source));
    EXPECT_FALSE(copy.Differs(source));

    copy.SetByte(0x2000, copy.GetByte(0x2000) ^ 0x01);
    EXPECT_FALSE(copy.Equals(source));
    EXPECT_TRUE(copy.Differs(source));

    cmcEeprom empty;
    cmcEeprom otherEmpty;
    EXPECT_FALSE(source.Equals(empty));
    EXPECT_TRUE(empty.Equals(otherEmpty));

    copy.CopyFrom(empty);
    EXPECT_EQ(copy.Size(), 0);
    EXPECT_TRUE(copy.Equals(empty));

    EXPECT_TRUE(PatternImage(0x100).Differs(PatternImage(0x101)));  // same common part
}

TEST(Eeprom, CopyOntoItselfKeepsTheData)
{
    cmcEeprom image = PatternImage(kImageSize);
    const cmcEeprom before = PatternImage(kImageSize);
    image.CopyFrom(image);
    EXPECT_TRUE(image.Equals(before));
}

}  // namespace
}  // namespace xtr
