#include "ui/segment_editors.h"

#include "app/globals.h"
#include "app/main/cui_main.h"
#include "ui/cui_grid.h"
#include "ui/model/image_segment_source.h"
#include "ui/model/sheet.h"
#include "ui/qt_fonts.h"
#include "ui/seg_char_editor.h"
#include "ui/seg_text_picker.h"
#include "ui/seg_text_popup.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace xtr::ui {
namespace {

// The user-defined characters of the image the cells edit.
std::array<std::uint8_t, 32> ImageUserMasks()
{
    return UserCharMasksOf(App().CurrentImage());
}

}  // namespace

QtSegmentEditors::QtSegmentEditors(MainForm* mainForm, QWidget* mainWidget)
    : mainForm_(mainForm), mainWidget_(mainWidget)
{
    SetSegmentSource(this);
}

QtSegmentEditors::~QtSegmentEditors()
{
    if (TheSegmentSource() == this) {
        SetSegmentSource(nullptr);
    }
}

Segchar* QtSegmentEditors::Font() { return HasApp() ? &App().SegmentFont() : nullptr; }

SegUserMasks QtSegmentEditors::UserMasks()
{
    // Read at every drawing: the characters change with the image.
    masks_ = HasApp() ? ImageUserMasks() : std::array<std::uint8_t, 32>{};
    return masks_;
}

QtSegmentEditors::CellPlace QtSegmentEditors::GridPlace(const cmcCellCapsule& request)
{
    CellPlace place;
    cuiGrid* grid = cuiGrid::FromModel(request.grid);
    cuiSheet* sheet = grid != nullptr ? grid->Model().Sheet() : nullptr;
    if (sheet == nullptr) {
        return place;
    }
    // Keys reach a cell only as the cursor's cell.
    const int column = grid->Model().CursorColumn();
    const int row = grid->Model().CursorRow();
    if (!sheet->Contains(column, row)) {
        return place;
    }
    const QRect cell = grid->CellRect(column, row);
    place.known = true;
    place.cellOnScreen = QRect(grid->viewport()->mapToGlobal(cell.topLeft()), cell.size());
    place.ownerId = grid->Model().WindowId();
    const cmcCellObj& shown = sheet->CellAt(column, row);
    place.font = ToQFont(shown.EffectiveFont() != nullptr ? *shown.EffectiveFont() : sheet->BasicFont());
    return place;
}

void QtSegmentEditors::OpenText(const cmcCellCapsule& request, int length, const std::string& text, bool selectAll)
{
    const CellPlace place = locate_ ? locate_(request) : GridPlace(request);
    cuiFSegText::Setup setup;
    setup.length = length;
    setup.text = text;
    setup.selectAll = selectAll;
    setup.userMasks = ImageUserMasks();
    setup.ownerId = place.ownerId;
    setup.font = place.font;
    auto* popup = new cuiFSegText(request, App().SegmentFont(), std::move(setup));
    auto* picker = new cuiSegPicker(*popup);
    popup->SetPicker(picker, picker->FullWidth(), picker->FullHeight());
    text_ = popup;
    Place(popup, place);
    popup->show();
    popup->activateWindow();
}

void QtSegmentEditors::OpenCharacter(const cmcCellCapsule& request, std::uint16_t mask)
{
    const CellPlace place = locate_ ? locate_(request) : GridPlace(request);
    auto* editor = new cuiSegEdit(request, App().SegmentFont(), mask, mainForm_, mainWidget_);
    character_ = editor;
    editor->adjustSize();
    Place(editor, place);
    editor->show();
    editor->activateWindow();
}

// Below the cell and 8 pixels right of its left edge; above it when there
// is no room below; always inside the screen's work area.
void QtSegmentEditors::Place(QWidget* window, const CellPlace& place) const
{
    const QSize size = window->frameGeometry().size().expandedTo(window->sizeHint());
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect work = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    QPoint at;
    if (place.known) {
        at = QPoint(place.cellOnScreen.left() + 8, place.cellOnScreen.bottom() + 1);
        if (at.y() + size.height() > work.bottom() + 1) {
            at.setY(place.cellOnScreen.top() - size.height());
        }
    } else if (mainWidget_ != nullptr) {
        at = mainWidget_->geometry().center() - QPoint(size.width() / 2, size.height() / 2);
    } else {
        at = work.center() - QPoint(size.width() / 2, size.height() / 2);
    }
    at.setX(std::clamp(at.x(), work.left(), std::max(work.left(), work.right() + 1 - size.width())));
    at.setY(std::clamp(at.y(), work.top(), std::max(work.top(), work.bottom() + 1 - size.height())));
    window->move(at);
}

}  // namespace xtr::ui
