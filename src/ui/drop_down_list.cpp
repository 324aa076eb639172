#include "ui/drop_down_list.h"

#include "app/globals.h"
#include "app/main/cui_main.h"
#include "app/main/main_form.h"
#include "ui/cui_grid.h"
#include "ui/sheet_panel.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

namespace xtr::ui {
namespace {

DropDownList* current = nullptr;

}  // namespace

DropDownList* DropDownList::Current() { return current; }

DropDownList::DropDownList(const cmcCellCapsule& request, const std::string& listName, std::int32_t cellId,
                           std::int32_t value, cuiGrid* opener, const QRect& cellRect)
    : QFrame(opener != nullptr ? opener->window() : nullptr, Qt::Popup | Qt::FramelessWindowHint),
      request_(request),
      opener_(opener)
{
    setAttribute(Qt::WA_DeleteOnClose);
    // The request outlives the call that opened the list: nothing in it may
    // point into that call.
    request_.rectangle = nullptr;
    request_.canvas = nullptr;
    current = this;

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    panel_ = new SheetPanel(this, true);
    layout->addWidget(panel_);
    cuiGrid* grid = panel_->Grid();
    grid->SetListCloser([this] { close(); });
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->Model().SetScrollBars(false);
    // Sized to its items, however few: not to the scroll area's own minimum.
    grid->setMinimumSize(1, 1);
    MarkerImages* markers = HasApp() && App().Form() != nullptr ? App().Form()->Markers() : nullptr;
    panel_->Build([&](SheetView* view) {
        return std::make_unique<cuiSheet>(view, &request_, cellId, value, GTex(), listName, markers);
    });

    QRect work(0, 0, 1024, 768);
    if (const QScreen* screen = opener != nullptr ? opener->screen() : QGuiApplication::primaryScreen()) {
        work = screen->availableGeometry();
    }
    QSize size = panel_->NeededSize();
    if (size.width() > work.width() || size.height() > work.height()) {
        grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        grid->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        grid->Model().SetScrollBars(true);
        size = QSize(std::min(size.width() + grid->verticalScrollBar()->sizeHint().width(), work.width()),
                     std::min(size.height() + grid->horizontalScrollBar()->sizeHint().height(), work.height()));
    }
    resize(size);
    grid->Model().SetTopLeft(0, 0);

    QRect screenCell = cellRect;
    if (opener != nullptr) {
        screenCell.moveTopLeft(opener->viewport()->mapToGlobal(cellRect.topLeft()));
    }
    move(Placement(screenCell, size, work));

    if (opener != nullptr) {
        connect(opener, &QObject::destroyed, this, &QWidget::close);
    }
    installEventFilter(this);
    grid->installEventFilter(this);
    show();
    grid->setFocus(Qt::PopupFocusReason);
}

DropDownList::~DropDownList()
{
    if (current == this) {
        current = nullptr;
    }
}

QPoint DropDownList::Placement(const QRect& cell, const QSize& size, const QRect& work)
{
    const int cellBottom = cell.top() + cell.height();
    const int workRight = work.left() + work.width();
    const int workBottom = work.top() + work.height();
    int x = cell.left() + 8;
    int y = cellBottom;
    bool overlaps = false;
    if (y + size.height() > workBottom) {
        y = cell.top() - size.height();
        if (y < work.top()) {
            y = workBottom - size.height();
            overlaps = true;
        }
    }
    if (x + size.width() > workRight) {
        x = workRight - size.width();
        if (overlaps && cell.left() - size.width() >= work.left()) {
            x = cell.left() - size.width();
        }
    }
    return {x, y};
}

bool DropDownList::eventFilter(QObject* watched, QEvent* event)
{
    // The window sees the keys first: Esc cancels wherever the focus is.
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        close();
        return true;
    }
    return QFrame::eventFilter(watched, event);
}

}  // namespace xtr::ui
