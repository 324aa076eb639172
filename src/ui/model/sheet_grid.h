// SheetGrid: the behaviour of the grid a sheet is shown in, without any
// widget. It is the sheet's view (SheetView): it lays the grid out, keeps
// the cursor and the scroll position, moves over selectable cells only,
// keeps the multi-selection of "Cell" and "Line" sheets, turns keys, clicks
// and menu commands into requests to the cell handler, opens and commits
// the in-place editor and decides which cells a change repaints. The
// desktop grid (cuiGrid) paints the cells with the cell painter and
// forwards its input here; everything it shows, it asks through GridHost.
#pragma once

#include "ui/model/grid_geometry.h"
#include "ui/model/grid_host.h"
#include "ui/model/sheet_view.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace xtr {

class cuiSheet;
struct cmcCellCapsule;
struct cmcEvent;
class cmcCellObj;
class cuiMenu;

// Virtual-key codes of the keys the grid handles itself.
namespace gridkey {
inline constexpr int kReturn = 0x0D;
inline constexpr int kPageUp = 0x21;
inline constexpr int kPageDown = 0x22;
inline constexpr int kEnd = 0x23;
inline constexpr int kHome = 0x24;
inline constexpr int kLeft = 0x25;
inline constexpr int kUp = 0x26;
inline constexpr int kRight = 0x27;
inline constexpr int kDown = 0x28;
inline constexpr int kF1 = 0x70;
inline constexpr int kF12 = 0x7B;
}  // namespace gridkey

enum class MouseButton { Left, Right, Middle };

class SheetGrid : public SheetView {
public:
    explicit SheetGrid(GridHost& host);
    ~SheetGrid() override;
    SheetGrid(const SheetGrid&) = delete;
    SheetGrid& operator=(const SheetGrid&) = delete;

    // SheetView
    void CreateWidgets(cuiSheet& sheet) override;
    TextMeasurer& Measurer() override;
    void LayoutGrid(cuiSheet& sheet) override;
    int CursorColumn() const override { return column_; }
    int CursorRow() const override { return row_; }
    void PutCursor(int column, int row) override;
    void SetTopLeft(int leftColumn, int topRow) override;
    void SetGridEnabled(bool enabled) override;
    void SheetReady(cuiSheet& sheet) override;
    void DestroyWidgets(cuiSheet& sheet) override;

    cuiSheet* Sheet() const { return sheet_; }
    // The identifier under which the grid announces that it goes (kEvReleaseWindow
    // when its sheet goes): windows opened for one of its cells close then.
    std::int32_t WindowId() const { return windowId_; }
    GridGeometry& Geometry() { return geometry_; }
    const GridGeometry& Geometry() const { return geometry_; }
    bool Enabled() const { return enabled_; }
    void SetClientSize(int width, int height);
    // A drop-down list shown without scroll bars wraps around.
    void SetScrollBars(bool on) { scrollBars_ = on; }
    bool ScrollBars() const { return scrollBars_; }

    // Keyboard navigation by dx columns or dy rows.
    void Move(int dx, int dy);
    // Puts the cursor on a cell as a user move does (selection, pop-up
    // menu, status bar); nothing when it is already there.
    void SelectCell(int column, int row);

    // Input from the widget. KeyDown returns whether the key was used;
    // unused keys come back as KeyPress with their character.
    bool KeyDown(int virtualKey, bool ctrl);
    void KeyPress(int character);
    void MousePress(MouseButton button, int x, int y);
    void MouseRelease(MouseButton button, int x, int y);
    void MouseMove(int x, int y);
    void DoubleClick(int x, int y);
    // The grid scrolled while a button was held outside it.
    void TimedScroll(int dx, int dy);
    void FocusGained();
    void FocusLost();

    // The cell under a client point, stepping left from a tail cell to its
    // owner; when it is selectable the cursor goes there unless testOnly.
    bool SelectAtPoint(int x, int y, bool testOnly);
    std::optional<std::pair<int, int>> CellAtPoint(int x, int y) const;

    // One request on a cell: key, pop-up command, or an edited text.
    void Command(int column, int row, std::int32_t key, std::int32_t popupCommand,
                 const std::string* editText = nullptr);
    // An item of the cursor cell's pop-up menu was chosen.
    void PopupCommand(std::int32_t itemCellId);

    // The multi-selection.
    bool MultiSelectionActive() const;
    void ClearMultiSelection();
    void Mark(int column, int row, bool on);
    void LineMark(int column, int row, bool on);
    void UpdateLineMarks();
    void InvalidateHighlighted();
    // Highlighted: the cursor's cell, or a selected or line-marked cell
    // that may take part in the multi-selection.
    bool IsHighlighted(int column, int row) const;

    // The in-place editor.
    void OpenEditor(int column, int row, const std::string& text, int selStart, int selLength);
    // Hides the editor without committing; the focus goes back to the grid
    // when asked.
    void CloseEditor(bool focusGrid);
    // Commits a visible editor's text to its cell (focus loss, kEvCommitEdit).
    void CommitEditor();
    // Keys of the editor; true when the grid used the key.
    bool EditorKeyDown(int virtualKey, bool ctrl);
    void EditorEnter();
    void EditorEscape();

    // Every cell (within the visible range plus one) that one of the
    // criteria holds for against the cell (category, cellId, index) is
    // repainted.
    void RepaintByCriteria(std::uint32_t category, std::int32_t cellId, std::int32_t index, std::uint32_t criteria);
    // Rebuilds the cursor cell's pop-up menu (forced: even with the same
    // name).
    void RebuildPopupMenu(bool forced);
    const std::string& PopupMenuName() const;
    // The builder of the cursor cell's pop-up menu, null while there is none
    // (no focus, no menu name, or a widget without a pop-up menu).
    cuiMenu* PopupMenuBuilder() const { return popup_.get(); }

    void InvalidateCell(int column, int row);

    // What the cell at (column, row) shows: a bound cell's answer, the
    // caption of any other (screen readers and tests read the grid by it).
    // With result, also the answer's error and warning bits as the cell is
    // drawn (a refused entry's cell has the error bit).
    std::string CellText(int column, int row, std::uint8_t* result = nullptr) const;

    // The cell whose typed entry was refused last: it shows the error
    // marker, and the status bar says why, until the next key or selection.
    const std::optional<std::pair<int, int>>& RefusedCell() const { return refused_; }
    // Why, as the status bar says it.
    const std::string& RefusalText() const { return refusalText_; }

private:
    // Clears the status bar (and the mark of a refused entry) before a key
    // or a selection is handled.
    void ClearStatus();
    // A typed entry the cell at (column, row) did not take.
    void ShowRefusal(int column, int row, const char* reason);
    static void Listener(void* context, const cmcEvent& event);
    void OnEvent(const cmcEvent& event);
    static void NotifyChange(void* context, const cmcCellCapsule& request, std::uint32_t scope);
    static void RefreshEditor(void* context, const cmcCellCapsule& request);

    bool IsSelectable(int column, int row) const;
    // One navigation step; false when nothing was found.
    bool Step(int& column, int& row, int dx, int dy) const;
    bool WrapStep(int& column, int& row, int dx, int dy) const;
    bool LineStep(int& column, int& row, int dx, int dy) const;
    // Sets the cursor: with programmatic set, the column moves without
    // selection work and only the final cell counts.
    void SetCursor(int column, int row, bool programmatic);
    // What the grid's selection event does for a new cursor cell.
    void SelectionEvent(int column, int row);
    void UpdateMultiSelection(int fromColumn, int fromRow, int toColumn, int toRow);
    void PostCursorMoved(const cmcCellObj& cell);
    void FillRequest(cmcCellCapsule& request, int column, int row);
    void RebuildFromBlock(const cmcCellCapsule& request);
    void ScrollFullyIfFirst(int column, int row);
    void DropPopupMenu();

    GridHost& host_;
    cuiSheet* sheet_ = nullptr;
    GridGeometry geometry_;
    int column_ = 0;
    int row_ = 0;
    bool enabled_ = true;
    bool scrollBars_ = true;
    bool commitSuspended_ = false;
    bool registered_ = false;
    std::unique_ptr<cuiMenu> popup_;
    std::optional<std::pair<int, int>> refused_;
    std::string refusalText_;
    std::int32_t windowId_;
};

}  // namespace xtr
