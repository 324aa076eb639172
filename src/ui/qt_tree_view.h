// The tree view on Qt: a read-only QTreeWidget in the main window's left
// panel. A node's icon is its image from the tree image list with the
// error or warning marker drawn over it; the node's text is also its
// accessible name.
#pragma once

#include "ui/model/tree_view.h"

#include <QList>
#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QTreeWidget>

#include <map>
#include <optional>

class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

namespace xtr::ui {

class QtTreeView : public QObject, public TreeView {
    Q_OBJECT
public:
    QtTreeView(QWidget* panel, QList<QPixmap> images);
    ~QtTreeView() override;

    void SetEvents(Events* events) override { events_ = events; }
    void SetLook(const FontDesc* font, Color background) override;
    void AddNode(TreeNodeId parent, TreeNodeId node, const std::string& text, int imageIndex) override;
    void RemoveNode(TreeNodeId node) override;
    void SetExpanded(TreeNodeId node, bool expanded) override;
    void SetOverlay(TreeNodeId node, int overlay) override;
    void Select(TreeNodeId node) override;
    void SetVisible(bool visible) override;

    QTreeWidget* Widget() const { return tree_; }
    QTreeWidgetItem* Item(TreeNodeId node) const;
    static TreeNodeId NodeOf(const QTreeWidgetItem* item);

protected:
    // A change of the desktop's palette (a dark or high-contrast theme
    // chosen while the program runs) reaches the tree's own colours.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The desktop's palette with the tree's own roles: its background, and
    // the selection as visible without the focus as with it.
    void ApplyPalette();
    void UpdateIcon(TreeNodeId node);
    void Forget(QTreeWidgetItem* item);

    QPointer<QTreeWidget> tree_;
    QList<QPixmap> images_;
    Events* events_ = nullptr;
    // The background the overlay gives the tree (a system colour follows
    // the palette); none until it says.
    std::optional<Color> background_;
    struct Node {
        QTreeWidgetItem* item = nullptr;
        int image = -1;
        int overlay = kOverlayNone;
    };
    std::map<TreeNodeId, Node> nodes_;
};

}  // namespace xtr::ui
