// The frame of a printed page: a header with the sheet's title on the left
// and the program's title on the right above a rule, and a footer with the
// maker line on the right below a rule. The geometry is computed here; the
// printer side draws what it describes.
#pragma once

#include "app/canvas.h"

namespace xtr {

struct PageFrameLayout {
    // Left for the grid.
    Rect inner;
    // Top-left corners of the texts.
    Point title;
    Point appTitle;
    Point maker;
    // The two black rules.
    Rect headerRule;
    Rect footerRule;
};

// The frame on page rectangle area with the frame font's height (its
// absolute value is used) and the widths of the program title and the
// maker line in that font.
PageFrameLayout LayoutPageFrame(const Rect& area, int fontHeight, int appTitleWidth, int makerWidth);

}  // namespace xtr
