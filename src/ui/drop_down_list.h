// A drop-down selection list: a borderless pop-up window beside a cell,
// holding a list-mode sheet whose items the user chooses from with the
// mouse or the keyboard. The choice goes to the cell that opened the list;
// the window closes on the choice, Esc, a click elsewhere, a commit event
// or when the opening grid goes.
#pragma once

#include "app/canvas.h"
#include "cells/cell_capsule.h"

#include <QFrame>
#include <QPointer>

#include <string>

namespace xtr::ui {

class cuiGrid;
class SheetPanel;

class DropDownList : public QFrame {
    Q_OBJECT
public:
    // Opens the list listName for the cell of request (shown in opener at
    // cellRect, grid coordinates), with the cursor on item (cellId, value).
    DropDownList(const cmcCellCapsule& request, const std::string& listName, std::int32_t cellId,
                 std::int32_t value, cuiGrid* opener, const QRect& cellRect);
    ~DropDownList() override;

    // The list opened last and still open, or null.
    static DropDownList* Current();
    SheetPanel* Panel() const { return panel_; }

    // Where a window of size goes beside a cell (screen coordinates) within
    // the work area: below, else above, else at the bottom; moved left of
    // the cell when it must overlap it and is cut off at the right.
    static QPoint Placement(const QRect& cell, const QSize& size, const QRect& workArea);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    cmcCellCapsule request_;
    QPointer<cuiGrid> opener_;
    SheetPanel* panel_ = nullptr;
};

}  // namespace xtr::ui
