// Where the cells of a sheet lie in its grid: column lefts and row tops,
// the fixed columns and rows that stay in place, the scroll position (left
// column, top row), what is visible in a client area of a given size, and
// which cell lies under a point. Pixel coordinates are client coordinates
// with right and bottom edges exclusive.
#pragma once

#include "app/canvas.h"

#include <vector>

namespace xtr {

class cuiSheet;

class GridGeometry {
public:
    // Takes the counts and sizes of a built sheet.
    void Assign(const cuiSheet& sheet);
    void SetSizes(std::vector<int> widths, std::vector<int> heights, int fixedColumns, int fixedRows);
    void SetClientSize(int width, int height);

    int Columns() const { return static_cast<int>(widths_.size()); }
    int Rows() const { return static_cast<int>(heights_.size()); }
    int FixedColumns() const { return fixedColumns_; }
    int FixedRows() const { return fixedRows_; }
    int ClientWidth() const { return clientWidth_; }
    int ClientHeight() const { return clientHeight_; }
    int ColumnWidth(int column) const { return widths_[static_cast<std::size_t>(column)]; }
    int RowHeight(int row) const { return heights_[static_cast<std::size_t>(row)]; }

    // The first scrolling column and row shown.
    int LeftColumn() const { return leftColumn_; }
    int TopRow() const { return topRow_; }
    // Kept within the fixed counts and the last column and row.
    void SetTopLeft(int leftColumn, int topRow);
    // The largest left column and top row that still fill the client area
    // (the scroll bars' ranges end there).
    int MaxLeftColumn() const;
    int MaxTopRow() const;
    // Scrolls the least that shows the whole cell (or its top-left part
    // when it is larger than the client area).
    void ScrollToShow(int column, int row);

    // Left edge of a column and top edge of a row; -1 for a scrolling
    // column or row scrolled out to the left or top.
    int ColumnLeft(int column) const;
    int RowTop(int row) const;
    // The cell's rectangle; empty (all 0) when it is scrolled out.
    Rect CellRect(int column, int row) const;
    // The last column and row that begin inside the client area.
    int LastVisibleColumn() const;
    int LastVisibleRow() const;
    bool IsVisible(int column, int row) const;
    // The column and row under a client point; -1 outside the cells.
    int ColumnAt(int x) const;
    int RowAt(int y) const;
    // Sums of all widths and heights.
    int TotalWidth() const;
    int TotalHeight() const;

private:
    std::vector<int> widths_;
    std::vector<int> heights_;
    int fixedColumns_ = 0;
    int fixedRows_ = 0;
    int leftColumn_ = 0;
    int topRow_ = 0;
    int clientWidth_ = 0;
    int clientHeight_ = 0;
};

}  // namespace xtr
