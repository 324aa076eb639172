#include "ui/qt_tool_bar_view.h"

#include <QAction>
#include <QMainWindow>
#include <QToolBar>
#include <QToolButton>

namespace xtr::ui {

QtToolBarView::QtToolBarView(QMainWindow* window, QList<QPixmap> images) : window_(window), images_(std::move(images))
{
}

QtToolBarView::~QtToolBarView()
{
    Clear();
}

void QtToolBarView::Clear()
{
    RemoveRows();
    for (Entry& entry : entries_) {
        delete entry.action.data();
    }
    entries_.clear();
}

void QtToolBarView::RemoveRows()
{
    for (const QPointer<QToolBar>& row : rows_) {
        if (row && window_) {
            window_->removeToolBarBreak(row);
            window_->removeToolBar(row);
        }
        delete row.data();
    }
    rows_.clear();
}

void QtToolBarView::InsertFirst(int button, const ToolButtonLook& look)
{
    Entry entry{button, look, nullptr};
    if (look.kind == ToolButtonLook::Kind::Button) {
        auto* action = new QAction(QString::fromLocal8Bit(look.hint.c_str()), this);
        action->setToolTip(action->text());
        connect(action, &QAction::triggered, this, [this, button] {
            if (clicks_ != nullptr) {
                clicks_->ButtonClicked(button);
            }
        });
        entry.action = action;
    }
    entries_.insert(entries_.begin(), entry);
    if (look.kind == ToolButtonLook::Kind::Button) {
        SetImage(button, look.imageIndex);
    }
    Arrange();
}

QAction* QtToolBarView::Action(int button) const
{
    for (const Entry& entry : entries_) {
        if (entry.id == button) {
            return entry.action.data();
        }
    }
    return nullptr;
}

QList<QToolBar*> QtToolBarView::Rows() const
{
    QList<QToolBar*> rows;
    for (const QPointer<QToolBar>& row : rows_) {
        if (row) {
            rows.append(row);
        }
    }
    return rows;
}

void QtToolBarView::Arrange()
{
    RemoveRows();
    if (!window_) {
        return;
    }
    auto newRow = [this] {
        auto* row = new QToolBar(window_);
        row->setObjectName(QStringLiteral("toolBarRow%1").arg(rows_.size()));
        row->setIconSize(QSize(16, 16));
        row->setMovable(true);
        row->setToolButtonStyle(Qt::ToolButtonIconOnly);
        row->setContentsMargins(4, 0, 0, 0);
        row->setVisible(visible_);
        window_->addToolBar(Qt::TopToolBarArea, row);
        if (!rows_.isEmpty()) {
            window_->insertToolBarBreak(row);  // this row starts below the last
        }
        rows_.append(row);
        return row;
    };
    QToolBar* row = newRow();
    for (Entry& entry : entries_) {
        switch (entry.look.kind) {
        case ToolButtonLook::Kind::Separator: {
            auto* gap = new QWidget(row);
            gap->setFixedWidth(entry.look.width);
            row->addWidget(gap);
            break;
        }
        case ToolButtonLook::Kind::RowBreak:
            row = newRow();
            break;
        case ToolButtonLook::Kind::Button:
            row->addAction(entry.action);
            if (QWidget* widget = row->widgetForAction(entry.action)) {
                widget->setAccessibleName(entry.action->text());
            }
            break;
        }
    }
}

void QtToolBarView::SetDown(int button, bool down)
{
    if (QAction* action = Action(button)) {
        action->setCheckable(down);
        action->setChecked(down);
    }
}

void QtToolBarView::SetEnabled(int button, bool enabled)
{
    if (QAction* action = Action(button)) {
        action->setEnabled(enabled);
    }
}

void QtToolBarView::SetImage(int button, int imageIndex)
{
    if (QAction* action = Action(button)) {
        action->setIcon(imageIndex >= 0 && imageIndex < images_.size() ? QIcon(images_[imageIndex]) : QIcon());
    }
}

void QtToolBarView::SetBarVisible(bool visible)
{
    visible_ = visible;
    for (const QPointer<QToolBar>& row : rows_) {
        if (row) {
            row->setVisible(visible);
        }
    }
}

}  // namespace xtr::ui
