#include "ui/qt_cell_ui.h"

#include "ui/cui_grid.h"
#include "ui/drop_down_list.h"

namespace xtr::ui {

void QtCellUi::OpenDropDown(const cmcCellCapsule& request, const std::string& listName, std::int32_t cellId,
                            std::int32_t value)
{
    cuiGrid* opener = cuiGrid::FromModel(request.grid);
    QRect cell;
    if (request.rectangle != nullptr) {
        const Rect& r = *request.rectangle;
        cell = QRect(r.left, r.top, r.Width(), r.Height());
    }
    // The window deletes itself when it closes.
    new DropDownList(request, listName, cellId, value, opener, cell);
}

}  // namespace xtr::ui
