// The menu view on Qt: a menu bar (the main menu) or a pop-up menu, with
// one QAction per item. Items that get items of their own become submenus;
// on a menu bar every top-level item is a menu from the start. Texts keep
// their "&" accelerators, so screen readers name the items by their text.
#pragma once

#include "ui/model/menu_view.h"

#include <QList>
#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QMenu>
#include <QMenuBar>
#include <QAction>

#include <map>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace xtr::ui {

class QtMenuView : public QObject, public MenuView {
    Q_OBJECT
public:
    QtMenuView(QMenuBar* bar, QList<QPixmap> images);
    QtMenuView(QMenu* popup, QList<QPixmap> images);
    ~QtMenuView() override;

    void SetClicks(Clicks* clicks) override { clicks_ = clicks; }
    void AddItem(MenuItemId parent, MenuItemId item, const MenuItemLook& look) override;
    void RemoveItem(MenuItemId item) override;
    void SetChecked(MenuItemId item, bool checked) override;
    void SetVisible(MenuItemId item, bool visible) override;
    void SetEnabled(MenuItemId item, bool enabled) override;
    void SetCaption(MenuItemId item, const std::string& caption) override;
    void SetImage(MenuItemId item, int imageIndex) override;

    // The action of an item, null when there is none (for tests).
    QAction* Action(MenuItemId item) const;
    // The menu an item opens, null when it has none (yet).
    QMenu* Submenu(MenuItemId item) const;

private:
    QMenu* SubmenuOf(MenuItemId item);
    void Clicked(MenuItemId item);

    QPointer<QMenuBar> bar_;
    QPointer<QMenu> popup_;
    QList<QPixmap> images_;
    Clicks* clicks_ = nullptr;
    std::map<MenuItemId, QPointer<QAction>> actions_;
    std::map<MenuItemId, QPointer<QMenu>> menus_;
    std::map<MenuItemId, MenuItemId> parents_;
};

// The toolkit's reading of a shortcut text; an empty sequence when the text
// is not one.
QKeySequence ShortcutOf(const std::string& text);

}  // namespace xtr::ui
