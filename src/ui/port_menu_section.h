// The serial ports of this computer in the Port menu: below the numbered
// ports, one checkable item per port the system lists (made anew each time
// the menu opens, so a plugged adapter shows at once) and an item that asks
// for a device path. What the items say and do is PortChoice's.
#pragma once

#include "app/main/port_choice.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

class QAction;
class QMenu;
class QWidget;

namespace xtr::ui {

class PortMenuSection : public QObject {
    Q_OBJECT
public:
    // Asks for a device path, starting with the given one; false when
    // cancelled.
    using PathAsker = std::function<bool(const QString& start, QString& path)>;

    // The items go into menu before `before` (null: at its end).
    PortMenuSection(QMenu* menu, QAction* before, std::unique_ptr<SerialPortLister> lister, QWidget* dialogParent);
    ~PortMenuSection() override;

    // Lists the ports again (done whenever the menu is about to show).
    void Rebuild();
    // The items in their order: a separator, the ports (or a disabled
    // "none found"), the typed-path item.
    QList<QAction*> Actions() const;
    // Replaces the input box (tests).
    void SetPathAsker(PathAsker asker) { asker_ = std::move(asker); }

private:
    void AskForPath();
    void Clear();

    QPointer<QMenu> menu_;
    QPointer<QAction> before_;
    std::unique_ptr<SerialPortLister> lister_;
    PortChoice choice_;
    QPointer<QWidget> dialogParent_;
    QList<QPointer<QAction>> actions_;
    PathAsker asker_;
};

}  // namespace xtr::ui
