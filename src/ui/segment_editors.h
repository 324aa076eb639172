// The desktop program's segment editors: opens the text entry popup and the
// character editor when a display-text cell or a user-defined character
// asks for them, places them beside the cell, and hands them the program's
// segment font and the user-defined characters of the current image. While
// it lives it is also where the grid and printing take the font and those
// characters from to draw the display texts.
#pragma once

#include "cells/map/map_display_texts.h"
#include "ui/model/segment_cells.h"
#include "ui/seg_char_editor.h"
#include "ui/seg_text_popup.h"

#include <QPointer>
#include <QRect>

#include <array>
#include <functional>
#include <optional>

class QWidget;

namespace xtr {
class MainForm;
}

namespace xtr::ui {

class QtSegmentEditors : public SegmentEditors, public SegmentSource {
public:
    // Where the cell of a request lies on the screen and the identifier of
    // its grid; the grid answers this. Without an answer the editors open
    // over the main window.
    struct CellPlace {
        bool known = false;
        QRect cellOnScreen;
        std::int32_t ownerId = -1;
        std::optional<QFont> font;  // the cell's font
    };
    using LocateCell = std::function<CellPlace(const cmcCellCapsule& request)>;

    // mainForm (may be null) is disabled while the character editor is
    // open; mainWidget is the same window as a widget.
    QtSegmentEditors(MainForm* mainForm, QWidget* mainWidget);
    ~QtSegmentEditors() override;
    QtSegmentEditors(const QtSegmentEditors&) = delete;
    QtSegmentEditors& operator=(const QtSegmentEditors&) = delete;

    // SegmentSource
    Segchar* Font() override;
    SegUserMasks UserMasks() override;

    // Without a locator of its own, the editors ask the grid of the
    // request: its cursor's cell, its font and its window identifier.
    void SetLocateCell(LocateCell locate) { locate_ = std::move(locate); }
    static CellPlace GridPlace(const cmcCellCapsule& request);

    void OpenText(const cmcCellCapsule& request, int length, const std::string& text, bool selectAll) override;
    void OpenCharacter(const cmcCellCapsule& request, std::uint16_t mask) override;

    // The editors opened last, while they live.
    cuiFSegText* TextPopup() const { return text_; }
    cuiSegEdit* CharacterEditor() const { return character_; }

private:
    void Place(QWidget* window, const CellPlace& place) const;

    MainForm* mainForm_;
    QWidget* mainWidget_;
    LocateCell locate_;
    QPointer<cuiFSegText> text_;
    QPointer<cuiSegEdit> character_;
    std::array<std::uint8_t, 32> masks_{};
};

}  // namespace xtr::ui
