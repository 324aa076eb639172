// The page split's view of a built sheet.
#include "cells/cell_obj.h"
#include "ui/model/print_layout.h"
#include "ui/model/sheet.h"

#include <algorithm>

namespace xtr {

PrintGrid PrintGridOf(const cuiSheet& sheet)
{
    PrintGrid grid;
    const int columns = sheet.ColumnCount();
    const int rows = sheet.RowCount();
    grid.fixedColumns = std::min(sheet.FixedColumns(), columns);
    grid.fixedRows = std::min(sheet.FixedRows(), rows);
    for (int c = 0; c < columns; ++c) {
        grid.widths.push_back(sheet.ColumnWidth(c));
        bool breakable = true;
        for (int r = 0; r < grid.fixedRows; ++r) {
            if (sheet.Contains(c, r) && (sheet.CellAt(c, r).look & look::kPlus) != 0) {
                breakable = false;
            }
        }
        grid.breakable.push_back(breakable);
    }
    for (int r = 0; r < rows; ++r) {
        grid.heights.push_back(sheet.RowHeight(r));
    }
    return grid;
}

}  // namespace xtr
