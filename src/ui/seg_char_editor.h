// cuiSegEdit: the editor of a user-defined character. The character is
// drawn large; a left click on a segment lights it or puts it out, and OK
// stores the mask into the character's cell. While the editor is open the
// main window is disabled.
#pragma once

#include "cells/cell_request_copy.h"
#include "segedit/segment_font.h"

#include <QDialog>

#include <cstdint>

class QPushButton;

namespace xtr {
class MainForm;
}

namespace xtr::ui {

class SegPaintBox;

class cuiSegEdit : public QDialog {
    Q_OBJECT
public:
    // font is the program's outline; the editor works on a copy of it, so
    // that cells drawn behind the editor do not change its segments.
    // mainForm (may be null) is disabled while the editor lives.
    cuiSegEdit(const cmcCellCapsule& request, const Segchar& font, std::uint16_t mask, MainForm* mainForm,
               QWidget* mainWidget);
    ~cuiSegEdit() override;

    std::uint32_t Mask() const { return font_.Mask(); }
    SegPaintBox* PaintBox() const { return paintBox_; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }

    // Where the editor draws the character, for placing a click.
    const Segchar& Font() const { return font_; }

private:
    void Store();

    CellRequestCopy request_;
    Segchar font_;
    MainForm* mainForm_;
    QWidget* mainWidget_;
    SegPaintBox* paintBox_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace xtr::ui
