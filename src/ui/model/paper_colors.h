// The colours of a cell on paper. The screen's dark fills (grey headings
// with white text, coloured warnings) cost much ink and print unreadable on
// many printers, so paper gets a light tint of the cell's colour with the
// text always black; white cells stay white. The screen keeps its colours.
#pragma once

#include "cells/colors.h"

namespace xtr {

struct PaperLook {
    Color background = 0xFFFFFF;
    Color text = 0x000000;
    // The cell is left white (nothing to fill).
    bool white = true;
};

// What a cell of colour cellColor (0x00BBGGRR, or a system colour) gets on
// paper.
PaperLook PaperLookOf(Color cellColor);

// A light tint of an RGB colour: each channel keeps a quarter of its
// distance from white, so even black becomes a light grey (0xC0C0C0).
Color PaperTint(Color rgb);

}  // namespace xtr
