#include "ui/qt_menu_view.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace xtr::ui {
namespace {

QString Text(const std::string& text)
{
    return QString::fromLocal8Bit(text.c_str());
}

// The caption as a screen reader says it: without the accelerator marks.
QString Spoken(const std::string& caption)
{
    QString text = Text(caption);
    QString spoken;
    for (int n = 0; n < text.size(); ++n) {
        if (text[n] == '&' && n + 1 < text.size()) {
            ++n;
        }
        spoken += text[n];
    }
    return spoken;
}

}  // namespace

QKeySequence ShortcutOf(const std::string& text)
{
    if (text.empty()) {
        return {};
    }
    const QKeySequence sequence = QKeySequence::fromString(Text(text), QKeySequence::PortableText);
    for (int n = 0; n < sequence.count(); ++n) {
        if (sequence[n].key() == Qt::Key_unknown) {
            return {};
        }
    }
    return sequence;
}

QtMenuView::QtMenuView(QMenuBar* bar, QList<QPixmap> images) : bar_(bar), images_(std::move(images)) {}

QtMenuView::QtMenuView(QMenu* popup, QList<QPixmap> images) : popup_(popup), images_(std::move(images)) {}

QtMenuView::~QtMenuView()
{
    for (auto& [id, menu] : menus_) {
        delete menu.data();
    }
    for (auto& [id, action] : actions_) {
        delete action.data();
    }
}

QAction* QtMenuView::Action(MenuItemId item) const
{
    const auto found = actions_.find(item);
    return found == actions_.end() ? nullptr : found->second.data();
}

QMenu* QtMenuView::Submenu(MenuItemId item) const
{
    const auto found = menus_.find(item);
    return found != menus_.end() ? found->second.data() : nullptr;
}

QMenu* QtMenuView::SubmenuOf(MenuItemId item)
{
    const auto found = menus_.find(item);
    if (found != menus_.end() && found->second) {
        return found->second;
    }
    QAction* action = Action(item);
    if (action == nullptr) {
        return nullptr;
    }
    QWidget* parent = bar_ ? static_cast<QWidget*>(bar_.data()) : static_cast<QWidget*>(popup_.data());
    auto* menu = new QMenu(parent);
    menu->setTitle(action->text());
    menu->setAccessibleName(action->text().remove('&'));
    action->setMenu(menu);
    menus_[item] = menu;
    return menu;
}

void QtMenuView::AddItem(MenuItemId parent, MenuItemId item, const MenuItemLook& look)
{
    QAction* action = nullptr;
    if (parent == kMenuRoot && bar_ && !look.separator) {
        // A menu bar's items open menus, even one that is empty for now.
        auto* menu = new QMenu(Text(look.caption), bar_);
        menu->setAccessibleName(Spoken(look.caption));
        bar_->addMenu(menu);
        action = menu->menuAction();
        menus_[item] = menu;
        // Opening a top-level menu counts as choosing its item.
        connect(menu, &QMenu::aboutToShow, this, [this, item] { Clicked(item); });
    } else {
        QWidget* container = nullptr;
        if (parent == kMenuRoot) {
            container = bar_ ? static_cast<QWidget*>(bar_.data()) : static_cast<QWidget*>(popup_.data());
        } else {
            container = SubmenuOf(parent);
        }
        if (container == nullptr) {
            return;
        }
        // A separator shows no text: some styles would draw its "-".
        action = new QAction(look.separator ? QString() : Text(look.caption), container);
        action->setSeparator(look.separator);
        if (!look.separator) {
            action->setShortcut(ShortcutOf(look.shortcut));
            // Shown on the item, while the window's own keys run the command.
            action->setShortcutContext(Qt::WindowShortcut);
            connect(action, &QAction::triggered, this, [this, item] { Clicked(item); });
        }
        container->addAction(action);
    }
    actions_[item] = action;
    parents_[item] = parent;
    SetImage(item, look.imageIndex);
}

void QtMenuView::RemoveItem(MenuItemId item)
{
    // An item may go while its own click is being handled (a pop-up
    // builder that goes takes its items out of the Edit menu): the item
    // leaves its menu now and is deleted once that event is done.
    auto retire = [this](QObject* object) {
        object->disconnect(this);
        object->deleteLater();
    };
    QAction* action = Action(item);
    if (action != nullptr) {
        for (QObject* holder : action->associatedObjects()) {
            if (auto* widget = qobject_cast<QWidget*>(holder)) {
                widget->removeAction(action);
            }
        }
    }
    const auto menu = menus_.find(item);
    if (menu != menus_.end()) {
        if (menu->second) {
            if (menu->second->menuAction() == action) {
                action = nullptr;  // the menu's own action goes with it
            }
            retire(menu->second);
        }
        menus_.erase(menu);
    }
    if (action != nullptr) {
        retire(action);
    }
    actions_.erase(item);
    parents_.erase(item);
}

void QtMenuView::SetChecked(MenuItemId item, bool checked)
{
    if (QAction* action = Action(item)) {
        action->setCheckable(checked);
        action->setChecked(checked);
    }
}

void QtMenuView::SetVisible(MenuItemId item, bool visible)
{
    if (QAction* action = Action(item)) {
        action->setVisible(visible);
    }
}

void QtMenuView::SetEnabled(MenuItemId item, bool enabled)
{
    if (QAction* action = Action(item)) {
        action->setEnabled(enabled);
    }
}

void QtMenuView::SetCaption(MenuItemId item, const std::string& caption)
{
    if (QAction* action = Action(item)) {
        action->setText(Text(caption));
    }
    const auto menu = menus_.find(item);
    if (menu != menus_.end() && menu->second) {
        menu->second->setTitle(Text(caption));
        menu->second->setAccessibleName(Spoken(caption));
    }
}

void QtMenuView::SetImage(MenuItemId item, int imageIndex)
{
    if (QAction* action = Action(item)) {
        action->setIcon(imageIndex >= 0 && imageIndex < images_.size() ? QIcon(images_[imageIndex]) : QIcon());
    }
}

void QtMenuView::Clicked(MenuItemId item)
{
    if (clicks_ != nullptr) {
        clicks_->ItemClicked(item);
    }
}

}  // namespace xtr::ui
