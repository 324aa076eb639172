// Where segment characters land on a canvas.
#include "segedit/segment_font.h"

#include "support/overlay_guard.h"
#include "support/recording_canvas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace xtr {
namespace {

using test::RecordingCanvas;

// Fourteen segments of one triangle each: segment 13 (lit by '.') spans
// the whole 60 x 90 box, the others are small triangles inside it.
Segchar BoxFont()
{
    std::string entry;
    for (int i = 0; i < 13; ++i) {
        entry += "1|(" + std::to_string(i) + ",0)(" + std::to_string(i + 1) + ",0)(" + std::to_string(i) + ",1)\n";
    }
    entry += "1|(0,0)(60,0)(60,90)\n";
    Segchar font;
    EXPECT_TRUE(font.Load(entry));
    return font;
}

std::vector<Point> Pts(std::initializer_list<Point> points) { return points; }

TEST(SegmentDrawing, TenColumnsInAHundredByTwenty)
{
    Segchar font = BoxFont();
    RecordingCanvas canvas;
    canvas.fontColor = 0x0000FF;
    // Box 10 x 20, scale min(8/60, 16/90) = 0.1333, step 10, margins 1 and 2.
    font.DrawText(canvas, Rect{5, 7, 105, 27}, "..", 10, 10, 1, {});
    ASSERT_EQ(canvas.polygons.size(), 2U);
    EXPECT_EQ(canvas.polygons[0].points, Pts({{6, 9}, {14, 9}, {14, 21}}));
    EXPECT_EQ(canvas.polygons[1].points, Pts({{16, 9}, {24, 9}, {24, 21}}));
    for (const auto& shape : canvas.polygons) {
        EXPECT_EQ(shape.fill, 0x0000FFU);
        EXPECT_EQ(shape.outline, 0x0000FFU);
    }
}

TEST(SegmentDrawing, CharactersBeyondTheFirstRowAreNotClipped)
{
    Segchar font = BoxFont();
    RecordingCanvas canvas;
    // Two columns of 50 x 20: height-bound, scale 16/90, characters 11 wide
    // and a step of round(10.67 / 0.8) = 13.
    font.DrawText(canvas, Rect{0, 0, 100, 20}, "...", 4, 2, 1, {});
    ASSERT_EQ(canvas.polygons.size(), 3U);
    EXPECT_EQ(canvas.polygons[1].points, Pts({{14, 2}, {25, 2}, {25, 18}}));
    // The third character goes on along the row and one box lower, outside
    // the rectangle.
    EXPECT_EQ(canvas.polygons[2].points, Pts({{27, 22}, {38, 22}, {38, 38}}));
}

TEST(SegmentDrawing, StepUsesTheReciprocalJustUnderOnePointTwoFive)
{
    if (sizeof(long double) <= sizeof(double)) {
        GTEST_SKIP() << "no extended precision on this platform";
    }
    Segchar font;
    ASSERT_TRUE(font.Load("1|(0,0)(1,0)(0,2)\n"));
    RecordingCanvas canvas;
    // Height-bound: scale = 0.8 x 25 / 2 = 10, and 10 x 1 / 0.8 is 12.5
    // only in exact arithmetic; the step is 12.
    font.DrawText(canvas, Rect{0, 0, 200, 25}, "\x7F\x7F", 2, 2, 1, {});
    ASSERT_EQ(canvas.polygons.size(), 2U);
    EXPECT_EQ(canvas.polygons[1].points[0].x - canvas.polygons[0].points[0].x, 12);
}

TEST(SegmentDrawing, ZeroAndDigitLightTheirSegments)
{
    auto overlay = test::OverlayGuard::Shipped();
    Segchar font = Segchar::FromOverlay();
    RecordingCanvas canvas;
    font.DrawText(canvas, Rect{0, 0, 100, 20}, "0", 10, 10, 1, {});
    // Segments 0-5, 8 and 11, four triangles each.
    EXPECT_EQ(canvas.polygons.size(), 32U);
    canvas.polygons.clear();
    font.DrawText(canvas, Rect{0, 0, 100, 20}, "1", 10, 10, 1, {});
    EXPECT_EQ(canvas.polygons.size(), 8U);
}

TEST(SegmentDrawing, BlankCodesAndTheEndOfTheText)
{
    auto overlay = test::OverlayGuard::Shipped();
    Segchar font = Segchar::FromOverlay();
    RecordingCanvas canvas;
    font.DrawText(canvas, Rect{0, 0, 100, 20}, "\x05\xC8 ", 10, 10, 1, {});
    EXPECT_TRUE(canvas.polygons.empty());
    // Nothing after a 0 or beyond the length is drawn.
    font.DrawText(canvas, Rect{0, 0, 100, 20}, std::string("\x05\0" "8", 3), 10, 10, 1, {});
    font.DrawText(canvas, Rect{0, 0, 100, 20}, " 88", 2, 10, 1, {});
    EXPECT_EQ(canvas.polygons.size(), 4U * 8U);  // one 8: segments 0-5, 9, 10
    // A user-defined character takes its mask from the image's bytes.
    canvas.polygons.clear();
    const std::uint8_t user[32] = {0x20, 0x00};  // code 16: segment 0
    font.DrawText(canvas, Rect{0, 0, 10, 20}, "\x10", 1, 1, 1, user);
    EXPECT_EQ(canvas.polygons.size(), 4U);
}

TEST(SegmentDrawing, NothingFitsNothingIsDrawn)
{
    auto overlay = test::OverlayGuard::Shipped();
    Segchar font = Segchar::FromOverlay();
    RecordingCanvas canvas;
    font.DrawText(canvas, Rect{0, 0, 100, 20}, "88", 0, 10, 1, {});
    font.DrawText(canvas, Rect{0, 0, 100, 20}, "88", 2, 0, 1, {});
    font.DrawText(canvas, Rect{0, 0, 100, 20}, "88", 2, 2, 0, {});
    font.DrawText(canvas, Rect{0, 0, -100, 20}, "88", 2, 2, 1, {});
    Segchar empty;
    empty.DrawText(canvas, Rect{0, 0, 100, 20}, "88", 2, 2, 1, {});
    empty.DrawEditor(canvas);
    EXPECT_TRUE(canvas.polygons.empty());
}

TEST(SegmentDrawing, OutlineSpanningThe32BitRangeStaysInItsBox)
{
    Segchar font;
    ASSERT_TRUE(font.Load("1|(-2147483648,-2147483648)(2147483647,-2147483648)(2147483647,2147483647)\n"));
    RecordingCanvas canvas;
    font.DrawText(canvas, Rect{0, 0, 100, 100}, "\x7F", 1, 1, 1, {});
    ASSERT_EQ(canvas.polygons.size(), 1U);
    // Scaled by 80 / 2^32 the outline lies around its origin, which the
    // drawing keeps where the font puts it (plus the margins of 10).
    EXPECT_EQ(canvas.polygons[0].points, Pts({{-30, -30}, {50, -30}, {50, 50}}));
    font.DrawEditor(canvas);
    ASSERT_EQ(canvas.polygons.size(), 2U);
    EXPECT_EQ(canvas.polygons[1].points, Pts({{10, 10}, {190, 10}, {190, 190}}));
    const SegPoint corner = font.EditorToFont(190, 190);
    EXPECT_EQ(corner, (SegPoint{2147483647, 2147483647}));
}

TEST(SegmentDrawing, EditorDrawsTheWholeOutlineAndMapsClicksBack)
{
    auto overlay = test::OverlayGuard::Shipped();
    Segchar font = Segchar::FromOverlay();
    font.SetMask(0x2000);
    RecordingCanvas canvas;
    font.DrawEditor(canvas);
    // Box 56 x 100: scale 1.8; every triangle is drawn, the lit ones black.
    ASSERT_EQ(canvas.polygons.size(), 14U * 4U);
    EXPECT_DOUBLE_EQ(font.EditorScale(), 1.8);
    EXPECT_EQ(canvas.polygons[0].points, Pts({{21, 17}, {28, 10}, {28, 24}}));
    EXPECT_EQ(canvas.polygons[3].fill, kClBlack);
    EXPECT_EQ(canvas.polygons[4].fill, kClWhite);
    EXPECT_EQ(canvas.polygons[55].points[1], (Point{71, 111}));

    EXPECT_EQ(font.EditorToFont(21, 17), (SegPoint{6, 4}));
    EXPECT_EQ(font.EditorToFont(10, 190), (SegPoint{0, 100}));
    // A click on the middle of the top bar turns it off again.
    const SegPoint top = font.EditorToFont(60, 17);
    EXPECT_EQ(font.ToggleAt(top.x, top.y), 0);
    EXPECT_EQ(font.Mask(), 0U);
}

}  // namespace
}  // namespace xtr
