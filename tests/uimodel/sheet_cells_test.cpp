// The cells of a built sheet: the basic cell's font, column widths and row
// heights, the first selectable cell and the fixed rows and columns.
#include "app/environ.h"
#include "app/globals.h"
#include "cells/cell_description.h"
#include "sheet_fixture.h"

#include <gtest/gtest.h>

namespace xtr {
namespace {

using test::Built;
using test::FakePrinter;
using test::ScaledMeasurer;
using test::SheetOverlay;

TEST(SheetCells, BasicCellFontFollowsTheFontSizePercentage)
{
    auto overlay = SheetOverlay({"A"}, "", "{S(Color=clBtnFace)(Font=,Courier,,12)}");
    indEnviron env("", "", EnvironServices{});
    env.fontSizePercentage = 150;
    indEnviron* previous = SetEnv(&env);
    auto sheet = Built(*overlay);
    SetEnv(previous);

    FontDesc expected;
    ApplyFontDescription(",Courier,,12", expected);
    ApplyFontDescription(",,,%150", expected);
    ASSERT_TRUE(sheet->BasicCell().font);
    EXPECT_EQ(*sheet->BasicCell().font, expected);
    EXPECT_EQ(sheet->BasicFont().height, 18);
    EXPECT_EQ(sheet->BasicCell().color, 0x8000000Fu);
    EXPECT_TRUE(sheet->BasicCell().IsSelectable());
    // Cells without a font of their own use the basic cell's.
    EXPECT_FALSE(sheet->CellAt(0, 0).font);
    EXPECT_EQ(sheet->CellAt(0, 0).EffectiveFont(), &*sheet->BasicCell().font);

    // Without settings the entry's height stands.
    sheet = Built(*overlay);
    EXPECT_EQ(sheet->BasicFont().height, 12);
}

TEST(SheetCells, PrintedSheetsTakeFixedHeightAndPrintRatio)
{
    auto overlay = SheetOverlay({"{W}Wide"}, "(PrintFontRatio=50)", "{(Font=,,,12)}");
    FakePrinter printer(600);
    auto sheet = Built(*overlay, nullptr, &printer, 40);
    EXPECT_EQ(sheet->Scale(), 5);
    EXPECT_EQ(sheet->BasicFont().height, 20);  // 40, then 50 percent
    // Measured with the printer, padded at the printer's scale.
    EXPECT_EQ(sheet->ColumnWidth(0), 4 * 7 * 20 / 12 + 8 * 5);
    EXPECT_EQ(sheet->RowHeight(0), 5);  // no H: the default of one scale unit

    // On the screen the ratio does not apply.
    sheet = Built(*overlay, nullptr, nullptr, 40);
    EXPECT_EQ(sheet->BasicFont().height, 40);
    EXPECT_EQ(sheet->Scale(), 1);

    // A low resolution still draws at scale 1.
    FakePrinter coarse(96);
    sheet = Built(*overlay, nullptr, &coarse);
    EXPECT_EQ(sheet->Scale(), 1);
}

TEST(SheetCells, WidthsAndHeightsInCharacterCells)
{
    auto overlay = SheetOverlay({
        "{W}Name|Value|{H}Two\\nlines\\nthree",
        "{WH}Longer name|{W}",
        ":(LoopFrom 3)",
        "{H(%CL_Aad_Type)}a\\nb|x",
        ":(LoopTo)",
    });
    auto sheet = Built(*overlay);  // no view, no printer: character cells
    ASSERT_EQ(sheet->RowCount(), 5);
    EXPECT_EQ(sheet->ColumnWidth(0), 11 + 1);  // the widest W caption and a blank
    EXPECT_EQ(sheet->ColumnWidth(1), 1);       // an empty W caption still adds its blank
    EXPECT_EQ(sheet->ColumnWidth(2), 1);       // H alone leaves the width alone
    EXPECT_EQ(sheet->RowHeight(0), 3);
    EXPECT_EQ(sheet->RowHeight(1), 1);
    // Repeated rows take the height of the row they repeat.
    EXPECT_EQ(sheet->RowHeight(2), 2);
    EXPECT_EQ(sheet->RowHeight(3), 2);
    EXPECT_EQ(sheet->RowHeight(4), 2);
    EXPECT_EQ(sheet->TotalWidth(), 14);
    EXPECT_EQ(sheet->TotalHeight(), 3 + 1 + 2 + 2 + 2);

    // A cell's own font is measured with, not the basic cell's.
    ScaledMeasurer pixels;
    overlay = SheetOverlay({"{W}abc|{W(Font=,,,24)}abc"});
    sheet = Built(*overlay, &pixels);
    EXPECT_EQ(sheet->ColumnWidth(0), 21 + 8);
    EXPECT_EQ(sheet->ColumnWidth(1), 42 + 8);
}

TEST(SheetCells, FirstSelectableColumnAndRow)
{
    auto overlay = SheetOverlay({"Title|||", "a|b|c|{S}d", "{S}e"});
    auto sheet = Built(*overlay);
    EXPECT_EQ(sheet->FirstSelectableColumn(), 0);
    EXPECT_EQ(sheet->FirstSelectableRow(), 1);

    overlay = SheetOverlay({"Title|||", "a|b|c|{S}d"});
    sheet = Built(*overlay);
    EXPECT_EQ(sheet->FirstSelectableColumn(), 3);
    EXPECT_EQ(sheet->FirstSelectableRow(), 1);

    // None at all: the counts themselves.
    overlay = SheetOverlay({"a|b", "c"});
    sheet = Built(*overlay);
    EXPECT_EQ(sheet->FirstSelectableColumn(), 2);
    EXPECT_EQ(sheet->FirstSelectableRow(), 2);
}

TEST(SheetCells, FixedRowsAndColumnsLeaveOneToScroll)
{
    auto overlay = SheetOverlay({"a|b", "c", "d"}, "(FixedRows=5)(FixedCols=1)");
    auto sheet = Built(*overlay);
    EXPECT_EQ(sheet->FixedRows(), 2);
    EXPECT_EQ(sheet->FixedColumns(), 1);

    overlay = SheetOverlay({"a|b", "c"}, "(FixedRows=-2)(FixedCols=9)");
    sheet = Built(*overlay);
    EXPECT_EQ(sheet->FixedRows(), 0);
    EXPECT_EQ(sheet->FixedColumns(), 1);
}

TEST(SheetCells, CountersRunOnAcrossRowsAndCaptions)
{
    auto overlay = SheetOverlay({
        "{(@ch0=5)}Ch \\(@ch0)|{S(%CT_Aad.CL_Aad_Type[@ch0])}",
        "{(@ch0+)}Ch \\(@ch0+1)|{S(%CT_Aad.CL_Aad_Type[@ch0])}",
    });
    auto sheet = Built(*overlay);
    EXPECT_EQ(sheet->CellAt(0, 0).Caption(), "Ch 5");
    EXPECT_EQ(sheet->CellAt(0, 1).Caption(), "Ch 7");
    EXPECT_EQ(sheet->CellAt(1, 0).index, 5);
    EXPECT_EQ(sheet->CellAt(1, 1).index, 6);
    EXPECT_EQ(sheet->CellAt(1, 1).category, CT_Aad);
}

// The order in which a sheet visits its grid while it fills it: every row,
// then every cell the row's line has (a repeated row as many as the row it
// repeats), so that a derived sheet can prepare each one.
class VisitingSheet : public cuiSheet {
public:
    using cuiSheet::cuiSheet;
    void BeforeRow(int row) override { visits += "r" + std::to_string(row) + " "; }
    void BeforeCell(int column, int row) override
    {
        visits += std::to_string(column) + "," + std::to_string(row) + " ";
    }
    std::string visits;
};

TEST(SheetCells, RowsAndCellsAreVisitedInGridOrderAndRepeatsAsOften)
{
    auto overlay = SheetOverlay({"a|b|c", ":(LoopFrom 2)", "{S(%CL_Aad_Type)}x|y", ":(LoopTo)", "z"});
    VisitingSheet sheet(nullptr, nullptr, 0, 0, overlay->Store(), "S", nullptr);
    sheet.Show();
    ASSERT_EQ(sheet.RowCount(), 4);
    EXPECT_EQ(sheet.visits, "r0 0,0 1,0 2,0 r1 0,1 1,1 r2 0,2 1,2 r3 0,3 ");
    EXPECT_EQ(sheet.CellAt(0, 2).index, 1);
    EXPECT_EQ(sheet.CellAt(1, 2).Caption(), "y");
    EXPECT_EQ(sheet.CellAt(2, 2).cellId, cmcCellObj().cellId) << "the slots past a short row stay empty";
}

// Only the selectable rows of a multi-selecting sheet take part in the
// multi-selection; the repeated rows keep the rule of their lines.
TEST(SheetCells, MultiSelectionIsOfferedOnSelectableRowsOnly)
{
    auto overlay = SheetOverlay({":(SelectOFF)", "Head|er", ":(SelectON)", ":(LoopFrom 2)",
                                 "{S(%CL_Aad_Type)}a|b", ":(LoopTo)"},
                                "(MultiSelect=Line)");
    auto sheet = Built(*overlay);
    ASSERT_EQ(sheet->RowCount(), 3);
    for (int c = 0; c < 2; ++c) {
        EXPECT_FALSE(sheet->SlotAt(c, 0).MayMultiSelect()) << c;
        EXPECT_TRUE(sheet->SlotAt(c, 1).MayMultiSelect()) << c;
        EXPECT_TRUE(sheet->SlotAt(c, 2).MayMultiSelect()) << c;
    }

    overlay = SheetOverlay({"{S(%CL_Aad_Type)}a|b", "c|d"});
    sheet = Built(*overlay);
    for (int r = 0; r < 2; ++r) {
        EXPECT_FALSE(sheet->SlotAt(0, r).MayMultiSelect()) << "no multi-selection without the style, row " << r;
    }
}

}  // namespace
}  // namespace xtr
