// Draws one cell of a sheet: background and highlight, the bottom rule,
// the caption or the bound cell's display text line by line in its font and
// alignment, and the warning and error markers. A cell and the cells joined
// to it place one text across all their columns and each draws its own part
// of it; tail cells are highlighted with their owner. The screen grid and
// printing both draw through this, on their own canvas.
#pragma once

#include "app/canvas.h"

namespace xtr {

class cuiSheet;
class GridCanvas;

struct CellPaintState {
    // The cursor's cell.
    int cursorColumn = 0;
    int cursorRow = 0;
    bool hasFocus = false;
    bool editorVisible = false;
    // The cell whose typed entry was just refused shows the error marker
    // whatever its value; -1 for none.
    int refusedColumn = -1;
    int refusedRow = -1;
};

// What drawing one cell leaves to the caller.
struct CellPaintResult {
    // The next column's cell is a tail cell drawn with this one: it needs
    // repainting as well.
    bool invalidateNext = false;
};

class CellPainter {
public:
    CellPainter(cuiSheet& sheet, GridCanvas& canvas) : sheet_(sheet), canvas_(canvas) {}

    // Draws the cell at (column, row) into rect, the cell's rectangle.
    CellPaintResult Paint(int column, int row, const Rect& rect, const CellPaintState& state);

    // Whether the cell counts as highlighted for drawing.
    bool Highlighted(int column, int row, const CellPaintState& state) const;

private:
    void DrawMarker(const Rect& rect, int alignment, int penX, const CellPaintState& state);

    cuiSheet& sheet_;
    GridCanvas& canvas_;
};

}  // namespace xtr
