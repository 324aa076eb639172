// Keeping a restored main window reachable on the desktop.
#pragma once

#include "app/canvas.h"

namespace xtr {

// Moves (never resizes) a window given as left, top, width, height so that
// at least 16 pixels of it lie inside the work area, and its top edge is not
// above the work area. Returns the new left and top in the rect's left/top
// with the unchanged width and height in right/bottom as left + width,
// top + height.
Rect KeepInsideWorkArea(int left, int top, int width, int height, const Rect& workArea);

}  // namespace xtr
