// Drawing one cell: joined and tail cells, highlight colours on screen and
// on paper, text placement and the warning and error markers.
#include "grid_fixture.h"
#include "ui/model/cell_painter.h"

#include <gtest/gtest.h>

namespace xtr {
namespace {

using test::RecordingGridCanvas;
using test::RecordingHandler;

constexpr Color kClHighlight = 0x8000000D;
constexpr Color kClHighlightText = 0x8000000E;

class Paper : public SheetPrinter {
public:
    int DotsPerInchY() const override { return 120; }
    TextMeasurer& Measurer() override { return measurer; }
    test::PixelMeasurer measurer;
};

// A sheet built without widgets, measured in pixels, drawn on a recording
// canvas.
struct PaintRig {
    explicit PaintRig(const std::vector<std::string>& lines, bool printing = false)
        : overlay(test::SheetOverlay(lines))
    {
        sheet = std::make_unique<cuiSheet>(nullptr, nullptr, 0, 0, overlay->Store(), "S", &markers);
        sheet->SetMeasurer(&measurer);
        sheet->SetCellHandler(&RecordingHandler::Handle, &handler);
        if (printing) {
            sheet->SetPrinter(&paper);
        }
        sheet->Show();
    }
    CellPaintResult Paint(int column, int row, const Rect& rect, CellPaintState state = {})
    {
        CellPainter painter(*sheet, canvas);
        return painter.Paint(column, row, rect, state);
    }

    std::unique_ptr<test::OverlayGuard> overlay;
    test::PixelMeasurer measurer;
    test::SixteenPixelMarkers markers;
    Paper paper;
    RecordingHandler handler;
    RecordingGridCanvas canvas;
    std::unique_ptr<cuiSheet> sheet;
};

const CellPaintState kElsewhere{5, 5, true, false};

TEST(CellPainter, AJoinedCellDrawsItsNeighboursTextAcrossBothColumns)
{
    PaintRig rig({"x|{^W}Left|{+W}pad"});
    const int w1 = rig.sheet->ColumnWidth(1);
    EXPECT_EQ(w1, 48);
    const Rect column2{100, 0, 100 + rig.sheet->ColumnWidth(2), 20};
    rig.Paint(2, 0, column2, kElsewhere);
    ASSERT_EQ(rig.canvas.texts.size(), 1u);
    EXPECT_EQ(rig.canvas.texts[0].text, "Left");
    // Centred between the left edge of column 1 and the right of column 2.
    const int left = 100 - w1;
    EXPECT_EQ(rig.canvas.texts[0].x, left + (column2.right - left + 1 - 40) / 2);
    // Only column 2's own rectangle is filled, and only its part of the
    // text is drawn.
    ASSERT_EQ(rig.canvas.fills.size(), 1u);
    EXPECT_EQ(rig.canvas.fills[0].rect, column2);
    EXPECT_EQ(rig.canvas.texts[0].clip, column2);

    // Column 1 places the text where column 2 does and draws its own part:
    // together they ink every part of it once.
    const Rect column1{left, 0, 100, 20};
    rig.Paint(1, 0, column1, kElsewhere);
    ASSERT_EQ(rig.canvas.texts.size(), 2u);
    EXPECT_EQ(rig.canvas.texts[1].x, rig.canvas.texts[0].x);
    EXPECT_EQ(rig.canvas.texts[1].clip, column1);
    EXPECT_FALSE(rig.canvas.clip) << "the clip ends with the cell";

    // A cell of its own draws unclipped: its text may run on over white.
    rig.Paint(0, 0, {0, 0, left, 20}, kElsewhere);
    EXPECT_FALSE(rig.canvas.texts.back().clip);
}

TEST(CellPainter, TextPlacementTruncatesTowardsZero)
{
    PaintRig rig({"{-}ab|{_>}cd|{~}ef"});
    const Rect rect{0, 0, 51, 21};
    rig.Paint(0, 0, rect, kElsewhere);
    rig.Paint(1, 0, rect, kElsewhere);
    rig.Paint(2, 0, rect, kElsewhere);
    ASSERT_EQ(rig.canvas.texts.size(), 3u);
    EXPECT_EQ(rig.canvas.texts[0].y, (21 + 1 - 12) / 2);          // centred
    EXPECT_EQ(rig.canvas.texts[0].x, 4);                          // left, 4 pixels in
    EXPECT_EQ(rig.canvas.texts[1].y, 21 - 12 - 1);                // bottom
    EXPECT_EQ(rig.canvas.texts[1].x, 51 - 20 - 4 + 1);            // right
    EXPECT_EQ(rig.canvas.texts[2].y, 1);                          // top
}

TEST(CellPainter, HighlightColoursFollowTheFocus)
{
    PaintRig rig({"{S(Font=,,clGrayText,12)}label"});
    const Rect rect{0, 0, 60, 14};
    rig.Paint(0, 0, rect, {0, 0, true, false});
    EXPECT_EQ(rig.canvas.fills.back().color, kClHighlight);
    EXPECT_EQ(rig.canvas.texts.back().color, kClHighlightText);

    // Without the focus the cursor shows in the button colour, and a grey
    // text would vanish on it.
    rig.Paint(0, 0, rect, {0, 0, false, false});
    EXPECT_EQ(rig.canvas.fills.back().color, kClBtnFace);
    EXPECT_EQ(rig.canvas.texts.back().color, kClWindow);

    // While the editor covers it, the cell keeps its own colour.
    rig.Paint(0, 0, rect, {0, 0, true, true});
    EXPECT_EQ(rig.canvas.fills.back().color, kClWindow);
}

TEST(CellPainter, ATailIsHighlightedWithItsOwnerOnly)
{
    PaintRig rig({"{S}a|{T}tail|{S}b|{T}tail"});
    const Rect rect{0, 0, 10, 14};
    const auto result = rig.Paint(0, 0, rect, {0, 0, true, false});
    EXPECT_TRUE(result.invalidateNext);
    rig.Paint(1, 0, rect, {0, 0, true, false});
    EXPECT_EQ(rig.canvas.fills.back().color, kClHighlight);
    rig.Paint(3, 0, rect, {0, 0, true, false});
    EXPECT_EQ(rig.canvas.fills.back().color, kClWindow);
}

TEST(CellPainter, ARefusedEntryShowsTheErrorMarkerOnItsCellAlone)
{
    PaintRig rig({"{S>(%CT_Aad.CL_Aad_Value)}v|{S(%CT_Aad.CL_Aad_Type)}t|{+}pad"});
    rig.handler.answer = [](cmcCellCapsule& rq, bool) {
        rq.displayText = "12";  // a valid value: no error of its own
        return 0;
    };
    CellPaintState refused = kElsewhere;
    refused.refusedColumn = 1;
    refused.refusedRow = 0;
    const Rect rect{40, 10, 140, 40};
    rig.Paint(0, 0, rect, refused);
    EXPECT_TRUE(rig.canvas.images.empty()) << "another cell";
    rig.Paint(1, 0, rect, refused);
    ASSERT_EQ(rig.canvas.images.size(), 1u);
    EXPECT_EQ(rig.canvas.images[0].index, kErrorImage);
    // The joined cell drawing the refused cell's text carries its mark too.
    rig.Paint(2, 0, rect, refused);
    EXPECT_EQ(rig.canvas.images.size(), 2u);
    rig.Paint(1, 0, rect, kElsewhere);
    EXPECT_EQ(rig.canvas.images.size(), 2u) << "no mark once the refusal is gone";
}

TEST(CellPainter, ARightAlignedErrorShowsItsMarkerAtTheLeftEdge)
{
    PaintRig rig({"{S>(%CT_Aad.CL_Aad_Value)}v|{S(%CT_Aad.CL_Aad_Type)}t"});
    rig.handler.answer = [](cmcCellCapsule& rq, bool) {
        rq.displayText = "12";
        if (rq.cell->cellId == CellIdOfName("CL_Aad_Value")) {
            rq.SetError();
        } else {
            rq.SetWarning();
        }
        return 0;
    };
    const Rect rect{40, 10, 140, 40};
    rig.Paint(0, 0, rect, kElsewhere);
    ASSERT_EQ(rig.canvas.images.size(), 1u);
    EXPECT_EQ(rig.canvas.images[0].index, kErrorImage);
    EXPECT_EQ(rig.canvas.images[0].x, 40 + 16 / 8);
    EXPECT_EQ(rig.canvas.images[0].y, 40 - 1 - 16);
    EXPECT_EQ(rig.canvas.texts[0].text, "12");
    EXPECT_EQ(rig.sheet->DrawRequest().result & (cellresult::kError | cellresult::kWarning), 0);

    // A left-aligned warning sits just after its text.
    rig.Paint(1, 0, rect, kElsewhere);
    ASSERT_EQ(rig.canvas.images.size(), 2u);
    EXPECT_EQ(rig.canvas.images[1].index, kWarningImage);
    EXPECT_EQ(rig.canvas.images[1].x, 40 + 4 + 20);
}

TEST(CellPainter, OnPaperHighlightsAreWhiteAndShadedCellsPrintLightWithBlackText)
{
    PaintRig rig({"{S(%CT_Aad.CL_Aad_Value)}v|{(Color=clBtnFace)}Head|{B}ruled"}, true);
    rig.handler.answer = [](cmcCellCapsule& rq, bool) {
        rq.displayText = "7";
        rq.SetError();
        return 0;
    };
    const Rect rect{0, 0, 80, 40};
    rig.Paint(0, 0, rect, {0, 0, true, false});
    EXPECT_TRUE(rig.canvas.fills.empty());  // white paper is left as it is
    EXPECT_EQ(rig.canvas.texts.back().color, 0x000000u);
    // The error prints as a filled cross in a box half the cell high, just
    // after the text.
    ASSERT_EQ(rig.canvas.shapes.size(), 1u);
    EXPECT_EQ(rig.canvas.shapes[0].points.size(), 12u);
    EXPECT_EQ(rig.canvas.shapes[0].points[0], (Point{4 + 10 + 2, 40 - 20 - 2}));
    EXPECT_TRUE(rig.canvas.images.empty());

    // A heading shaded on screen prints a light tint with black text, and
    // only on its own rectangle.
    rig.Paint(1, 0, rect, {0, 0, true, false});
    EXPECT_EQ(rig.canvas.fills.back().rect, rect);
    EXPECT_EQ(rig.canvas.fills.back().color, 0xE6E6E6u);
    EXPECT_EQ(rig.canvas.texts.back().color, 0x000000u);

    rig.Paint(2, 0, rect, {0, 0, true, false});
    EXPECT_EQ(rig.canvas.fills.back().rect, (Rect{0, 39, 80, 40}));
    EXPECT_EQ(rig.canvas.fills.back().color, 0x000000u);
}

TEST(CellPainter, TheScreenKeepsTheCellsOwnColoursWherePaperIsTinted)
{
    PaintRig rig({"x|{(Color=clGray)(Font=,,clWhite)}Head"});
    const Rect rect{0, 0, 80, 40};
    rig.Paint(1, 0, rect, kElsewhere);
    ASSERT_FALSE(rig.canvas.fills.empty());
    EXPECT_EQ(rig.canvas.fills.back().color, 0x808080u);
    EXPECT_EQ(rig.canvas.texts.back().color, 0xFFFFFFu);

    PaintRig paper({"x|{(Color=clGray)(Font=,,clWhite)}Head"}, true);
    paper.Paint(1, 0, rect, kElsewhere);
    ASSERT_FALSE(paper.canvas.fills.empty());
    EXPECT_EQ(paper.canvas.fills.back().color, 0xE0E0E0u);
    EXPECT_EQ(paper.canvas.texts.back().color, 0x000000u);
}

}  // namespace
}  // namespace xtr
