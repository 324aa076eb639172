#include "ui/seg_text_picker.h"

#include "app/globals.h"
#include "app/main/cui_main.h"
#include "app/main/main_form.h"
#include "overlay/gtex.h"
#include "ui/model/segment_cells.h"
#include "ui/seg_text_popup.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace xtr::ui {
namespace {

// The key as the popup's picker rules take it: a character code, or 0 for
// keys that move over the list.
int PickerKeyOf(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Space: return 32;
    default: break;
    }
    const QString text = event.text();
    if (text.size() == 1 && text[0].unicode() >= 32 && text[0].unicode() <= 127) {
        return text[0].unicode();
    }
    return 0;
}

}  // namespace

cuiSegPicker::cuiSegPicker(cuiFSegText& popup) : cuiGrid(nullptr), popup_(popup)
{
    setObjectName(QStringLiteral("characterPicker"));
    MarkerImages* markers = HasApp() && App().Form() != nullptr ? App().Form()->Markers() : nullptr;
    sheet_ = std::make_unique<cuiSheet>(&Model(), nullptr, 0, 0, GTex(), kSegmentPickerSheet, markers);
    sheet_->SetListMode(true);
    sheet_->Show();
}

cuiSegPicker::~cuiSegPicker()
{
    // The sheet tells this grid it is going; the grid must still be there.
    sheet_.reset();
}

int cuiSegPicker::FullWidth() const { return sheet_->TotalWidth(); }

int cuiSegPicker::FullHeight() const { return sheet_->TotalHeight(); }

unsigned cuiSegPicker::CursorCode() const
{
    const int column = Model().CursorColumn();
    const int row = Model().CursorRow();
    if (!sheet_->Contains(column, row)) {
        return 0;
    }
    const std::int32_t index = sheet_->CellAt(column, row).index;
    return index > 0 && index < 256 ? static_cast<unsigned>(index) : 0;
}

void cuiSegPicker::keyPressEvent(QKeyEvent* event)
{
    const int key = PickerKeyOf(*event);
    const unsigned code = CursorCode();
    // Space picks the character under the cursor, so it needs one.
    if (key != 0 && (key != 32 || code != 0) && popup_.PickerKey(key, code)) {
        event->accept();
        return;
    }
    cuiGrid::keyPressEvent(event);
}

void cuiSegPicker::mouseReleaseEvent(QMouseEvent* event)
{
    // The press put the cursor on the character; the release picks it
    // (instead of the list's usual choice).
    cuiGrid::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton) {
        if (const unsigned code = CursorCode(); code != 0) {
            popup_.PickerClick(code);
        }
    }
}

}  // namespace xtr::ui
