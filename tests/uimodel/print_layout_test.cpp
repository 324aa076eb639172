#include "ui/model/page_frame.h"
#include "ui/model/print_layout.h"

#include <gtest/gtest.h>

namespace xtr {
namespace {

PrintGrid Grid(std::vector<int> widths, std::vector<int> heights, int fixedColumns, int fixedRows)
{
    PrintGrid grid;
    grid.breakable.assign(widths.size(), true);
    grid.widths = std::move(widths);
    grid.heights = std::move(heights);
    grid.fixedColumns = fixedColumns;
    grid.fixedRows = fixedRows;
    return grid;
}

TEST(PrintMarginsTest, TenMillimetresAt600DotsPerInch)
{
    const PrintMargins margins = ParsePrintMargins("10,10,10,10");
    EXPECT_EQ(PrintableRect(margins, 600, 4960, 7016), (Rect{236, 236, 4960 - 236, 7016 - 236}));
}

TEST(PrintMarginsTest, FieldsAreTrimmedAndBadOnesCountAsZero)
{
    const PrintMargins margins = ParsePrintMargins(" 12.5 , x,  ,20");
    EXPECT_DOUBLE_EQ(margins.left, 12.5);
    EXPECT_DOUBLE_EQ(margins.top, 0);
    EXPECT_DOUBLE_EQ(margins.right, 0);
    EXPECT_DOUBLE_EQ(margins.bottom, 20);
    // Missing fields are zero margins, not left over from another field.
    const PrintMargins shortLine = ParsePrintMargins("5");
    EXPECT_DOUBLE_EQ(shortLine.left, 5);
    EXPECT_DOUBLE_EQ(shortLine.bottom, 0);
    // A negative or absurd margin does not put the area off the paper or
    // overflow the pixel count.
    EXPECT_EQ(PrintableRect(ParsePrintMargins("-5,-1e30,1e30,0"), 600, 4960, 7016), (Rect{0, 0, 0, 7016}));
    // The vertical resolution serves both directions.
    EXPECT_EQ(PrintableRect(ParsePrintMargins("25.4,25.4,25.4,25.4"), 300, 3000, 4000), (Rect{300, 300, 2700, 3700}));
}

TEST(PageFrameTest, HeaderAndFooterTakeTheirLinesAndRules)
{
    // h = 20, rule a = trunc(20 * 0.1 + 1) = 3.
    const PageFrameLayout frame = LayoutPageFrame({100, 200, 1100, 1700}, -20, 300, 400);
    EXPECT_EQ(frame.title, (Point{100, 200}));
    EXPECT_EQ(frame.appTitle, (Point{1100 - 300 - 1, 200}));
    EXPECT_EQ(frame.headerRule, (Rect{100, 223, 1100, 226}));
    EXPECT_EQ(frame.maker, (Point{1100 - 400 - 1, 1700 - 21}));
    EXPECT_EQ(frame.footerRule, (Rect{100, 1674, 1100, 1677}));
    EXPECT_EQ(frame.inner, (Rect{100, 223 + 15, 1100, 1677 - 15}));
}

TEST(PageSplitTest, FittingGridIsOneBlock)
{
    const PrintGrid grid = Grid({50, 100, 100}, {20, 30, 30, 30}, 1, 1);
    const auto columns = SplitColumns(grid, 1000);
    const auto rows = SplitRows(grid, 1000);
    EXPECT_EQ(columns, std::vector<int>{2});
    EXPECT_EQ(rows, std::vector<int>{3});
    const auto blocks = PageBlocks(grid, columns, rows);
    ASSERT_EQ(blocks.size(), 1U);
    EXPECT_EQ(BlockExtent(grid, {10, 10, 1010, 1010}, blocks[0]), (Rect{10, 10, 260, 120}));
}

TEST(PageSplitTest, TwiceAsWideGivesTwoColumnGroupsWithTheFixedColumnsOnBoth)
{
    // Fixed column 100 wide, then eight columns of 100 on paper 500 wide.
    const PrintGrid grid = Grid({100, 100, 100, 100, 100, 100, 100, 100, 100}, {20, 20}, 1, 1);
    const auto columns = SplitColumns(grid, 500);
    EXPECT_EQ(columns, (std::vector<int>{4, 4}));
    const auto blocks = PageBlocks(grid, columns, SplitRows(grid, 500));
    ASSERT_EQ(blocks.size(), 2U);
    EXPECT_EQ(blocks[1].firstColumn, 5);
    for (const PageBlock& block : blocks) {
        std::vector<int> drawn;
        const Rect extent = ForEachBlockCell(grid, {0, 0, 500, 500}, block,
                                             [&](int column, int row, const Rect&) {
                                                 if (row == 0) {
                                                     drawn.push_back(column);
                                                 }
                                             });
        EXPECT_EQ(drawn.front(), 0);
        EXPECT_EQ(drawn.size(), 5U);
        EXPECT_LE(extent.right, 500);
    }
}

TEST(PageSplitTest, PlusColumnStaysWithTheColumnBeforeIt)
{
    PrintGrid grid = Grid({100, 100, 100, 100, 100, 100}, {20, 20}, 1, 1);
    // Column 4 is marked: the group would otherwise begin there.
    grid.breakable[4] = false;
    const auto columns = SplitColumns(grid, 400);
    ASSERT_EQ(columns, (std::vector<int>{2, 3}));
    int first = grid.fixedColumns;
    for (const int size : columns) {
        EXPECT_TRUE(grid.breakable[static_cast<std::size_t>(first)]) << "group begins at column " << first;
        first += size;
    }
    // A run of marked columns wider than the paper still ends somewhere:
    // the group takes the whole run.
    grid.breakable = {true, true, false, false, false, true};
    EXPECT_EQ(SplitColumns(grid, 300), (std::vector<int>{4, 1}));
}

TEST(PageSplitTest, OversizedColumnsAndRowsGetAPageEach)
{
    const PrintGrid grid = Grid({10, 900, 900}, {5, 800, 800, 10}, 1, 1);
    EXPECT_EQ(SplitColumns(grid, 500), (std::vector<int>{1, 1}));
    EXPECT_EQ(SplitRows(grid, 500), (std::vector<int>{1, 1, 1}));
}

TEST(PageSplitTest, FixedPartAloneStillGivesOnePage)
{
    const PrintGrid grid = Grid({40, 40}, {20}, 2, 1);
    const auto blocks = PageBlocks(grid, SplitColumns(grid, 500), SplitRows(grid, 500));
    ASSERT_EQ(blocks.size(), 1U);
    EXPECT_EQ(BlockExtent(grid, {0, 0, 500, 500}, blocks[0]), (Rect{0, 0, 80, 20}));
}

TEST(PageFitTest, FitsAndRefitHeight)
{
    const Rect area{0, 0, 100, 100};
    EXPECT_TRUE(BlockFits({0, 0, 100, 100}, area));
    EXPECT_FALSE(BlockFits({0, 0, 101, 50}, area));
    // An empty block at the area's corner is one pixel: it does not fit
    // into an empty area.
    EXPECT_FALSE(BlockFits({0, 0, 0, 0}, {0, 0, 0, 0}));
    // Shrinks by the smaller ratio, from the absolute height.
    EXPECT_EQ(RefitFontHeight(-40, {0, 0, 200, 120}, area), 20);
    // Never down to 0, which would mean the sheet's own larger font.
    EXPECT_EQ(RefitFontHeight(10, {0, 0, 100000, 10}, area), 1);
}

}  // namespace
}  // namespace xtr

#include "ui/model/printing_dialog_layout.h"

namespace xtr {
namespace {

TEST(PrintingDialogLayoutTest, ButtonAndLabelAreSizedAndPlacedFromTheLabel)
{
    // Label 101 x 15, button 23 high: client 202 x 114.
    const PrintingDialogLayout layout = LayoutPrintingDialog(101, 15, 23);
    EXPECT_EQ(layout.clientWidth, 202);
    EXPECT_EQ(layout.clientHeight, 114);
    EXPECT_EQ(layout.label, (Rect{50, 30, 151, 45}));
    // 1.2 * 101 = 121.2 truncated; top 114 - 34.5 = 79.5 truncated.
    EXPECT_EQ(layout.button, (Rect{40, 79, 161, 102}));
}

}  // namespace
}  // namespace xtr
