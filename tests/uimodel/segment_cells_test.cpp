// Display texts and user-defined characters in the grid: drawn as segment
// characters in the cell's text colour, and read out as their escape text
// (a character as its code and mask) rather than as raw bytes.
#include "grid_fixture.h"
#include "cells/ui_seams.h"
#include "ui/model/cell_painter.h"
#include "ui/model/segment_cells.h"

#include <gtest/gtest.h>

#include <array>

namespace xtr {
namespace {

using test::GridRig;
using test::RecordingGridCanvas;

constexpr Color kClHighlightText = 0x8000000E;

// Fourteen one-triangle segments in a 60 x 90 box.
Segchar BoxFont()
{
    std::string entry;
    for (int i = 0; i < 13; ++i) {
        entry += "1|(" + std::to_string(i * 4) + ",0)(" + std::to_string(i * 4 + 4) + ",0)(" + std::to_string(i * 4) +
                 ",9)\n";
    }
    entry += "1|(0,0)(60,0)(60,90)\n";
    Segchar font;
    EXPECT_TRUE(font.Load(entry));
    return font;
}

class FakeSource : public SegmentSource {
public:
    FakeSource() { SetSegmentSource(this); }
    ~FakeSource() override { SetSegmentSource(nullptr); }
    Segchar* Font() override { return &font; }
    SegUserMasks UserMasks() override { return masks; }
    Segchar font = BoxFont();
    std::array<std::uint8_t, 32> masks{};
};

// A message, a user-defined character and an ordinary value side by side;
// the handler answers with the bytes of each field.
struct SegmentRig {
    SegmentRig()
        : rig({"{S(%CT_Aad.CL_SysMes_Aborted)}m|{S(%CT_Aad.CL_CEdit[2])}c|{S(%CT_Aad.CL_Aad_Value)}v"})
    {
        rig.handler.answer = [](cmcCellCapsule& rq, bool) {
            if (rq.cell->cellId == CL_SysMes_Aborted) {
                rq.displayText = std::string("5%\x10 ", 4);
            } else if (rq.cell->cellId == CL_CEdit) {
                rq.displayText = std::string(1, static_cast<char>(16 + rq.cell->index));
            } else {
                rq.displayText = "12";
            }
            return 0;
        };
    }
    void Paint(int column, CellPaintState state = {5, 5, true, false})
    {
        CellPainter painter(*rig.sheet, canvas);
        painter.Paint(column, 0, {0, 0, 100, 20}, state);
    }
    GridRig rig;
    RecordingGridCanvas canvas;
};

TEST(SegmentCells, DisplayTextsAreDrawnAsSegmentsInTheCellsTextColour)
{
    FakeSource source;
    SegmentRig rig;
    rig.Paint(0, {0, 0, true, false});  // the cursor's cell, highlighted
    EXPECT_TRUE(rig.canvas.texts.empty()) << rig.canvas.texts[0].text;
    ASSERT_FALSE(rig.canvas.shapes.empty());
    for (const auto& shape : rig.canvas.shapes) {
        EXPECT_EQ(shape.fill, kClHighlightText);
        for (const Point& p : shape.points) {
            EXPECT_GE(p.x, 0);
            EXPECT_LE(p.x, 100);
        }
    }

    // An ordinary value next to it is still text.
    rig.canvas.shapes.clear();
    rig.Paint(2);
    ASSERT_EQ(rig.canvas.texts.size(), 1u);
    EXPECT_EQ(rig.canvas.texts[0].text, "12");
    EXPECT_TRUE(rig.canvas.shapes.empty());
}

TEST(SegmentCells, AUserDefinedCharacterIsDrawnFromTheImagesMask)
{
    FakeSource source;
    SegmentRig rig;
    rig.Paint(1);
    EXPECT_TRUE(rig.canvas.shapes.empty());  // a blank character
    // Character 18 lights the segments of its mask, here the first two.
    source.masks[4] = 0x30;
    source.masks[5] = 0x00;
    rig.Paint(1);
    EXPECT_EQ(rig.canvas.shapes.size(), 2u);
    EXPECT_TRUE(rig.canvas.texts.empty());
}

TEST(SegmentCells, AnIndicationOfTheProgramStaysText)
{
    FakeSource source;
    SegmentRig rig;
    rig.rig.handler.answer = [](cmcCellCapsule& rq, bool) {
        rq.displayText = "(not here)";
        rq.canvas->SetTextColor(kColorIndication);
        return 0;
    };
    rig.Paint(0);
    EXPECT_TRUE(rig.canvas.shapes.empty());
    ASSERT_EQ(rig.canvas.texts.size(), 1u);
    EXPECT_EQ(rig.canvas.texts[0].text, "(not here)");
}

TEST(SegmentCells, AnIndicationIsWrittenInThePagesFontNotTheDisplaysLargeOne)
{
    FakeSource source;
    GridRig rig({"{S(%CT_Aad.CL_SysMes_Aborted)(Font=,,,30)}m"});
    rig.handler.answer = [](cmcCellCapsule& rq, bool) {
        rq.displayText = "(not here)";
        rq.canvas->SetTextColor(kColorIndication);
        return 0;
    };
    RecordingGridCanvas canvas;
    CellPainter painter(*rig.sheet, canvas);
    painter.Paint(0, 0, {0, 0, 100, 20}, {5, 5, true, false});
    ASSERT_EQ(canvas.texts.size(), 1u);
    EXPECT_EQ(canvas.font.height, rig.sheet->BasicFont().height);
    EXPECT_EQ(canvas.font.height, 12);
}

TEST(SegmentCells, WithoutAFontTheBytesAreDrawnAsText)
{
    SegmentRig rig;
    rig.Paint(0);
    EXPECT_TRUE(rig.canvas.shapes.empty());
    ASSERT_EQ(rig.canvas.texts.size(), 1u);
}

TEST(SegmentCells, ScreenReadersGetTheEscapeTextAndACharactersCodeAndMask)
{
    FakeSource source;
    source.masks[4] = 0x20;  // character 18: 8192
    SegmentRig rig;
    EXPECT_EQ(rig.rig.grid.CellText(0, 0), "5%%%10 ");
    EXPECT_EQ(rig.rig.grid.CellText(1, 0), "%12 8192");
    EXPECT_EQ(rig.rig.grid.CellText(2, 0), "12");
}

}  // namespace
}  // namespace xtr
