// Requests from the grid to its cells: keys, menu commands and edited texts
// become requests, the cell's answers move the cursor, repeat the request,
// open the in-place editor or keep a row selection; changes repaint the
// cells they touch.
#include "app/events.h"
#include "app/globals.h"
#include "cells/cell_capsule.h"
#include "cells/lists/ch_commands.h"
#include "ui/model/segment_cells.h"
#include "ui/model/sheet.h"
#include "ui/model/sheet_grid.h"
#include "ui/model/text_measurer.h"

#include <algorithm>
#include <cstdlib>

namespace xtr {
namespace {

// Repeated rounds of one command wait 30 ms, then 6 ms less each time,
// and not at all from the sixth round on.
constexpr int kFirstRepeatDelay = 30;
constexpr int kRepeatDelayStep = 6;
// A cell that asks for a repeat without end would hang the program; no
// list of the radio is this long.
constexpr int kMaxCommandRounds = 100000;

}  // namespace

void SheetGrid::FillRequest(cmcCellCapsule& request, int column, int row)
{
    // The caller block survives Reset: what a round's handler left in it
    // (a row selection to show) is still there after the last round.
    request.Reset();
    request.callerBlock[0] &= static_cast<std::uint8_t>(~rowsel::kActive);
    request.control = this;
    request.grid = this;
    request.cell = &sheet_->CellAt(column, row);
    request.owner = sheet_->ContextRequest();
    request.changeNotify = &SheetGrid::NotifyChange;
    request.changeContext = this;
    request.editorRefresh = &SheetGrid::RefreshEditor;
    request.editorContext = this;
    if (column == column_ && row == row_) {
        request.result |= cellresult::kCallerBit0;
    }
    if (sheet_->Printing()) {
        request.result |= cellresult::kCallerBit1;
    }
    if (MultiSelectionActive()) {
        const SheetInteraction& state = sheet_->Interaction();
        const int first = std::min(sheet_->FixedColumns(), sheet_->ColumnCount() - 1);
        const std::int32_t anchor = sheet_->Contains(first, state.rangeAnchorRow)
                                        ? sheet_->CellAt(first, state.rangeAnchorRow).index
                                        : sheet_->CellAt(first, row_).index;
        PutRowSelection(request, anchor, sheet_->CellAt(first, row_).index);
    }
}

void SheetGrid::Command(int column, int row, std::int32_t key, std::int32_t popupCommand, const std::string* editText)
{
    if (sheet_ == nullptr || !sheet_->Contains(column, row)) {
        return;
    }
    cmcCellCapsule request;
    Rect rect;
    int delay = kFirstRepeatDelay;
    for (int round = 0; round < kMaxCommandRounds; ++round) {
        FillRequest(request, column, row);
        rect = geometry_.CellRect(column, row);
        request.rectangle = &rect;
        request.key = key;
        request.popupCommand = popupCommand;
        if (round == 0 && editText != nullptr) {
            request.commitMode = cellcommit::kStore;
            request.key = 0;
            request.editText = *editText;
        }
        if (sheet_->ListMode()) {
            // A list only chooses: the opening cell takes the item.
            if (key == cellkey::kEnter || key == cellkey::kActivate) {
                if (const cmcCellCapsule* context = sheet_->ContextRequest()) {
                    cmcCellCapsule choice = *context;
                    choice.owner = &request;
                    choice.commitMode = cellcommit::kPreview;
                    choice.key = 0;
                    sheet_->Dispatch(choice, true);
                }
                host_.CloseList();
            }
            break;
        }
        const int editor = sheet_->Dispatch(request, true);
        if (round == 0 && editText != nullptr && request.Refused()) {
            ShowRefusal(column, row, request.refusal);
        }
        if (request.redirect) {
            if (const auto at = sheet_->FindSelectableCell(request.redirectCellId, request.redirectIndex,
                                                           request.redirectCategory)) {
                SetCursor(at->column, at->row, true);
                column = at->column;
                row = at->row;
            }
        }
        if (editor == celleditor::kDropDown) {
            ClearMultiSelection();
        } else if (editor == celleditor::kInPlace) {
            OpenEditor(column, row, request.displayText, request.selStart, request.selLength);
        }
        if (request.redirectKey == 0) {
            break;
        }
        key = request.redirectKey;
        popupCommand = 0;
        if (delay > 0) {
            host_.RepaintNow();
            host_.Pause(delay);
            delay -= kRepeatDelayStep;
        }
    }
    if (sheet_ != nullptr && !sheet_->ListMode()) {
        if (sheet_->MultiSelect() != MultiSelectMode::None && (request.callerBlock[0] & rowsel::kSelect) != 0) {
            RebuildFromBlock(request);
        } else {
            ClearMultiSelection();
            UpdateMultiSelection(column_, row_, column_, row_);
        }
    }
    if (HasEvMan()) {
        EvMan().Post(kEvRefreshMenus, 0, 0);
    }
}

void SheetGrid::OpenEditor(int column, int row, const std::string& text, int selStart, int selLength)
{
    ClearMultiSelection();
    SetCursor(column, row, true);
    Rect rect = geometry_.CellRect(column, row);
    if (rect.Width() < 1 || rect.bottom - rect.top - 1 <= 0) {
        return;
    }
    const cmcCellObj& cell = sheet_->CellAt(column, row);
    const FontDesc& font = cell.EffectiveFont() != nullptr ? *cell.EffectiveFont() : sheet_->BasicFont();
    const int textHeight = host_.Measurer().LineHeight("A", font);
    if (textHeight < rect.Height()) {
        switch (cell.Placement()) {
        case 0: rect.bottom = rect.top + textHeight; break;
        case 1:
            rect.top += (rect.Height() - textHeight) / 2;
            rect.bottom = rect.top + textHeight;
            break;
        default:
            rect.bottom -= 1;
            rect.top = rect.bottom - textHeight;
            break;
        }
    }
    SheetInteraction& state = sheet_->Interaction();
    state.editorColumn = column;
    state.editorRow = row;
    host_.ShowEditor(rect, font, text, selStart, selLength);
}

void SheetGrid::CloseEditor(bool focusGrid)
{
    if (!host_.EditorVisible()) {
        return;
    }
    // Giving the focus back to the grid takes it from the editor, which
    // commits what was typed.
    if (focusGrid && !commitSuspended_) {
        CommitEditor();
        return;
    }
    host_.HideEditor();
    if (focusGrid) {
        host_.FocusGrid();
    }
}

void SheetGrid::CommitEditor()
{
    if (sheet_ == nullptr || !host_.EditorVisible() || commitSuspended_) {
        return;
    }
    const std::string text = host_.EditorText();
    const SheetInteraction& state = sheet_->Interaction();
    const int column = state.editorColumn;
    const int row = state.editorRow;
    // Hidden first: a cell that refuses the text may open the editor again.
    commitSuspended_ = true;
    host_.HideEditor();
    host_.FocusGrid();
    commitSuspended_ = false;
    Command(column, row, cellkey::kEnter, 0, &text);
}

bool SheetGrid::EditorKeyDown(int virtualKey, bool)
{
    ClearStatus();
    switch (virtualKey) {
    case gridkey::kReturn: CloseEditor(true); return true;
    // An entry the cell refuses keeps the cursor on the cell, so that the
    // error shows where it was typed.
    case gridkey::kUp:
    case gridkey::kDown: {
        CloseEditor(true);
        if (!refused_) {
            Move(0, virtualKey == gridkey::kUp ? -1 : 1);
        }
        return true;
    }
    case gridkey::kPageUp:
    case gridkey::kPageDown:
        CloseEditor(true);
        if (!refused_) {
            KeyDown(virtualKey, false);
        }
        return true;
    default: return false;
    }
}

void SheetGrid::EditorEnter() { CloseEditor(true); }

void SheetGrid::EditorEscape()
{
    ClearStatus();
    commitSuspended_ = true;
    CloseEditor(true);
    commitSuspended_ = false;
}

void SheetGrid::NotifyChange(void* context, const cmcCellCapsule& request, std::uint32_t scope)
{
    auto* grid = static_cast<SheetGrid*>(context);
    if (request.cell != nullptr) {
        grid->RepaintByCriteria(request.cell->category, request.cell->cellId, request.cell->index, scope);
    }
}

void SheetGrid::RefreshEditor(void* context, const cmcCellCapsule& request)
{
    auto* grid = static_cast<SheetGrid*>(context);
    if (grid->sheet_ == nullptr || grid->commitSuspended_ || !grid->sheet_->Contains(grid->column_, grid->row_) ||
        request.cell != &grid->sheet_->CellAt(grid->column_, grid->row_)) {
        return;
    }
    grid->OpenEditor(grid->column_, grid->row_, request.displayText, request.selStart, request.selLength);
}

std::string SheetGrid::CellText(int column, int row, std::uint8_t* result) const
{
    if (result != nullptr) {
        *result = 0;
    }
    if (sheet_ == nullptr || !sheet_->Contains(column, row)) {
        return {};
    }
    cmcCellObj& cell = sheet_->CellAt(column, row);
    if (cell.cellId == kCellNone) {
        return cell.Caption();
    }
    cmcCellCapsule request;
    request.owner = sheet_->ContextRequest();
    request.cell = &cell;
    sheet_->Dispatch(request, false);
    if (result != nullptr) {
        *result = request.result & (cellresult::kError | cellresult::kWarning);
        if (refused_ && refused_->first == column && refused_->second == row) {
            *result |= cellresult::kError;
        }
    }
    const SegmentCellKind segment = SegmentCellKindOf(cell.cellId);
    if (segment != SegmentCellKind::None) {
        SegmentSource* source = TheSegmentSource();
        return SegmentCellSpokenText(segment, request.displayText,
                                     source != nullptr ? source->UserMasks() : SegUserMasks{});
    }
    return request.displayText;
}

void SheetGrid::RepaintByCriteria(std::uint32_t category, std::int32_t cellId, std::int32_t index,
                                  std::uint32_t criteria)
{
    if (sheet_ == nullptr || !sheet_->HasSlots()) {
        return;
    }
    const bool listed = category != kCategoryNone;
    const int lastRow = std::min(geometry_.LastVisibleRow() + 1, sheet_->RowCount() - 1);
    const int lastColumn = std::min(geometry_.LastVisibleColumn() + 1, sheet_->ColumnCount() - 1);
    for (int r = 0; r <= lastRow; ++r) {
        for (int c = 0; c <= lastColumn; ++c) {
            const cmcCellObj& cell = sheet_->CellAt(c, r);
            const bool bound = cell.cellId != kCellNone;
            const bool hit = ((criteria & cellscope::kThisCell) && cell.cellId == cellId && cell.index == index) ||
                             ((criteria & cellscope::kSameCategory) && cell.category == category) ||
                             ((criteria & cellscope::kSameId) && cell.cellId == cellId) ||
                             ((criteria & cellscope::kSameRow) && cell.index == index && listed && bound) ||
                             ((criteria & cellscope::kNeighbourRows) && std::abs(cell.index - index) <= 1 &&
                              cell.category == category && bound) ||
                             ((criteria & cellscope::kEveryCell) && bound) ||
                             ((criteria & cellscope::kRowsFrom) && cell.index >= index && listed && bound) ||
                             ((criteria & cellscope::kRowsUpTo) && cell.index <= index && listed && bound);
            if (hit) {
                InvalidateCell(c, r);
            }
        }
    }
}

}  // namespace xtr
