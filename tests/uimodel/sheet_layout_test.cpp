// Layout entries: rows and columns, loops, multi-selection switches, the
// rows only some radios show, and the layout errors that end the program.
#include "cells/cell_names.h"
#include "image/eeprom.h"
#include "sheet_fixture.h"
#include "ui/model/sheet_common.h"

#include <gtest/gtest.h>

namespace xtr {
namespace {

using test::Captions;
using test::SheetOverlay;

// Builds sheet S (a plain sheet unless common) without widgets.
template <typename Sheet = cuiSheet>
std::unique_ptr<Sheet> Built(test::OverlayGuard& overlay, const cmcEeprom* image = nullptr)
{
    auto sheet = std::make_unique<Sheet>(nullptr, nullptr, 0, 0, overlay.Store(), "S", nullptr);
    if constexpr (std::is_same_v<Sheet, iuiSh_Common>) {
        sheet->SetImage(image);
    }
    sheet->Show();
    return sheet;
}

std::vector<int> LinesOf(cuiSheet& sheet)
{
    std::vector<int> lines;
    for (int r = 0; r < sheet.RowCount(); ++r) {
        lines.push_back(sheet.RowAttr(r).line);
    }
    return lines;
}

TEST(SheetLayout, ShortRowsKeepEmptyUnselectableCells)
{
    auto overlay = SheetOverlay({"{S}A|{S}B|{S}C", "{S}D|"});
    auto sheet = Built(*overlay);
    EXPECT_EQ(sheet->ColumnCount(), 3);
    EXPECT_EQ(sheet->RowCount(), 2);
    EXPECT_EQ(Captions(*sheet, 1), (std::vector<std::string>{"D", "", ""}));
    for (int c : {1, 2}) {
        EXPECT_EQ(sheet->CellAt(c, 1).cellId, kCellNone);
        EXPECT_FALSE(sheet->CellAt(c, 1).IsSelectable());
    }
    EXPECT_TRUE(sheet->CellAt(0, 1).IsSelectable());
    // Every cell starts from the basic cell.
    EXPECT_EQ(sheet->CellAt(2, 0).templateCell, &sheet->BasicCell());
}

TEST(SheetLayout, LoopRepeatsItsRowsWithTheNextIndexes)
{
    auto overlay = SheetOverlay({
        "Head",
        ":(LoopFrom 3)",
        "{S(%CT_Conv.CL_PersConv_FreqRx[@ch1])}Rx|{(@ch1+)}",
        "{S(%CT_Conv.CL_PersConv_FreqTx[@ch2])}Tx",
        ":(LoopTo)",
        "Foot",
    });
    auto sheet = Built(*overlay);
    EXPECT_EQ(LinesOf(*sheet), (std::vector<int>{0, 2, 3, 2, 3, 2, 3, 5}));
    EXPECT_EQ(sheet->ColumnCount(), 2);
    const std::int32_t rx = CellIdOfName("CL_PersConv_FreqRx");
    const std::int32_t tx = CellIdOfName("CL_PersConv_FreqTx");
    for (int copy = 0; copy < 3; ++copy) {
        const cmcCellObj& rxCell = sheet->CellAt(0, 1 + 2 * copy);
        const cmcCellObj& txCell = sheet->CellAt(0, 2 + 2 * copy);
        EXPECT_EQ(rxCell.cellId, rx);
        EXPECT_EQ(rxCell.index, copy);
        EXPECT_EQ(rxCell.Caption(), "Rx");
        EXPECT_EQ(rxCell.category, CT_Conv);
        EXPECT_EQ(txCell.cellId, tx);
        EXPECT_EQ(txCell.index, copy);
        EXPECT_EQ(txCell.Caption(), "Tx");
    }
    // The counter command ran for the first row only.
    EXPECT_EQ(sheet->Counters()[1], 1);
    EXPECT_EQ(Captions(*sheet, 7), (std::vector<std::string>{"Foot", ""}));
}

TEST(SheetLayout, LoopsThatRepeatNothing)
{
    // A count of 0 counts as 1: the rows once, no copies.
    auto overlay = SheetOverlay({":(LoopFrom 0)", "A", ":(LoopTo)", "B"});
    EXPECT_EQ(LinesOf(*Built(*overlay)), (std::vector<int>{1, 3}));

    // A LoopTo before any LoopFrom waits; the next LoopFrom then closes the
    // loop at once with an empty body.
    overlay = SheetOverlay({":(LoopTo)", "A", ":(LoopFrom 4)", "B", "C"});
    EXPECT_EQ(LinesOf(*Built(*overlay)), (std::vector<int>{1, 3, 4}));

    // Both on one control line: nothing either.
    overlay = SheetOverlay({"A", ":(LoopFrom 3)(LoopTo)", "B"});
    EXPECT_EQ(LinesOf(*Built(*overlay)), (std::vector<int>{0, 2}));

    // Without a count the item is ignored, so LoopTo has no loop to close.
    overlay = SheetOverlay({":(LoopFrom)(LoopFrom3)", "A", ":(LoopTo)", "B"});
    EXPECT_EQ(LinesOf(*Built(*overlay)), (std::vector<int>{1, 3}));
}

TEST(SheetLayout, ControlLineInsideLoopBodyIsNeverARow)
{
    // The repeated rows are the rows of the body, not the lines counted on
    // from the LoopFrom line: the SelectOFF line stays a control line.
    auto overlay = SheetOverlay({":(LoopFrom 2)", ":(SelectOFF)", "{S(%CL_Aad_Type)}A", ":(LoopTo)"});
    auto sheet = Built(*overlay);
    EXPECT_EQ(LinesOf(*sheet), (std::vector<int>{2, 2}));
    EXPECT_EQ(Captions(*sheet, 1), (std::vector<std::string>{"A"}));
    EXPECT_EQ(sheet->CellAt(0, 1).index, 1);
}

TEST(SheetLayout, SelectOffRowsStayOutOfMultiSelection)
{
    auto overlay = SheetOverlay({"{S}A|{S}B", ":(SelectOFF)", "{S}C", ":(SelectON)", "{S}D"}, "(MultiSelect=Line)");
    auto sheet = Built(*overlay);
    ASSERT_EQ(sheet->RowCount(), 3);
    EXPECT_TRUE(sheet->RowAttr(0).selectable);
    EXPECT_FALSE(sheet->RowAttr(1).selectable);
    EXPECT_TRUE(sheet->RowAttr(2).selectable);
    EXPECT_TRUE(sheet->SlotAt(1, 0).MayMultiSelect());
    EXPECT_FALSE(sheet->SlotAt(0, 1).MayMultiSelect());
    EXPECT_TRUE(sheet->SlotAt(0, 2).MayMultiSelect());

    // Without a multi-select mode no filled cell may be multi-selected.
    overlay = SheetOverlay({"{S}A|{S}B", "{S}C"});
    sheet = Built(*overlay);
    EXPECT_FALSE(sheet->SlotAt(0, 0).MayMultiSelect());
    EXPECT_FALSE(sheet->SlotAt(0, 1).MayMultiSelect());
    EXPECT_FALSE(sheet->SlotAt(0, 0).Selected());
}

TEST(SheetLayout, OnlySaccLinesFollowTheImageOptionBit)
{
    const std::vector<std::string> lines{"A", ":(Only_SACC 2)", "B", ":(SelectOFF)", "C"};
    cmcEeprom image;
    image.SetSize(0x4000);
    image.SetByte(kSaccOptionAddress, 0xF7);  // every bit but the SACC bit

    auto overlay = SheetOverlay(lines);
    auto common = Built<iuiSh_Common>(*overlay, &image);
    EXPECT_EQ(LinesOf(*common), (std::vector<int>{0, 4}));
    // The skipped control line took no effect.
    EXPECT_TRUE(common->RowAttr(1).selectable);

    image.SetByte(kSaccOptionAddress, 0x08);
    overlay = SheetOverlay(lines);
    common = Built<iuiSh_Common>(*overlay, &image);
    EXPECT_EQ(LinesOf(*common), (std::vector<int>{0, 2, 4}));
    EXPECT_FALSE(common->RowAttr(2).selectable);

    // A plain sheet knows no such item.
    image.SetByte(kSaccOptionAddress, 0x00);
    overlay = SheetOverlay(lines);
    EXPECT_EQ(LinesOf(*Built(*overlay)), (std::vector<int>{0, 2, 4}));

    // Without an image the radio counts as one without the option.
    overlay = SheetOverlay(lines);
    EXPECT_EQ(LinesOf(*Built<iuiSh_Common>(*overlay, nullptr)), (std::vector<int>{0, 4}));
}

TEST(SheetLayout, EntryEndsAtNextHeader)
{
    // "#" starts the next entry even as a body line of its own.
    auto overlay = test::OverlayGuard::FromText(test::SheetEntries("S", "", "", {"A", "#", "B"}) + "#End\n");
    EXPECT_EQ(LinesOf(*Built(*overlay)), (std::vector<int>{0}));
}

TEST(SheetLayoutDeathTest, LayoutRunningIntoTheEndOfTheFileIsFatal)
{
    // The layout is the last entry and no header ends it: the overlay is
    // incomplete, and the sheet is not shown in part.
    auto overlay = test::OverlayGuard::FromText(test::SheetEntries("S", "", "", {"A", "B"}));
    EXPECT_EXIT(Built(*overlay), ::testing::ExitedWithCode(3), "'S_Cells' was not found");
    overlay = test::OverlayGuard::FromText(test::SheetEntries("S", "", "", {"A", "B"}) + "C");
    EXPECT_EXIT(Built(*overlay), ::testing::ExitedWithCode(3), "'S_Cells' was not found");
}

TEST(SheetLayoutDeathTest, LayoutWithoutCellsIsFatal)
{
    auto overlay = SheetOverlay({":(LoopFrom 2)"});
    EXPECT_EXIT(Built(*overlay), ::testing::ExitedWithCode(3), "Illegal Cell assign");
    overlay = SheetOverlay({"", ""});  // rows without a single cell
    EXPECT_EXIT(Built(*overlay), ::testing::ExitedWithCode(3), "Illegal Cell assign");
    overlay = SheetOverlay({});
    EXPECT_EXIT(Built(*overlay), ::testing::ExitedWithCode(3), "Illegal Cell assign");
    // An empty layout entry at the end of the file is as good as a missing
    // one (see LayoutRunningIntoTheEndOfTheFileIsFatal).
    overlay = test::OverlayGuard::FromText(test::SheetEntries("S", "", "", {}));
    EXPECT_EXIT(Built(*overlay), ::testing::ExitedWithCode(3), "'S_Cells' was not found");
    overlay = test::OverlayGuard::FromText("#S_Style\n\n#S_BasicCell\n\n#End\n");
    EXPECT_EXIT(Built(*overlay), ::testing::ExitedWithCode(3), "'S_Cells' was not found");
    // A loop count far beyond any real list would exhaust memory.
    overlay = SheetOverlay({":(LoopFrom 2000000000)", "A", ":(LoopTo)"});
    EXPECT_EXIT(Built(*overlay), ::testing::ExitedWithCode(3), "Illegal Cell assign");
}

TEST(SheetLayoutDeathTest, SlotsOutsideTheGridAreFatal)
{
    auto overlay = SheetOverlay({"A|B"});
    cuiSheet unbuilt(nullptr, nullptr, 0, 0, overlay->Store(), "S", nullptr);
    EXPECT_EXIT(unbuilt.SlotAt(0, 0), ::testing::ExitedWithCode(3), "Illegal Cell selection");
    auto sheet = Built(*overlay);
    EXPECT_EQ(sheet->CellAt(1, 0).Caption(), "B");
    EXPECT_EXIT(sheet->SlotAt(2, 0), ::testing::ExitedWithCode(3), "Illegal Cell selection");
    EXPECT_EXIT(sheet->SlotAt(0, 1), ::testing::ExitedWithCode(3), "Illegal Cell selection");
    EXPECT_EXIT(sheet->SlotAt(-1, 0), ::testing::ExitedWithCode(3), "Illegal Cell selection");
}

}  // namespace
}  // namespace xtr
