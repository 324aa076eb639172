// The surface one grid cell is drawn on: the screen through the desktop
// grid, a printer page, or a recording fake in the tests. The cell painter
// draws every cell through this, so the screen and paper look alike.
#pragma once

#include "app/canvas.h"
#include "cells/font_desc.h"
#include "cells/ui_seams.h"

#include <vector>

namespace xtr {

// The warning (8) and error (9) markers of a grid, drawn beside a value
// that conflicts with another setting or is invalid.
inline constexpr int kWarningImage = 8;
inline constexpr int kErrorImage = 9;

class MarkerImages {
public:
    virtual ~MarkerImages() = default;
    // Width (and height) of every image of the list.
    virtual int Width() const = 0;
};

class GridCanvas : public Canvas, public CellCanvas {
public:
    // Fills part of the surface (for the core and for the cells alike).
    void FillRect(const Rect& rect, Color color) override = 0;
    // The font of the texts drawn and measured from now on.
    virtual void SetFont(const FontDesc& font) = 0;
    // Draws marker image index with its top-left corner at (x, y).
    virtual void DrawImage(const MarkerImages& images, int index, int x, int y) = 0;
    // A closed polygon filled with fill and outlined with a pen of the
    // given colour and width.
    virtual void OutlinedPolygon(const std::vector<Point>& points, Color fill, Color pen, int penWidth) = 0;
    // Limits what is drawn to rect until Unclip: each cell of a joined span
    // draws only its own part of the span's text.
    virtual void ClipTo(const Rect& rect) = 0;
    virtual void Unclip() = 0;
    // The segment characters' polygons: outlined one pixel wide.
    void Polygon(const Point* points, int count, Color fill, Color outline) override
    {
        OutlinedPolygon(std::vector<Point>(points, points + count), fill, outline, 1);
    }

    // The colour a cell chose for its text while it was asked for it.
    void SetTextColor(Color color) override { textColor_ = color; }
    Color TextColor() const override { return textColor_; }
    // Segment characters are drawn in the cell's text colour.
    Color FontColor() const override { return textColor_; }

private:
    Color textColor_ = kColorWindowText;
};

}  // namespace xtr
