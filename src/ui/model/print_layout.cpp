#include "ui/model/print_layout.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace xtr {

namespace {

constexpr double kInchPerMillimetre = 0.03937007874015748;

std::string_view Trim(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// A decimal number with a point whatever the user's locale; 0 when the
// field is not one.
double ReadMillimetres(std::string_view field)
{
    field = Trim(field);
    double value = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (error != std::errc() || !std::isfinite(value)) {
        return 0;
    }
    (void)end;
    return value;
}

// A margin is at least 0 and at most a metre: a negative or absurd value
// in the overlay would otherwise put the printable area off the paper or
// overflow the pixel count.
constexpr double kMaxMarginMillimetres = 1000;

int ToPixels(double millimetres, int dotsPerInch)
{
    const double clamped = std::clamp(millimetres, 0.0, kMaxMarginMillimetres);
    return static_cast<int>(clamped * std::max(dotsPerInch, 0) * kInchPerMillimetre);
}

int Sum(const std::vector<int>& sizes, int count)
{
    int total = 0;
    for (int i = 0; i < count && i < static_cast<int>(sizes.size()); ++i) {
        total += sizes[static_cast<std::size_t>(i)];
    }
    return total;
}

}  // namespace

PrintMargins ParsePrintMargins(std::string_view line)
{
    double values[4] = {0, 0, 0, 0};
    for (int field = 0; field < 4; ++field) {
        const std::size_t comma = line.find(',');
        values[field] = ReadMillimetres(line.substr(0, comma));
        if (comma == std::string_view::npos) {
            break;
        }
        line.remove_prefix(comma + 1);
    }
    return {values[0], values[1], values[2], values[3]};
}

Rect PrintableRect(const PrintMargins& margins, int dotsPerInchY, int pageWidth, int pageHeight)
{
    // Each margin is truncated to whole pixels before it is taken off, so
    // equal margins are equal on all four sides.
    // Margins wider than the paper leave an empty area, never an inverted one.
    const int left = ToPixels(margins.left, dotsPerInchY);
    const int top = ToPixels(margins.top, dotsPerInchY);
    return {left, top, std::max(left, pageWidth - ToPixels(margins.right, dotsPerInchY)),
            std::max(top, pageHeight - ToPixels(margins.bottom, dotsPerInchY))};
}

int PrintGrid::FixedWidth() const
{
    return Sum(widths, fixedColumns);
}

int PrintGrid::FixedHeight() const
{
    return Sum(heights, fixedRows);
}

std::vector<int> SplitColumns(const PrintGrid& grid, int width)
{
    std::vector<int> groups;
    const int columns = grid.Columns();
    int first = grid.fixedColumns;
    while (first < columns) {
        int x = grid.FixedWidth();
        int candidate = 0;
        int size = columns - first;
        for (int i = 0; first + i < columns; ++i) {
            const int column = first + i;
            x += grid.widths[static_cast<std::size_t>(column)];
            if (column < static_cast<int>(grid.breakable.size()) && grid.breakable[static_cast<std::size_t>(column)]) {
                candidate = i;
            }
            if (candidate > 0 && x > width) {
                size = candidate;
                break;
            }
        }
        size = std::max(size, 1);
        groups.push_back(size);
        first += size;
    }
    if (groups.empty()) {
        groups.push_back(0);
    }
    return groups;
}

std::vector<int> SplitRows(const PrintGrid& grid, int height)
{
    std::vector<int> groups;
    const int rows = grid.Rows();
    int first = grid.fixedRows;
    while (first < rows) {
        int y = grid.FixedHeight();
        int size = 0;
        while (first + size < rows) {
            const int next = grid.heights[static_cast<std::size_t>(first + size)];
            if (size > 0 && y + next > height) {
                break;
            }
            y += next;
            ++size;
        }
        groups.push_back(size);
        first += size;
    }
    if (groups.empty()) {
        groups.push_back(0);
    }
    return groups;
}

std::vector<PageBlock> PageBlocks(const PrintGrid& grid, const std::vector<int>& columnGroups,
                                  const std::vector<int>& rowGroups)
{
    std::vector<PageBlock> blocks;
    int row = grid.fixedRows;
    for (const int rows : rowGroups) {
        int column = grid.fixedColumns;
        for (const int columns : columnGroups) {
            blocks.push_back({column, row, columns, rows});
            column += columns;
        }
        row += rows;
    }
    return blocks;
}

Rect ForEachBlockCell(const PrintGrid& grid, const Rect& area, const PageBlock& block,
                      const std::function<void(int column, int row, const Rect& rect)>& visit)
{
    std::vector<int> columns;
    for (int c = 0; c < grid.fixedColumns; ++c) {
        columns.push_back(c);
    }
    for (int c = block.firstColumn; c < block.firstColumn + block.columns && c < grid.Columns(); ++c) {
        columns.push_back(c);
    }
    std::vector<int> rows;
    for (int r = 0; r < grid.fixedRows; ++r) {
        rows.push_back(r);
    }
    for (int r = block.firstRow; r < block.firstRow + block.rows && r < grid.Rows(); ++r) {
        rows.push_back(r);
    }

    Rect covered{area.left, area.top, area.left, area.top};
    int top = area.top;
    for (const int row : rows) {
        const int height = grid.heights[static_cast<std::size_t>(row)];
        int left = area.left;
        for (const int column : columns) {
            const int width = grid.widths[static_cast<std::size_t>(column)];
            if (visit) {
                visit(column, row, Rect{left, top, left + width, top + height});
            }
            left += width;
        }
        covered.right = std::max(covered.right, left);
        top += height;
    }
    covered.bottom = top;
    if (rows.empty()) {
        for (const int column : columns) {
            covered.right += grid.widths[static_cast<std::size_t>(column)];
        }
    }
    return covered;
}

Rect BlockExtent(const PrintGrid& grid, const Rect& area, const PageBlock& block)
{
    return ForEachBlockCell(grid, area, block, nullptr);
}

bool BlockFits(const Rect& extent, const Rect& area)
{
    const int right = std::max(extent.right, extent.left + 1);
    const int bottom = std::max(extent.bottom, extent.top + 1);
    return right <= area.right && bottom <= area.bottom;
}

int RefitFontHeight(int fontHeight, const Rect& extent, const Rect& area)
{
    const double width = std::max(extent.Width(), 1);
    const double height = std::max(extent.Height(), 1);
    const double f = std::min(area.Height() / height, area.Width() / width);
    const int shrunk = static_cast<int>(std::abs(fontHeight) * f);
    return std::max(shrunk, 1);
}

}  // namespace xtr
