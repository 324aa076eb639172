// The grid's life with its sheet (laying out, the cursor, the status bar and
// cursor events), input from the widget, focus, the cell pop-up menu and the
// events the grid handles.
#include "ui/model/sheet_grid.h"

#include "app/events.h"
#include "app/globals.h"
#include "cells/cell_capsule.h"
#include "overlay/gtex.h"
#include "ui/model/menu_builder.h"
#include "ui/model/popup_query.h"
#include "ui/model/sheet.h"

#include <cstring>

namespace xtr {
namespace {

}  // namespace

// A refused entry's text stands out in any palette: white on dark red.
constexpr Color kRefusalText = kClWhite;
constexpr Color kRefusalBack = 0x0000B0;

void SheetGrid::ClearStatus()
{
    if (refused_) {
        const auto [column, row] = *refused_;
        refused_.reset();
        refusalText_.clear();
        InvalidateCell(column, row);
    }
    if (HasEvMan()) {
        EvMan().PostText(kEvStatusText, kClWindowText, static_cast<std::int32_t>(kClBtnFace), "");
    }
}

void SheetGrid::ShowRefusal(int column, int row, const char* reason)
{
    refused_ = std::make_pair(column, row);
    InvalidateCell(column, row);
    std::string text;
    if (HasGTex() && (reason == nullptr || !GTex().TryText(reason, 0, text))) {
        GTex().TryText(cellrefusal::kNotTaken, 0, text);
    }
    refusalText_ = text;
    // Posted, not sent: a clearing of the status bar posted earlier by the
    // same key goes first.
    if (HasEvMan()) {
        EvMan().PostText(kEvStatusText, kRefusalText, static_cast<std::int32_t>(kRefusalBack), text);
    }
}

namespace {

void Post(std::uint8_t type, std::uintptr_t object, std::int32_t value)
{
    if (HasEvMan()) {
        EvMan().Post(type, object, value);
    }
}

// The item cell id under which the grid's pop-up menu is announced.
constexpr std::int32_t kPopupMenuItem = 13;

}  // namespace

SheetGrid::SheetGrid(GridHost& host) : host_(host)
{
    static std::int32_t lastWindowId = 0;
    windowId_ = ++lastWindowId;
}

SheetGrid::~SheetGrid()
{
    if (registered_ && HasEvMan()) {
        EvMan().Unregister(&SheetGrid::Listener, this);
    }
}

void SheetGrid::CreateWidgets(cuiSheet& sheet)
{
    sheet_ = &sheet;
    host_.CreateWidgets(sheet);
}

TextMeasurer& SheetGrid::Measurer() { return host_.Measurer(); }

void SheetGrid::LayoutGrid(cuiSheet& sheet)
{
    sheet_ = &sheet;
    refused_.reset();
    geometry_.Assign(sheet);
    column_ = 0;
    row_ = 0;
    // Shown before the cursor moves, so that the grid has its real size
    // when the cursor's cell is scrolled into view; nothing is painted
    // before the sheet is ready.
    host_.ShowWidgets(sheet);
    // From the corner to the nearest selectable cell.
    Move(0, 1);
    Move(0, -1);
    Move(1, 0);
    Move(-1, 0);
    if (!registered_ && HasEvMan()) {
        EvMan().Register(&SheetGrid::Listener, this);
        registered_ = true;
    }
}

void SheetGrid::PutCursor(int column, int row) { SetCursor(column, row, true); }

void SheetGrid::SetTopLeft(int leftColumn, int topRow)
{
    geometry_.SetTopLeft(leftColumn, topRow);
    host_.ScrollChanged();
    host_.InvalidateAll();
}

void SheetGrid::SetGridEnabled(bool enabled)
{
    enabled_ = enabled;
    host_.SetEnabled(enabled);
}

void SheetGrid::SheetReady(cuiSheet&)
{
    host_.InvalidateAll();
    RebuildPopupMenu(false);
}

void SheetGrid::DestroyWidgets(cuiSheet& sheet)
{
    DropPopupMenu();
    refused_.reset();
    // Editors still open for one of its cells are cancelled now, not left
    // to store into a page that is gone.
    if (HasEvMan()) {
        EvMan().Send(kEvReleaseWindow, EvObject(this), windowId_);
    }
    if (registered_ && HasEvMan()) {
        EvMan().Unregister(&SheetGrid::Listener, this);
        registered_ = false;
    }
    host_.DestroyWidgets(sheet);
    sheet_ = nullptr;
}

void SheetGrid::SetClientSize(int width, int height)
{
    geometry_.SetClientSize(width, height);
    // A larger window may leave the scroll position past what is needed.
    geometry_.SetTopLeft(std::min(geometry_.LeftColumn(), geometry_.MaxLeftColumn()),
                         std::min(geometry_.TopRow(), geometry_.MaxTopRow()));
}

bool SheetGrid::IsSelectable(int column, int row) const
{
    return sheet_ != nullptr && sheet_->Contains(column, row) && sheet_->CellAt(column, row).IsSelectable();
}

void SheetGrid::SelectCell(int column, int row) { SetCursor(column, row, false); }

void SheetGrid::SetCursor(int column, int row, bool)
{
    // Setting the column and the row one after the other would run the
    // selection work for an intermediate cell; the grid moves in one go and
    // does that work once, for the final cell.
    if (sheet_ == nullptr || !sheet_->Contains(column, row) || (column == column_ && row == row_)) {
        return;
    }
    const clsSheetCellId& slot = sheet_->SlotAt(column, row);
    if (!slot.cell.IsSelectable() || (MultiSelectionActive() && !slot.MayMultiSelect())) {
        ClearStatus();
        CloseEditor(true);
        return;
    }
    SelectionEvent(column, row);
}

void SheetGrid::SelectionEvent(int column, int row)
{
    ClearStatus();
    const int fromColumn = column_;
    const int fromRow = row_;
    const bool otherCell = !sheet_->Contains(fromColumn, fromRow) || &sheet_->CellAt(fromColumn, fromRow) !=
                                                                          &sheet_->CellAt(column, row);
    InvalidateCell(fromColumn, fromRow);
    column_ = column;
    row_ = row;
    geometry_.ScrollToShow(column, row);
    host_.ScrollChanged();
    InvalidateCell(column, row);
    if (otherCell) {
        PostCursorMoved(sheet_->CellAt(column, row));
    }
    RebuildPopupMenu(false);
    UpdateMultiSelection(fromColumn, fromRow, column, row);
    host_.CursorChanged();
    CloseEditor(true);
}

void SheetGrid::PostCursorMoved(const cmcCellObj& cell)
{
    if (!HasEvMan()) {
        return;
    }
    std::uint8_t data[12];
    const std::uint32_t category = cell.category;
    const std::int32_t id = cell.cellId;
    const std::int32_t index = cell.index;
    std::memcpy(data, &category, 4);
    std::memcpy(data + 4, &id, 4);
    std::memcpy(data + 8, &index, 4);
    EvMan().PostData(kEvCursorCellMoved, data, sizeof data);
}

bool SheetGrid::KeyDown(int virtualKey, bool ctrl)
{
    if (sheet_ == nullptr) {
        return false;
    }
    CloseEditor(true);
    ClearStatus();
    const int column = column_;
    const int row = row_;
    switch (virtualKey) {
    case gridkey::kPageUp: Move(0, -10); return true;
    case gridkey::kPageDown: Move(0, 10); return true;
    case gridkey::kHome:
    case gridkey::kEnd: return true;
    case gridkey::kLeft:
        Move(-1, 0);
        if (column == column_ && row == row_) {
            Command(column, row, cellkey::kLeft, 0);
        }
        return true;
    case gridkey::kRight:
        Move(1, 0);
        if (column == column_ && row == row_) {
            Command(column, row, cellkey::kRight, 0);
        }
        return true;
    case gridkey::kUp:
    case gridkey::kDown:
        if (!ctrl) {
            Move(0, virtualKey == gridkey::kUp ? -1 : 1);
        }
        return true;
    default: break;
    }
    if (virtualKey >= gridkey::kF1 && virtualKey <= gridkey::kF12) {
        Command(column_, row_, virtualKey << 8, 0);
        return true;
    }
    return false;
}

void SheetGrid::KeyPress(int character)
{
    if (sheet_ != nullptr && enabled_) {
        Command(column_, row_, character, 0);
    }
}

std::optional<std::pair<int, int>> SheetGrid::CellAtPoint(int x, int y) const
{
    int column = geometry_.ColumnAt(x);
    const int row = geometry_.RowAt(y);
    if (sheet_ == nullptr || column < 0 || row < 0) {
        return std::nullopt;
    }
    while (column > 0 && (sheet_->CellAt(column, row).state & state::kT) != 0) {
        --column;
    }
    return std::make_pair(column, row);
}

bool SheetGrid::SelectAtPoint(int x, int y, bool testOnly)
{
    const auto at = CellAtPoint(x, y);
    if (!at || !IsSelectable(at->first, at->second)) {
        return false;
    }
    if (!testOnly) {
        SetCursor(at->first, at->second, true);
    }
    return true;
}

void SheetGrid::MousePress(MouseButton button, int x, int y)
{
    if (sheet_ == nullptr) {
        return;
    }
    if (button == MouseButton::Right) {
        const bool active = MultiSelectionActive();
        if (active || SelectAtPoint(x, y, false)) {
            host_.OpenPopupMenu(x, y);
        }
        return;
    }
    sheet_->Interaction().Set(sheetstate::kMouseButtonHeld, true);
    SelectAtPoint(x, y, false);
}

void SheetGrid::MouseRelease(MouseButton button, int, int)
{
    if (sheet_ == nullptr) {
        return;
    }
    sheet_->Interaction().Set(sheetstate::kMouseButtonHeld, false);
    if (button == MouseButton::Left && sheet_->ListMode()) {
        Command(column_, row_, cellkey::kActivate, 0);
    }
}

void SheetGrid::MouseMove(int x, int y)
{
    if (sheet_ == nullptr || host_.EditorVisible()) {
        return;
    }
    SheetInteraction& state = sheet_->Interaction();
    if (sheet_->ListMode()) {
        const int column = geometry_.ColumnAt(x);
        const int row = geometry_.RowAt(y);
        if (column != state.hoverColumn || row != state.hoverRow) {
            state.hoverColumn = column;
            state.hoverRow = row;
            SelectAtPoint(x, y, false);
        }
    } else if (state.Has(sheetstate::kMouseButtonHeld)) {
        // Dragging over the cells extends the selection.
        SelectAtPoint(x, y, false);
    }
}

void SheetGrid::DoubleClick(int x, int y)
{
    const auto at = CellAtPoint(x, y);
    if (at && at->first == column_ && at->second == row_) {
        Command(column_, row_, cellkey::kActivate, 0);
    }
}

void SheetGrid::TimedScroll(int dx, int dy)
{
    if (dx != 0) {
        Move(dx > 0 ? 1 : -1, 0);
    } else if (dy != 0) {
        Move(0, dy > 0 ? 1 : -1);
    }
}

void SheetGrid::FocusGained()
{
    RebuildPopupMenu(true);
    InvalidateHighlighted();
}

void SheetGrid::FocusLost()
{
    DropPopupMenu();
    host_.PopupMenuChanged(std::string());
    Post(kEvClearSubMenu, 0, kPopupMenuItem);
    Post(kEvRefreshMenus, 0, 0);
    InvalidateHighlighted();
}

const std::string& SheetGrid::PopupMenuName() const
{
    static const std::string kNone;
    return sheet_ != nullptr ? sheet_->Interaction().lastPopupMenu : kNone;
}

void SheetGrid::RebuildPopupMenu(bool forced)
{
    if (sheet_ == nullptr || sheet_->Printing() || !host_.HasFocus() || !sheet_->Contains(column_, row_)) {
        return;
    }
    std::string name;
    for (const cmcCellObj* cell = &sheet_->CellAt(column_, row_); cell != nullptr; cell = cell->templateCell) {
        if (cell->popupMenu && !cell->popupMenu->empty()) {
            name = *cell->popupMenu;
            break;
        }
    }
    std::string& last = sheet_->Interaction().lastPopupMenu;
    if (name == last && !forced) {
        Post(kEvRefreshMenus, 0, 0);
        return;
    }
    DropPopupMenu();
    host_.PopupMenuChanged(std::string());
    Post(kEvClearSubMenu, 0, kPopupMenuItem);
    if (!name.empty()) {
        host_.PopupMenuChanged(name);
        if (MenuView* view = host_.PopupMenuView()) {
            // Every item acts on the cell under the cursor at the time it
            // is chosen.
            popup_ = std::make_unique<cuiMenu>(this, *view, sheet_->Texts(), name,
                                               [grid = this](const cmcCellObj& item) {
                                                   // The command may rebuild the menu, and with it this
                                                   // handler: nothing of it is used after the call.
                                                   SheetGrid* const self = grid;
                                                   self->PopupCommand(item.cellId);
                                               });
            popup_->Build();
            if (HasEvMan()) {
                EvMan().PostText(kEvFillSubMenu, EvObject(popup_.get()), kPopupMenuItem, name);
            }
        }
    }
    last = name;
    Post(kEvRefreshMenus, 0, 0);
}

void SheetGrid::PopupCommand(std::int32_t itemCellId) { Command(column_, row_, 0, itemCellId); }

void SheetGrid::DropPopupMenu()
{
    // The builder takes its mirrored items out of every other menu as it
    // goes.
    popup_.reset();
}

void SheetGrid::Listener(void* context, const cmcEvent& event) { static_cast<SheetGrid*>(context)->OnEvent(event); }

void SheetGrid::OnEvent(const cmcEvent& event)
{
    if (sheet_ == nullptr) {
        return;
    }
    const auto n = event.value;
    switch (event.type) {
    case kEvRepaintAll: RepaintByCriteria(0, kCellNone, 0, cellscope::kEveryCell); break;
    case kEvRepaintCategory: RepaintByCriteria(static_cast<std::uint32_t>(n), kCellNone, 0, cellscope::kSameCategory); break;
    case kEvRepaintCellId: RepaintByCriteria(0, n, 0, cellscope::kSameId); break;
    case kEvRepaintIndex: RepaintByCriteria(0, kCellNone, n, cellscope::kSameRow); break;
    case kEvRepaintIndexUpTo: RepaintByCriteria(0, kCellNone, n, cellscope::kRowsUpTo); break;
    case kEvRepaintIndexFrom: RepaintByCriteria(0, kCellNone, n, cellscope::kRowsFrom); break;
    case kEvQueryCursorCell:
        if (popup_ != nullptr && event.object == popup_->QueryId() && sheet_->Contains(column_, row_) && HasEvMan()) {
            AnswerCursorCell(EvMan(), sheet_->CellAt(column_, row_));
        }
        break;
    case kEvCommitEdit:
        CommitEditor();
        if (sheet_ != nullptr && sheet_->ListMode()) {
            host_.CloseList();
        }
        break;
    default: break;
    }
}

}  // namespace xtr
