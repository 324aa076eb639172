// Splitting a sheet's grid into printed pages: the printable rectangle
// from the margins, the column and row groups that fit the space left by
// the page frame, and where the cells of one page's block lie. Pure
// geometry over the grid's sizes, so it is the same for paper, PDF and the
// tests.
#pragma once

#include "app/canvas.h"

#include <functional>
#include <string_view>
#include <vector>

namespace xtr {

class cuiSheet;

// The four margins in millimetres: left, top, right, bottom.
struct PrintMargins {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

// "left, top, right, bottom" in millimetres; a missing field or one that is
// not a number counts as 0.
PrintMargins ParsePrintMargins(std::string_view line);

// The printable rectangle of a page of width by height device pixels. The
// printer's vertical resolution converts the margins in both directions.
Rect PrintableRect(const PrintMargins& margins, int dotsPerInchY, int pageWidth, int pageHeight);

// What the page split needs of a built sheet's grid.
struct PrintGrid {
    std::vector<int> widths;
    std::vector<int> heights;
    int fixedColumns = 0;
    int fixedRows = 0;
    // Per column: a page's column group may begin here (no cell of the
    // column's fixed rows carries the "+" look bit, which keeps the column
    // with the one before it).
    std::vector<bool> breakable;

    int Columns() const { return static_cast<int>(widths.size()); }
    int Rows() const { return static_cast<int>(heights.size()); }
    int FixedWidth() const;
    int FixedHeight() const;
};

PrintGrid PrintGridOf(const cuiSheet& sheet);

// The group sizes of the scrolling columns (after the fixed ones) for an
// inner width, and of the scrolling rows for an inner height. Every group
// holds at least one column or row, so a column wider than the paper gets a
// page of its own. A grid without scrolling columns (rows) gives one empty
// group, so that its fixed part is still printed.
std::vector<int> SplitColumns(const PrintGrid& grid, int width);
std::vector<int> SplitRows(const PrintGrid& grid, int height);

// One page's part of the grid: the fixed columns and rows plus these.
struct PageBlock {
    int firstColumn = 0;
    int firstRow = 0;
    int columns = 0;
    int rows = 0;
};

// The pages of a sheet, row group by row group and column group by column
// group within each.
std::vector<PageBlock> PageBlocks(const PrintGrid& grid, const std::vector<int>& columnGroups,
                                  const std::vector<int>& rowGroups);

// Visits every cell of the block at its rectangle, starting at area's top
// left: fixed rows then the block's rows, in each the fixed columns then
// the block's columns. Returns the rectangle covered (area's left and top,
// the right and bottom reached).
Rect ForEachBlockCell(const PrintGrid& grid, const Rect& area, const PageBlock& block,
                      const std::function<void(int column, int row, const Rect& rect)>& visit);
Rect BlockExtent(const PrintGrid& grid, const Rect& area, const PageBlock& block);

// Whether the block's extent lies inside area; an empty block counts as one
// pixel wide and high.
bool BlockFits(const Rect& extent, const Rect& area);

// The font height that shrinks a block of extent into area, by the smaller
// of the two ratios. Never below 1: a height of 0 would mean "the sheet's
// own font" and print larger instead of smaller.
int RefitFontHeight(int fontHeight, const Rect& extent, const Rect& area);

}  // namespace xtr
