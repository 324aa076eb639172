// Keyboard navigation: the cursor stops on selectable cells only. A step
// looks straight on first; when nothing selectable lies that way it takes
// the next column (row) that has a selectable cell, on the row (column)
// closest to where the keyboard last left the cursor. Drop-down lists small
// enough to show whole wrap around.
#include "ui/model/sheet_grid.h"
#include "ui/model/sheet.h"

#include <cstdlib>

namespace xtr {

bool SheetGrid::WrapStep(int& column, int& row, int dx, int dy) const
{
    const int columns = sheet_->ColumnCount();
    const int rows = sheet_->RowCount();
    int c = column;
    int r = row;
    for (;;) {
        c = (c + dx + columns) % columns;
        r = (r + dy + rows) % rows;
        if (c == column && r == row) {
            return false;
        }
        if (IsSelectable(c, r)) {
            column = c;
            row = r;
            return true;
        }
    }
}

bool SheetGrid::LineStep(int& column, int& row, int dx, int dy) const
{
    const SheetInteraction& state = sheet_->Interaction();
    if (dx != 0) {
        for (int c = column + dx; c >= 0 && c < sheet_->ColumnCount(); c += dx) {
            int best = -1;
            for (int r = 0; r < sheet_->RowCount(); ++r) {
                // Ties go to the smaller row: only a strictly closer row wins.
                if (IsSelectable(c, r) &&
                    (best < 0 || std::abs(r - state.keyboardAnchorRow) < std::abs(best - state.keyboardAnchorRow))) {
                    best = r;
                }
            }
            if (best >= 0) {
                column = c;
                row = best;
                return true;
            }
        }
        return false;
    }
    for (int r = row + dy; r >= 0 && r < sheet_->RowCount(); r += dy) {
        int best = -1;
        for (int c = 0; c < sheet_->ColumnCount(); ++c) {
            if (IsSelectable(c, r) &&
                (best < 0 || std::abs(c - state.keyboardAnchorColumn) < std::abs(best - state.keyboardAnchorColumn))) {
                best = c;
            }
        }
        if (best >= 0) {
            column = best;
            row = r;
            return true;
        }
    }
    return false;
}

bool SheetGrid::Step(int& column, int& row, int dx, int dy) const
{
    for (int c = column + dx, r = row + dy; sheet_->Contains(c, r); c += dx, r += dy) {
        if (IsSelectable(c, r)) {
            column = c;
            row = r;
            return true;
        }
    }
    return !sheet_->ListMode() && LineStep(column, row, dx, dy);
}

void SheetGrid::Move(int dx, int dy)
{
    if (sheet_ == nullptr || !sheet_->HasSlots()) {
        return;
    }
    if (dx != 0) {
        dy = 0;
    }
    const int sx = dx > 0 ? 1 : (dx < 0 ? -1 : 0);
    const int sy = dy > 0 ? 1 : (dy < 0 ? -1 : 0);
    const int steps = std::abs(dx != 0 ? dx : dy);
    const bool wrap = sheet_->ListMode() && steps == 1 && !scrollBars_;
    SheetInteraction& state = sheet_->Interaction();
    int column = column_;
    int row = row_;
    for (int i = 0; i < steps; ++i) {
        if (wrap) {
            WrapStep(column, row, sx, sy);
        } else {
            Step(column, row, sx, sy);
        }
        state.keyboardAnchorColumn = column;
        state.keyboardAnchorRow = row;
    }
    SetCursor(column, row, true);
    ScrollFullyIfFirst(column, row);
}

void SheetGrid::ScrollFullyIfFirst(int column, int row)
{
    // Reaching the first selectable column or row shows the labels before
    // it again.
    int left = geometry_.LeftColumn();
    int top = geometry_.TopRow();
    if (column <= sheet_->FirstSelectableColumn()) {
        left = geometry_.FixedColumns();
    }
    if (row <= sheet_->FirstSelectableRow()) {
        top = geometry_.FixedRows();
    }
    if (left != geometry_.LeftColumn() || top != geometry_.TopRow()) {
        geometry_.SetTopLeft(left, top);
        host_.ScrollChanged();
        host_.InvalidateAll();
    }
}

}  // namespace xtr
