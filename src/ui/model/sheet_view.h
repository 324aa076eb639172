// What a sheet asks of the widgets that show it. The sheet decides what is
// shown (cells, sizes, where the cursor starts); the desktop grid makes it
// visible, a printer gives it its resolution and font metrics, and a test
// fake records what it was told. A sheet without a view is built all the
// same, for printing or for the command-line tool.
#pragma once

namespace xtr {

class cuiSheet;
class TextMeasurer;

class SheetView {
public:
    virtual ~SheetView() = default;

    // Creates, hidden, the title bar (when the sheet has a title: its text,
    // font and colour), the body panel and the grid in the host. Called once
    // the style is read and before the cells are built.
    virtual void CreateWidgets(cuiSheet& sheet) = 0;
    // Measures captions with the grid's fonts on the screen.
    virtual TextMeasurer& Measurer() = 0;
    // The cells are built: takes the column and row counts, fixed counts,
    // widths and heights and the basic cell's colour and font, creates the
    // pop-up menu, moves the cursor from (0, 0) to the nearest selectable
    // cell, attaches the grid's events and makes the widgets visible.
    virtual void LayoutGrid(cuiSheet& sheet) = 0;

    // The cursor's cell.
    virtual int CursorColumn() const = 0;
    virtual int CursorRow() const = 0;
    // Puts the cursor on a cell as the sheet itself does it (no selection
    // work for the intermediate column).
    virtual void PutCursor(int column, int row) = 0;
    // Scrolls so that these are the left column and top row.
    virtual void SetTopLeft(int leftColumn, int topRow) = 0;
    virtual void SetGridEnabled(bool enabled) = 0;
    // The sheet is ready: repaints the whole grid and builds the cursor
    // cell's pop-up menu.
    virtual void SheetReady(cuiSheet& sheet) = 0;
    // The sheet is being destroyed: the widgets go with it.
    virtual void DestroyWidgets(cuiSheet& sheet) = 0;
};

// A sheet laid out for paper: sizes come from the printer's fonts and
// resolution.
class SheetPrinter {
public:
    virtual ~SheetPrinter() = default;
    virtual int DotsPerInchY() const = 0;
    virtual TextMeasurer& Measurer() = 0;
};

// Image list with the grid's warning and error markers; known to the
// widgets only.
class MarkerImages;

}  // namespace xtr
