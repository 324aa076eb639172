// cuiSegPicker: the character picker of the text entry popup, a list of
// every character the radio can show ("GI_Sheet_Sel_Text", one cell per
// code, each drawing its character). Arrows move over it as over any list;
// Space, a click or a printable key inserts a character into the popup's
// text, Enter commits the popup, Backspace and Esc go back to the text.
#pragma once

#include "ui/cui_grid.h"
#include "ui/model/sheet.h"

#include <memory>

namespace xtr::ui {

class cuiFSegText;

class cuiSegPicker : public cuiGrid {
    Q_OBJECT
public:
    explicit cuiSegPicker(cuiFSegText& popup);
    ~cuiSegPicker() override;

    // The sheet's whole size, for the popup to show a part of it.
    int FullWidth() const;
    int FullHeight() const;
    // The character code under the cursor, 0 when there is none.
    unsigned CursorCode() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    cuiFSegText& popup_;
    std::unique_ptr<cuiSheet> sheet_;
};

}  // namespace xtr::ui
