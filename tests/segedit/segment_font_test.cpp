// The segment outline: reading it, the masks, and finding the segment
// under a point.
#include "segedit/segment_font.h"

#include "support/overlay_guard.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace xtr {
namespace {

std::vector<int> LitSegments(const Segchar& font)
{
    std::vector<int> lit;
    for (const Segment& segment : font.Segments()) {
        if (segment.Lit()) {
            lit.push_back(segment.number);
        }
    }
    return lit;
}

TEST(SegmentFont, ShippedOutlineHasFourteenSegmentsInOneBox)
{
    auto overlay = test::OverlayGuard::Shipped();
    const Segchar font = Segchar::FromOverlay();
    ASSERT_EQ(font.Count(), 14);
    EXPECT_EQ(font.MinX(), 0);
    EXPECT_EQ(font.MaxX(), 56);
    EXPECT_EQ(font.MinY(), 0);
    EXPECT_EQ(font.MaxY(), 100);
    for (const Segment& segment : font.Segments()) {
        EXPECT_FALSE(segment.triangles.empty()) << "segment " << segment.number;
    }
}

TEST(SegmentFont, ReadsSegmentLinesUpToTheEndOfTheEntry)
{
    Segchar font;
    std::string error;
    ASSERT_TRUE(font.Load("2|(0,0)(4,0)(2,3)|(4,0)(6,3)(2,3)\n"
                          "1| ( -2 , 1 )(  3,-5)(0 ,0 )  \r\n"
                          "// comments and empty lines follow the segments\n"
                          "   \n"
                          "#Next_Entry\n"
                          "1|(100,100)(200,200)(300,300)\n",
                          &error))
        << error;
    ASSERT_EQ(font.Count(), 2);
    ASSERT_EQ(font.Segments()[0].triangles.size(), 2U);
    EXPECT_EQ(font.Segments()[0].triangles[1].p[1], (SegPoint{6, 3}));
    EXPECT_EQ(font.Segments()[0].triangles[1].number, 1);
    EXPECT_EQ(font.Segments()[1].triangles[0].p[0], (SegPoint{-2, 1}));
    EXPECT_EQ(font.Segments()[1].number, 1);
    // The box covers every point of the entry and nothing after its end.
    EXPECT_EQ(font.MinX(), -2);
    EXPECT_EQ(font.MaxX(), 6);
    EXPECT_EQ(font.MinY(), -5);
    EXPECT_EQ(font.MaxY(), 3);
}

TEST(SegmentFont, RefusesWhatIsNotAnOutline)
{
    const char* const bad[] = {
        "1|(0,0)(4.5,0)(2,3)",               // not an integer
        "2|(0,0)(4,0)(2,3)",                 // a triangle missing
        "1|(0,0)(4,0)(2,3)|(1,1)(2,2)(3,3)", // one too many
        "1|(0,0)(4,0)",                      // a point missing
        "x|(0,0)(4,0)(2,3)",
        "1|(0,0)(4,0)(2,99999999999)",       // beyond 32 bits
        "// a comment before the segments\n1|(0,0)(4,0)(2,3)",
    };
    for (const char* text : bad) {
        Segchar font;
        std::string error;
        EXPECT_FALSE(font.Load(text, &error)) << text;
        EXPECT_FALSE(error.empty()) << text;
        EXPECT_TRUE(font.Empty()) << text;
    }
    // A mask has 16 bits: no room for a seventeenth segment.
    std::string seventeen;
    for (int i = 0; i < 17; ++i) {
        seventeen += "1|(0,0)(1,0)(0,1)\n";
    }
    Segchar font;
    EXPECT_FALSE(font.Load(seventeen));
}

TEST(SegmentFontDeathTest, BadOverlayOutlineIsFatal)
{
    EXPECT_EXIT(
        {
            auto overlay = test::OverlayGuard::FromText("#GI_PCG_Seg_Data\n1|(0,0)(zz,0)(2,3)\n#End_Of_Ovl\n");
            Segchar::FromOverlay();
        },
        ::testing::ExitedWithCode(3), "GI_PCG_Seg_Data");
}

TEST(SegmentFont, MaskLightsSegmentsFromTheHighestBit)
{
    auto overlay = test::OverlayGuard::Shipped();
    Segchar font = Segchar::FromOverlay();
    font.SetMask(SegCharMask('0', {}));
    EXPECT_EQ(LitSegments(font), (std::vector<int>{0, 1, 2, 3, 4, 5, 8, 11}));
    EXPECT_EQ(font.Mask(), 0x3F24U);
    font.SetMask(0x2000);
    EXPECT_EQ(LitSegments(font), (std::vector<int>{0}));
    // Bits above the segment count light nothing.
    font.SetMask(0xC001);
    EXPECT_EQ(LitSegments(font), (std::vector<int>{13}));
}

TEST(SegmentFont, CharacterMasksByCode)
{
    std::array<std::uint8_t, 32> user{};
    user[0] = 0x3C;  // code 16
    user[1] = 0x18;
    user[30] = 0x12;  // code 31
    user[31] = 0x34;
    EXPECT_EQ(SegCharMask(16, user), 0x3C18);
    EXPECT_EQ(SegCharMask(31, user), 0x1234);
    EXPECT_EQ(SegCharMask(17, user), 0x0000);
    EXPECT_EQ(SegCharMask(' ', user), 0x0000);
    EXPECT_EQ(SegCharMask('A', user), 0x3B18);
    EXPECT_EQ(SegCharMask('z', user), 0x2424);
    EXPECT_EQ(SegCharMask(127, user), 0x0405);
    for (unsigned code : {0U, 5U, 15U, 128U, 200U, 255U}) {
        EXPECT_EQ(SegCharMask(code, user), 0x0000) << code;
    }
    // Without the image's masks the user-defined characters are blank.
    EXPECT_EQ(SegCharMask(16, {}), 0x0000);
    EXPECT_EQ(SegCharMask(31, std::span(user).first(31)), 0x0000);
}

TEST(SegmentFont, ToggleAtInvertsOnlyTheFirstSegmentUnderThePoint)
{
    Segchar font;
    // Two squares of two triangles each sharing the edge x = 4.
    ASSERT_TRUE(font.Load("2|(0,0)(4,0)(4,4)|(0,0)(4,4)(0,4)\n"
                          "2|(4,0)(8,0)(8,4)|(4,0)(8,4)(4,4)\n"));
    EXPECT_EQ(font.ToggleAt(4, 2), 0);
    EXPECT_EQ(font.Mask(), 0b10U);
    EXPECT_EQ(font.ToggleAt(6, 1), 1);
    EXPECT_EQ(font.Mask(), 0b11U);
    EXPECT_EQ(font.ToggleAt(4, 2), 0);
    EXPECT_EQ(font.Mask(), 0b01U);
    // Corners belong to the segment; beyond them nothing changes.
    EXPECT_EQ(font.ToggleAt(8, 4), 1);
    EXPECT_EQ(font.ToggleAt(9, 2), -1);
    EXPECT_EQ(font.ToggleAt(-1, -1), -1);
    EXPECT_EQ(font.Mask(), 0b00U);
}

TEST(SegmentFont, TriangleWithCoincidentPointsHoldsOnlyItsLine)
{
    dataTriangle line{{{0, 0}, {0, 0}, {4, 4}}, 0};
    EXPECT_TRUE(line.Contains(2, 2));
    EXPECT_TRUE(line.Contains(0, 0));
    EXPECT_FALSE(line.Contains(3, 0));
    dataTriangle point{{{1, 1}, {1, 1}, {1, 1}}, 0};
    EXPECT_TRUE(point.Contains(1, 1));
    EXPECT_FALSE(point.Contains(1, 2));
}

}  // namespace
}  // namespace xtr
