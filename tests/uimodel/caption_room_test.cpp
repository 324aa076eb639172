// Texts shown whole: a heading or remark wider than the columns it spans
// widens the last of them, and on paper a cell's own font keeps its
// proportion to the basic font (the display texts' large font no longer
// prints at its screen size among cells sized for the printer).
#include "cells/cell_capsule.h"
#include "cells/cell_description.h"
#include "cells/cell_names.h"
#include "cells/ui_seams.h"
#include "grid_fixture.h"
#include "ui/model/caption_room.h"

#include <gtest/gtest.h>

namespace xtr {
namespace {

using test::Built;
using test::FakePrinter;
using test::RecordingHandler;
using test::ScaledMeasurer;
using test::SheetOverlay;

TEST(CaptionRoom, TheLastColumnOfAShortSpanTakesTheShortfall)
{
    std::vector<int> widths{50, 20, 30, 10};
    MakeRoomForCaptions(widths, {
                                    {0, 0, 80},   // alone in its column: 30 short
                                    {1, 2, 40},   // fits in 20 + 30
                                    {1, 3, 100},  // 20 + 30 + 10: the last gets 40
                                    {2, 5, 999},  // past the last column: left out
                                    {-1, 0, 999},
                                    {3, 2, 999},
                                });
    EXPECT_EQ(widths, (std::vector<int>{80, 20, 30, 50}));

    // A span widened by an earlier one is not widened again.
    widths = {10, 10};
    MakeRoomForCaptions(widths, {{1, 1, 30}, {0, 1, 35}});
    EXPECT_EQ(widths, (std::vector<int>{10, 30}));
}

TEST(CaptionRoom, PrintedFontHeightsKeepTheirProportionToTheBasicFont)
{
    EXPECT_EQ(PrintedFontHeight(12, 12, 75), 75);   // the basic font itself, exactly
    EXPECT_EQ(PrintedFontHeight(19, 12, 75), 119);  // 14 points beside 9 points
    EXPECT_EQ(PrintedFontHeight(6, 12, 75), 38);
    EXPECT_EQ(PrintedFontHeight(-19, 12, 75), -119);  // character height stays one
    EXPECT_EQ(PrintedFontHeight(-19, -12, 75), -119);
    EXPECT_EQ(PrintedFontHeight(1, 100, 2), 1);  // never vanishes
    EXPECT_EQ(PrintedFontHeight(19, 0, 75), 19);  // no basic height to scale by
    EXPECT_EQ(PrintedFontHeight(2000000000, 1, 1000), 2147483647);
}

TEST(CaptionRoom, AHeadingWiderThanItsSpanWidensTheSpansLastColumn)
{
    auto overlay = SheetOverlay({
        "{W}Name|{W}Value|{W}Note",
        // Cut by the next cell: its own column grows.
        "{!W}A heading far too long|Lowest|Highest",
        // Joined across two columns: the last of them grows.
        "{!W}A remark across two columns here|{+}|x",
        // Fits across its joined cells: nothing grows.
        "{!W}Short|{+}|{+}",
        // A bound cell shows its value, not its caption.
        "{!W(%CL_Aad_Type)}a caption that is never shown at all|",
    }, "", "{(Font=,,,12)}");
    // Measured with the printer's font (14 pixels a character) and padded at
    // its scale.
    // The bound cell answers a short value.
    RecordingHandler cells;
    cells.answer = [](cmcCellCapsule& rq, bool) {
        rq.displayText = "1";
        return 0;
    };
    FakePrinter printer;
    auto sheet = Built(*overlay, nullptr, &printer, 24, &RecordingHandler::Handle, &cells);
    const auto printed = [](int characters) { return characters * 14 + 8 * 5; };
    EXPECT_EQ(sheet->ColumnWidth(0), printed(22));
    EXPECT_EQ(sheet->ColumnWidth(1), printed(32) - printed(22));
    // A plain caption is held to the same rule: "Highest" is its own.
    EXPECT_EQ(sheet->ColumnWidth(2), printed(7));

    // The screen keeps its columns to the W letters.
    ScaledMeasurer pixels;
    sheet = Built(*overlay, &pixels);
    EXPECT_EQ(sheet->ColumnWidth(0), 4 * 7 + 8);
    EXPECT_EQ(sheet->ColumnWidth(1), 5 * 7 + 8);
}

TEST(CaptionRoom, OnPaperABoundCellsValueWidensItsColumnButASegmentValueDoesNot)
{
    auto overlay = SheetOverlay({
        "{W(%CL_Aad_Type)}000|{W}Next",
        // A display text is drawn as segment characters in the room its W
        // letters give; an indication in its place prints as text, in the
        // page's font rather than the display's large one.
        "{W(%CL_DirM_Text)}00|{W(Font=,,,24)(%CL_CallSC_Text)}00",
    }, "", "{(Font=,,,12)}");
    RecordingHandler cells;
    bool askedForPaper = true;
    cells.answer = [&](cmcCellCapsule& rq, bool) {
        if (rq.cell == nullptr || rq.canvas == nullptr) {
            return 0;
        }
        askedForPaper = askedForPaper && (rq.result & cellresult::kCallerBit1) != 0;
        if (rq.cell->cellId == CL_Aad_Type) {
            rq.displayText = "(not in this numbering)";
            rq.canvas->SetTextColor(kColorIndication);
        } else if (rq.cell->cellId == CL_DirM_Text) {
            rq.displayText = "A DISPLAY TEXT TOO WIDE";
        } else if (rq.cell->cellId == CL_CallSC_Text) {
            rq.displayText = "(MPT numbering only)";
            rq.canvas->SetTextColor(kColorIndication);
        }
        return 0;
    };
    FakePrinter printer;
    auto sheet = Built(*overlay, nullptr, &printer, 24, &RecordingHandler::Handle, &cells);
    const auto printed = [](int characters) { return characters * 14 + 8 * 5; };
    EXPECT_TRUE(askedForPaper);
    EXPECT_EQ(sheet->ColumnWidth(0), printed(23));
    EXPECT_EQ(sheet->ColumnWidth(1), printed(20));

    // The segment text alone keeps the room of its W letters.
    overlay = SheetOverlay({"{W(%CL_DirM_Text)}00|{W}Next"}, "", "{(Font=,,,12)}");
    sheet = Built(*overlay, nullptr, &printer, 24, &RecordingHandler::Handle, &cells);
    EXPECT_EQ(sheet->ColumnWidth(0), printed(2));

    // The screen scrolls and keeps its columns to the W letters.
    ScaledMeasurer pixels;
    sheet = Built(*overlay, &pixels, nullptr, 0, &RecordingHandler::Handle, &cells);
    EXPECT_EQ(sheet->ColumnWidth(0), 2 * 7 + 8);
}

TEST(CaptionRoom, OnPaperACellsOwnFontFollowsThePrintedBasicFont)
{
    auto overlay = SheetOverlay({
        "{W(Font=,,,,14)}0000000000|{W(Font=,,,,,fsBold)}Bold|{W}Plain|{W(Font=,,,%150)}Half again",
    }, "", "{(Font=,,,12)}");
    FakePrinter printer;
    auto sheet = Built(*overlay, nullptr, &printer, 60);
    ASSERT_EQ(sheet->BasicFont().height, 60);
    ASSERT_TRUE(sheet->CellAt(0, 0).font);
    EXPECT_EQ(sheet->CellAt(0, 0).font->height, 95);  // 19 of 12 on the screen
    EXPECT_EQ(sheet->CellAt(1, 0).font->height, 60);
    EXPECT_EQ(sheet->CellAt(1, 0).font->style, kFontBold);
    EXPECT_EQ(sheet->CellAt(2, 0).EffectiveFont(), &*sheet->BasicCell().font);
    EXPECT_EQ(sheet->CellAt(3, 0).font->height, 90);
    // The column is measured in the printed font.
    EXPECT_EQ(sheet->ColumnWidth(0), 10 * 7 * 95 / 12 + 8 * 5);

    // A smaller font after a refit takes the cell's font down with it.
    sheet = Built(*overlay, nullptr, &printer, 30);
    EXPECT_EQ(sheet->CellAt(0, 0).font->height, 48);

    // On the screen the cell's own size stands.
    ScaledMeasurer pixels;
    sheet = Built(*overlay, &pixels);
    EXPECT_EQ(sheet->CellAt(0, 0).font->height, 19);
    EXPECT_EQ(sheet->CellAt(1, 0).font->height, 12);
}

}  // namespace
}  // namespace xtr
