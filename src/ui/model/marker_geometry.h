// Where the grid's warning and error markers put their pixels on a screen
// of any device pixel ratio. The marker is drawn at the screen's own
// resolution (not a 16-pixel picture enlarged, which blurs), and every edge
// of it falls on a whole device pixel, so that it is as sharp at 1.5 or 2
// device pixels per pixel as at 1 and keeps its size in logical pixels.
#pragma once

#include "app/canvas.h"

namespace xtr {

struct MarkerGeometry {
    // Side of the marker's square picture, in device pixels.
    int side = 0;
    // The filled disc in the picture's bottom-right part (the top-left of
    // the picture stays clear, so that the marker can lie over another
    // picture of the tree), in device pixels, right and bottom exclusive.
    Rect disc;
    // Width of the disc's outline, in device pixels.
    int outline = 1;
    // Pixel size of the font the sign ("!" or "?") is written in, in
    // device pixels.
    int signPixels = 1;
};

// The marker of logicalSide logical pixels on a device with devicePixelRatio
// device pixels per logical pixel (a ratio below 1, or none, counts as 1).
MarkerGeometry MarkerGeometryFor(int logicalSide, double devicePixelRatio);

// The device pixel a marker placed at logical (x, y) begins on.
Point MarkerDeviceOrigin(int x, int y, double devicePixelRatio);

}  // namespace xtr
