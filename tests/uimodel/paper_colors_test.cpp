#include "ui/model/paper_colors.h"

#include <gtest/gtest.h>

namespace xtr {
namespace {

constexpr Color kClBtnFace = 0x8000000F;
constexpr Color kClGray = 0x808080;
constexpr Color kClMaroon = 0x000080;

TEST(PaperColors, WhiteCellsStayWhiteAndEveryTextIsBlack)
{
    for (const Color white : {kColorWindow, Color{0xFFFFFF}}) {
        const PaperLook look = PaperLookOf(white);
        EXPECT_TRUE(look.white);
        EXPECT_EQ(look.background, 0xFFFFFFu);
        EXPECT_EQ(look.text, 0x000000u);
    }
    for (const Color dark : {kClGray, kClMaroon, Color{0x000000}, kClBtnFace, Color{0xFFFFFE}}) {
        const PaperLook look = PaperLookOf(dark);
        EXPECT_FALSE(look.white) << std::hex << dark;
        EXPECT_EQ(look.text, 0x000000u) << std::hex << dark;
    }
}

TEST(PaperColors, DarkFillsBecomeLightTintsOfTheirOwnColour)
{
    // Headings (grey on screen) print light grey, not a dark block.
    EXPECT_EQ(PaperLookOf(kClGray).background, 0xE0E0E0u);
    EXPECT_EQ(PaperLookOf(0x000000).background, 0xC0C0C0u);
    // A maroon warning stays reddish: red is the lightest channel (0x00BBGGRR).
    EXPECT_EQ(PaperLookOf(kClMaroon).background, 0xC0C0E0u);
    // System colours have no value here; they print one light grey.
    EXPECT_EQ(PaperLookOf(kClBtnFace).background, 0xE6E6E6u);
    EXPECT_EQ(PaperLookOf(0x8000000D).background, 0xE6E6E6u);
}

TEST(PaperColors, EveryTintIsLightEnoughForBlackText)
{
    // Every channel of every tint keeps at least three quarters of white,
    // and a tint never turns one colour's channels lighter than white or
    // reorders them.
    for (Color channel = 0; channel <= 0xFF; ++channel) {
        for (const int shift : {0, 8, 16}) {
            const Color rgb = channel << shift;
            const Color tint = PaperTint(rgb);
            for (const int other : {0, 8, 16}) {
                const Color value = (tint >> other) & 0xFFu;
                EXPECT_GE(value, 0xC0u) << std::hex << rgb;
                EXPECT_LE(value, 0xFFu);
            }
            EXPECT_EQ(tint >> 24, 0u);
        }
        EXPECT_LE(PaperTint(channel) & 0xFFu, PaperTint(channel + (channel < 0xFF ? 1 : 0)) & 0xFFu);
    }
    EXPECT_EQ(PaperTint(0xFFFFFF), 0xFFFFFFu);
}

}  // namespace
}  // namespace xtr
