// Multi-selection of "Cell" and "Line" sheets: a range from an anchor to
// the cursor, extended by Shift or a held mouse button; in "Line" mode the
// rows holding a selected cell are marked across. A command whose cell
// answers with a row range rebuilds the selection from it.
#include "cells/cell_capsule.h"
#include "cells/lists/ch_commands.h"
#include "ui/model/sheet.h"
#include "ui/model/sheet_grid.h"

#include <algorithm>

namespace xtr {

bool SheetGrid::MultiSelectionActive() const
{
    return sheet_ != nullptr && sheet_->Interaction().Has(sheetstate::kMultiSelectionActive);
}

void SheetGrid::InvalidateCell(int column, int row)
{
    if (sheet_ == nullptr || !sheet_->Contains(column, row)) {
        return;
    }
    const Rect rect = geometry_.CellRect(column, row);
    if (rect.Width() > 0 && rect.Height() > 0) {
        host_.InvalidateRect(rect);
    }
}

void SheetGrid::Mark(int column, int row, bool on)
{
    clsSheetCellId& slot = sheet_->SlotAt(column, row);
    if (slot.cell.IsSelectable() && slot.Selected() != on) {
        slot.SetBit(slotbit::kSelected, on);
        InvalidateCell(column, row);
    }
}

void SheetGrid::LineMark(int column, int row, bool on)
{
    clsSheetCellId& slot = sheet_->SlotAt(column, row);
    if (slot.LineMarked() != on) {
        slot.SetBit(slotbit::kLineMarked, on);
        InvalidateCell(column, row);
    }
}

void SheetGrid::UpdateLineMarks()
{
    if (!MultiSelectionActive() || sheet_->MultiSelect() != MultiSelectMode::Lines) {
        return;
    }
    for (int r = 0; r < sheet_->RowCount(); ++r) {
        bool any = false;
        for (int c = 0; c < sheet_->ColumnCount() && !any; ++c) {
            any = sheet_->SlotAt(c, r).Selected();
        }
        for (int c = sheet_->FixedColumns(); c < sheet_->ColumnCount(); ++c) {
            LineMark(c, r, any);
        }
    }
}

void SheetGrid::ClearMultiSelection()
{
    if (sheet_ == nullptr) {
        return;
    }
    for (int r = 0; r < sheet_->RowCount(); ++r) {
        for (int c = 0; c < sheet_->ColumnCount(); ++c) {
            Mark(c, r, false);
        }
    }
    UpdateLineMarks();
    sheet_->Interaction().Set(sheetstate::kMultiSelectionActive, false);
}

void SheetGrid::UpdateMultiSelection(int fromColumn, int fromRow, int toColumn, int toRow)
{
    SheetInteraction& state = sheet_->Interaction();
    const bool extending = host_.ShiftDown() || state.Has(sheetstate::kMouseButtonHeld);
    const bool moved = fromColumn != toColumn || fromRow != toRow;
    const bool qualifies = ((sheet_->MultiSelect() != MultiSelectMode::None && moved) || MultiSelectionActive()) &&
                           sheet_->SlotAt(fromColumn, fromRow).MayMultiSelect() &&
                           sheet_->SlotAt(toColumn, toRow).MayMultiSelect();
    if (!qualifies || !extending || state.rangeAnchorColumn < 0) {
        state.rangeAnchorColumn = toColumn;
        state.rangeAnchorRow = toRow;
    }
    if (extending && qualifies) {
        const int ac = state.rangeAnchorColumn;
        const int ar = state.rangeAnchorRow;
        const int left = std::min({ac, fromColumn, toColumn});
        const int right = std::max({ac, fromColumn, toColumn});
        const int top = std::min({ar, fromRow, toRow});
        const int bottom = std::max({ar, fromRow, toRow});
        for (int r = top; r <= bottom; ++r) {
            for (int c = left; c <= right; ++c) {
                const bool inside = c >= std::min(ac, toColumn) && c <= std::max(ac, toColumn) &&
                                    r >= std::min(ar, toRow) && r <= std::max(ar, toRow);
                Mark(c, r, inside);
            }
        }
        state.Set(sheetstate::kMultiSelectionActive, true);
    } else if (MultiSelectionActive()) {
        ClearMultiSelection();
    } else {
        Mark(fromColumn, fromRow, false);
        LineMark(fromColumn, fromRow, false);
    }
    Mark(toColumn, toRow, true);
    UpdateLineMarks();
}

void SheetGrid::RebuildFromBlock(const cmcCellCapsule& request)
{
    ClearMultiSelection();
    const RowSelection range = RowSelectionOf(request);
    const cmcCellObj& a = sheet_->CellAt(column_, row_);
    const std::int32_t first = std::min(range.first, range.last);
    const std::int32_t last = std::max(range.first, range.last);
    for (int r = 0; r < sheet_->RowCount(); ++r) {
        for (int c = 0; c < sheet_->ColumnCount(); ++c) {
            const cmcCellObj& cell = sheet_->CellAt(c, r);
            if (cell.cellId == a.cellId && cell.index >= first && cell.index <= last) {
                Mark(c, r, true);
            }
        }
    }
    // The anchor goes to the far end of the range from the cursor.
    const std::int32_t other = a.index == first ? last : first;
    SheetInteraction& state = sheet_->Interaction();
    for (int r = 0; r < sheet_->RowCount(); ++r) {
        if (sheet_->CellAt(column_, r).cellId == a.cellId && sheet_->CellAt(column_, r).index == other) {
            state.rangeAnchorColumn = column_;
            state.rangeAnchorRow = r;
            break;
        }
    }
    state.Set(sheetstate::kMultiSelectionActive, true);
    UpdateLineMarks();
}

bool SheetGrid::IsHighlighted(int column, int row) const
{
    if (column == column_ && row == row_) {
        return true;
    }
    const clsSheetCellId& slot = sheet_->SlotAt(column, row);
    return slot.MayMultiSelect() && (slot.Selected() || slot.LineMarked());
}

void SheetGrid::InvalidateHighlighted()
{
    if (sheet_ == nullptr || !sheet_->HasSlots()) {
        return;
    }
    for (int r = 0; r < sheet_->RowCount(); ++r) {
        for (int c = 0; c < sheet_->ColumnCount(); ++c) {
            if (IsHighlighted(c, r)) {
                InvalidateCell(c, r);
            }
        }
    }
}

}  // namespace xtr
