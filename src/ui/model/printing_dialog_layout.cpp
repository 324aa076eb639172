#include "ui/model/printing_dialog_layout.h"

namespace xtr {

PrintingDialogLayout LayoutPrintingDialog(int labelWidth, int labelHeight, int buttonHeight)
{
    PrintingDialogLayout layout;
    layout.clientWidth = 2 * labelWidth;
    layout.clientHeight = 3 * (labelHeight + buttonHeight);
    const int buttonWidth = static_cast<int>(1.2 * labelWidth);
    const int labelLeft = (layout.clientWidth - labelWidth) / 2;
    const int labelTop = 2 * labelHeight;
    layout.label = {labelLeft, labelTop, labelLeft + labelWidth, labelTop + labelHeight};
    const int buttonLeft = (layout.clientWidth - buttonWidth) / 2;
    const int buttonTop = static_cast<int>(layout.clientHeight - 1.5 * buttonHeight);
    layout.button = {buttonLeft, buttonTop, buttonLeft + buttonWidth, buttonTop + buttonHeight};
    return layout;
}

}  // namespace xtr
