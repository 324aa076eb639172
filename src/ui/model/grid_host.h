// What the grid's behaviour asks of the widget that shows it: repainting,
// the keyboard focus and modifier keys, the in-place editor box, the cell
// pop-up menu, pauses between repeated commands and the window of a
// drop-down list. The desktop grid implements it with Qt; the tests record
// the calls.
#pragma once

#include "app/canvas.h"
#include "cells/font_desc.h"

#include <string>

namespace xtr {

class cuiSheet;
class TextMeasurer;
class MenuView;

class GridHost {
public:
    virtual ~GridHost() = default;

    // Widgets of the sheet: title bar, body panel and grid, created hidden
    // before the cells are built, shown once the grid is laid out, and
    // destroyed with the sheet.
    virtual void CreateWidgets(cuiSheet& sheet) = 0;
    virtual void ShowWidgets(cuiSheet& sheet) = 0;
    virtual void DestroyWidgets(cuiSheet& sheet) = 0;
    // Measures captions and editor heights with the screen's fonts.
    virtual TextMeasurer& Measurer() = 0;

    // Repaint requests, in client coordinates of the grid.
    virtual void InvalidateRect(const Rect& rect) = 0;
    virtual void InvalidateAll() = 0;
    // Paints what is invalid now (before the pause of a repeated command).
    virtual void RepaintNow() = 0;
    // Waits between two rounds of a repeated command.
    virtual void Pause(int milliseconds) = 0;
    // The scroll position or the cursor changed (scroll bars, accessibility).
    virtual void ScrollChanged() = 0;
    virtual void CursorChanged() = 0;
    virtual void SetEnabled(bool enabled) = 0;

    virtual bool HasFocus() const = 0;
    virtual void FocusGrid() = 0;
    // Shift held: a move extends the multi-selection.
    virtual bool ShiftDown() const = 0;

    // The in-place editor: a box at rect (grid client coordinates) showing
    // text with a selection, focused. Hiding it never commits.
    virtual void ShowEditor(const Rect& rect, const FontDesc& font, const std::string& text, int selStart,
                            int selLength) = 0;
    virtual void HideEditor() = 0;
    virtual bool EditorVisible() const = 0;
    virtual std::string EditorText() const = 0;

    // The cell pop-up menu named name is to be built for the cursor's cell
    // (empty: none). The widget builds it; its items call
    // SheetGrid::PopupCommand.
    virtual void PopupMenuChanged(const std::string& name) = 0;
    // The menu the cell pop-up menu's builder fills; null when the widget
    // has none (the grid then only announces the name).
    virtual MenuView* PopupMenuView() { return nullptr; }
    // Opens the pop-up menu at a client point.
    virtual void OpenPopupMenu(int x, int y) = 0;
    // A drop-down list made its choice: its window closes.
    virtual void CloseList() = 0;
};

}  // namespace xtr
