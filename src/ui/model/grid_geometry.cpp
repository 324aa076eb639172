#include "ui/model/grid_geometry.h"

#include "ui/model/sheet.h"

#include <algorithm>
#include <numeric>

namespace xtr {

void GridGeometry::Assign(const cuiSheet& sheet)
{
    std::vector<int> widths(static_cast<std::size_t>(sheet.ColumnCount()));
    std::vector<int> heights(static_cast<std::size_t>(sheet.RowCount()));
    for (int c = 0; c < sheet.ColumnCount(); ++c) {
        widths[static_cast<std::size_t>(c)] = sheet.ColumnWidth(c);
    }
    for (int r = 0; r < sheet.RowCount(); ++r) {
        heights[static_cast<std::size_t>(r)] = sheet.RowHeight(r);
    }
    SetSizes(std::move(widths), std::move(heights), sheet.FixedColumns(), sheet.FixedRows());
}

void GridGeometry::SetSizes(std::vector<int> widths, std::vector<int> heights, int fixedColumns, int fixedRows)
{
    widths_ = std::move(widths);
    heights_ = std::move(heights);
    fixedColumns_ = std::clamp(fixedColumns, 0, std::max(0, Columns() - 1));
    fixedRows_ = std::clamp(fixedRows, 0, std::max(0, Rows() - 1));
    SetTopLeft(fixedColumns_, fixedRows_);
}

void GridGeometry::SetClientSize(int width, int height)
{
    clientWidth_ = std::max(0, width);
    clientHeight_ = std::max(0, height);
}

void GridGeometry::SetTopLeft(int leftColumn, int topRow)
{
    leftColumn_ = std::clamp(leftColumn, fixedColumns_, std::max(fixedColumns_, Columns() - 1));
    topRow_ = std::clamp(topRow, fixedRows_, std::max(fixedRows_, Rows() - 1));
}

namespace {

// The smallest first scrolling index from which the remaining sizes still
// fill the room left beside the fixed ones.
int MaxFirst(const std::vector<int>& sizes, int fixed, int client)
{
    int room = client;
    for (int i = 0; i < fixed; ++i) {
        room -= sizes[static_cast<std::size_t>(i)];
    }
    int first = static_cast<int>(sizes.size());
    int used = 0;
    while (first > fixed && used + sizes[static_cast<std::size_t>(first - 1)] <= room) {
        --first;
        used += sizes[static_cast<std::size_t>(first)];
    }
    return std::clamp(first, fixed, std::max(fixed, static_cast<int>(sizes.size()) - 1));
}

int Edge(const std::vector<int>& sizes, int fixed, int first, int i)
{
    if (i < fixed) {
        return std::accumulate(sizes.begin(), sizes.begin() + i, 0);
    }
    if (i < first) {
        return -1;
    }
    return std::accumulate(sizes.begin(), sizes.begin() + fixed, 0) +
           std::accumulate(sizes.begin() + first, sizes.begin() + i, 0);
}

int LastVisible(const std::vector<int>& sizes, int fixed, int first, int client)
{
    int edge = 0;
    int last = -1;
    for (int i = 0; i < static_cast<int>(sizes.size()); ++i) {
        if (i >= fixed && i < first) {
            continue;
        }
        if (edge >= client) {
            break;
        }
        last = i;
        edge += sizes[static_cast<std::size_t>(i)];
    }
    return last;
}

int IndexAt(const std::vector<int>& sizes, int fixed, int first, int client, int at)
{
    if (at < 0 || at >= client) {
        return -1;
    }
    int edge = 0;
    for (int i = 0; i < static_cast<int>(sizes.size()); ++i) {
        if (i >= fixed && i < first) {
            continue;
        }
        edge += sizes[static_cast<std::size_t>(i)];
        if (at < edge) {
            return i;
        }
    }
    return -1;
}

// New first scrolling index that shows item i whole.
int FirstShowing(const std::vector<int>& sizes, int fixed, int first, int client, int i)
{
    if (i < fixed) {
        return first;
    }
    if (i < first) {
        return i;
    }
    const int room = client - std::accumulate(sizes.begin(), sizes.begin() + fixed, 0);
    int span = std::accumulate(sizes.begin() + first, sizes.begin() + i + 1, 0);
    while (span > room && first < i) {
        span -= sizes[static_cast<std::size_t>(first)];
        ++first;
    }
    return first;
}

}  // namespace

int GridGeometry::MaxLeftColumn() const { return MaxFirst(widths_, fixedColumns_, clientWidth_); }

int GridGeometry::MaxTopRow() const { return MaxFirst(heights_, fixedRows_, clientHeight_); }

void GridGeometry::ScrollToShow(int column, int row)
{
    if (column >= 0 && column < Columns()) {
        leftColumn_ = FirstShowing(widths_, fixedColumns_, leftColumn_, clientWidth_, column);
    }
    if (row >= 0 && row < Rows()) {
        topRow_ = FirstShowing(heights_, fixedRows_, topRow_, clientHeight_, row);
    }
}

int GridGeometry::ColumnLeft(int column) const { return Edge(widths_, fixedColumns_, leftColumn_, column); }

int GridGeometry::RowTop(int row) const { return Edge(heights_, fixedRows_, topRow_, row); }

Rect GridGeometry::CellRect(int column, int row) const
{
    if (column < 0 || row < 0 || column >= Columns() || row >= Rows()) {
        return {};
    }
    const int left = ColumnLeft(column);
    const int top = RowTop(row);
    if (left < 0 || top < 0) {
        return {};
    }
    return {left, top, left + ColumnWidth(column), top + RowHeight(row)};
}

int GridGeometry::LastVisibleColumn() const { return LastVisible(widths_, fixedColumns_, leftColumn_, clientWidth_); }

int GridGeometry::LastVisibleRow() const { return LastVisible(heights_, fixedRows_, topRow_, clientHeight_); }

bool GridGeometry::IsVisible(int column, int row) const
{
    return ColumnLeft(column) >= 0 && RowTop(row) >= 0 && column <= LastVisibleColumn() && row <= LastVisibleRow();
}

int GridGeometry::ColumnAt(int x) const { return IndexAt(widths_, fixedColumns_, leftColumn_, clientWidth_, x); }

int GridGeometry::RowAt(int y) const { return IndexAt(heights_, fixedRows_, topRow_, clientHeight_, y); }

int GridGeometry::TotalWidth() const { return std::accumulate(widths_.begin(), widths_.end(), 0); }

int GridGeometry::TotalHeight() const { return std::accumulate(heights_.begin(), heights_.end(), 0); }

}  // namespace xtr
