// Where the printing dialog puts its label and its Cancel button: the
// dialog is twice as wide as the label, the button 1.2 times the label's
// width, both centred, the label two label heights down and the button one
// and a half button heights above the bottom.
#pragma once

#include "app/canvas.h"

namespace xtr {

struct PrintingDialogLayout {
    int clientWidth = 0;
    int clientHeight = 0;
    Rect label;
    Rect button;
};

// From the label's size (fitted to its text) and the button's height.
PrintingDialogLayout LayoutPrintingDialog(int labelWidth, int labelHeight, int buttonHeight);

}  // namespace xtr
