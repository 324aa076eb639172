// Where the parts of the clone information window go: the panel that holds
// the sheet at the top, just large enough for the sheet's whole grid inside
// its bevels and border (so the grid needs no scroll bars), and the one
// button at the bottom right, 5 pixels from the right and bottom edges.
// Sizes are the toolkit's device-independent pixels: the grid's size comes
// from the sheet measured with the fonts it is shown in, the button's from
// its own caption, so the rule holds at any font size and pixel ratio.
#pragma once

#include "app/canvas.h"

namespace xtr {

struct InformationLayout {
    Rect panel;   // the sheet's panel, window client coordinates
    Rect button;
    int clientWidth = 0;
    int clientHeight = 0;
};

// content: the sheet's full size with whatever it shows above its grid (a
// title bar); frame: what the panel puts around it on each side (bevels,
// border, the body's frame); button: the button's size.
InformationLayout LayOutInformationWindow(int contentWidth, int contentHeight, int frame, int buttonWidth,
                                          int buttonHeight);

}  // namespace xtr
