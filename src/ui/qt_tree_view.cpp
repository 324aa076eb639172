#include "ui/qt_tree_view.h"

#include "ui/qt_colors.h"
#include "ui/qt_fonts.h"

#include <QApplication>
#include <QEvent>
#include <QHeaderView>
#include <QLayout>
#include <QPainter>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace xtr::ui {
namespace {

// The markers' places in the tree image list.
constexpr int kErrorImage = 9;
constexpr int kWarningImage = 8;

}  // namespace

QtTreeView::QtTreeView(QWidget* panel, QList<QPixmap> images) : images_(std::move(images))
{
    QLayout* layout = panel->layout();
    if (layout == nullptr) {
        layout = new QVBoxLayout(panel);
        layout->setContentsMargins(0, 0, 0, 0);
    }
    tree_ = new QTreeWidget(panel);
    tree_->setHeaderHidden(true);
    tree_->setColumnCount(1);
    tree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree_->setSelectionMode(QAbstractItemView::SingleSelection);
    tree_->setIconSize(QSize(16, 16));
    tree_->setFrameShape(QFrame::NoFrame);
    ApplyPalette();
    // The application hears of a new palette; a widget whose palette was
    // set, like the tree, does not.
    qApp->installEventFilter(this);
    layout->addWidget(tree_);

    connect(tree_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current, QTreeWidgetItem*) {
        if (events_ != nullptr) {
            events_->NodeSelected(NodeOf(current));
        }
    });
    connect(tree_, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) {
        if (events_ != nullptr) {
            events_->NodeExpanded(NodeOf(item), true);
        }
    });
    connect(tree_, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* item) {
        if (events_ != nullptr) {
            events_->NodeExpanded(NodeOf(item), false);
        }
    });
}

QtTreeView::~QtTreeView()
{
    events_ = nullptr;
    if (tree_) {
        // The tree may be rebuilt while the widget itself is handling an
        // event (a key typed into it enters maker mode): it leaves the
        // panel now and is deleted once that event is done.
        tree_->hide();
        tree_->setParent(nullptr);
        tree_->deleteLater();
    }
}

TreeNodeId QtTreeView::NodeOf(const QTreeWidgetItem* item)
{
    return item == nullptr ? kNoNode : item->data(0, Qt::UserRole).toInt();
}

QTreeWidgetItem* QtTreeView::Item(TreeNodeId node) const
{
    const auto found = nodes_.find(node);
    return found == nodes_.end() ? nullptr : found->second.item;
}

void QtTreeView::SetLook(const FontDesc* font, Color background)
{
    if (!tree_) {
        return;
    }
    if (font != nullptr) {
        tree_->setFont(ToQFont(*font));
    }
    background_ = background;
    ApplyPalette();
}

void QtTreeView::ApplyPalette()
{
    // Built afresh from the application's palette: roles set on the tree
    // before would otherwise keep the colours of the old theme (a white
    // background under the light text of a dark theme).
    QPalette palette = QApplication::palette(tree_);
    // The selection stays as visible when the focus is on the sheet.
    palette.setColor(QPalette::Inactive, QPalette::Highlight, palette.color(QPalette::Active, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     palette.color(QPalette::Active, QPalette::HighlightedText));
    if (background_) {
        palette.setColor(QPalette::Base, ToQColor(*background_));
    }
    tree_->setPalette(palette);
}

bool QtTreeView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == qApp && event->type() == QEvent::ApplicationPaletteChange && tree_) {
        ApplyPalette();
    }
    return QObject::eventFilter(watched, event);
}

void QtTreeView::AddNode(TreeNodeId parent, TreeNodeId node, const std::string& text, int imageIndex)
{
    if (!tree_) {
        return;
    }
    QTreeWidgetItem* parentItem = Item(parent);
    auto* item = parentItem != nullptr ? new QTreeWidgetItem(parentItem) : new QTreeWidgetItem(tree_);
    const QString caption = QString::fromLocal8Bit(text.c_str());
    item->setText(0, caption);
    item->setData(0, Qt::AccessibleTextRole, caption);
    item->setData(0, Qt::UserRole, node);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    nodes_[node] = Node{item, imageIndex, kOverlayNone};
    UpdateIcon(node);
}

void QtTreeView::Forget(QTreeWidgetItem* item)
{
    for (int n = 0; n < item->childCount(); ++n) {
        Forget(item->child(n));
    }
    nodes_.erase(NodeOf(item));
}

void QtTreeView::RemoveNode(TreeNodeId node)
{
    QTreeWidgetItem* item = Item(node);
    if (item == nullptr) {
        return;
    }
    Forget(item);
    delete item;
}

void QtTreeView::SetExpanded(TreeNodeId node, bool expanded)
{
    if (QTreeWidgetItem* item = Item(node)) {
        item->setExpanded(expanded);
    }
}

void QtTreeView::SetOverlay(TreeNodeId node, int overlay)
{
    const auto found = nodes_.find(node);
    if (found != nodes_.end()) {
        found->second.overlay = overlay;
        UpdateIcon(node);
    }
}

void QtTreeView::UpdateIcon(TreeNodeId node)
{
    const Node& entry = nodes_.at(node);
    const int image = entry.image;
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    if (image >= 0 && image < images_.size()) {
        picture = images_[image];
    }
    const int marker = entry.overlay == kOverlayError ? kErrorImage
                       : entry.overlay == kOverlayWarning ? kWarningImage
                                                          : -1;
    if (marker >= 0 && marker < images_.size()) {
        QPainter painter(&picture);
        painter.drawPixmap(0, 0, images_[marker]);
    }
    entry.item->setIcon(0, QIcon(picture));
}

void QtTreeView::Select(TreeNodeId node)
{
    if (!tree_) {
        return;
    }
    QTreeWidgetItem* item = Item(node);
    tree_->setCurrentItem(item);
    if (item != nullptr) {
        tree_->scrollToItem(item);
    }
}

void QtTreeView::SetVisible(bool visible)
{
    if (tree_) {
        tree_->setVisible(visible);
    }
}

}  // namespace xtr::ui
