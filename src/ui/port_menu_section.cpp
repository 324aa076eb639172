#include "ui/port_menu_section.h"

#include "app/globals.h"
#include "overlay/gtex.h"

#include <QAction>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>

namespace xtr::ui {
namespace {

QString Local(const std::string& text)
{
    return QString::fromLocal8Bit(text.c_str());
}

}  // namespace

PortMenuSection::PortMenuSection(QMenu* menu, QAction* before, std::unique_ptr<SerialPortLister> lister,
                                 QWidget* dialogParent)
    : menu_(menu), before_(before), lister_(std::move(lister)), choice_(*lister_), dialogParent_(dialogParent)
{
    asker_ = [this](const QString& start, QString& path) {
        bool ok = false;
        const QString caption = Local(GTex().Text("GI_Dlg_PortDevice", 0));
        const QString label = Local(GTex().Text("GI_Dlg_PortDevice", 1));
        const QString typed = QInputDialog::getText(dialogParent_, caption, label, QLineEdit::Normal, start, &ok);
        if (ok) {
            path = typed;
        }
        return ok;
    };
    if (menu_) {
        connect(menu_, &QMenu::aboutToShow, this, &PortMenuSection::Rebuild);
    }
    Rebuild();
}

PortMenuSection::~PortMenuSection()
{
    Clear();
}

void PortMenuSection::Clear()
{
    for (const QPointer<QAction>& action : actions_) {
        if (action) {
            if (menu_) {
                menu_->removeAction(action);
            }
            // The action may be the one whose click runs now.
            action->deleteLater();
        }
    }
    actions_.clear();
}

void PortMenuSection::Rebuild()
{
    if (!menu_) {
        return;
    }
    Clear();
    QAction* before = before_ && menu_->actions().contains(before_.data()) ? before_.data() : nullptr;
    auto add = [this, before](QAction* action) {
        menu_->insertAction(before, action);
        actions_.push_back(action);
    };
    auto* separator = new QAction(menu_);
    separator->setSeparator(true);
    add(separator);

    const std::vector<PortMenuEntry> entries = choice_.Entries();
    for (const PortMenuEntry& entry : entries) {
        auto* action = new QAction(Local(entry.caption), menu_);
        action->setCheckable(true);
        action->setChecked(entry.checked);
        const std::string device = entry.device;
        connect(action, &QAction::triggered, this, [this, device] { choice_.Choose(device); });
        add(action);
    }
    if (entries.empty()) {
        auto* none = new QAction(Local(GTex().FirstLine("GI_Mess_Ports_None")), menu_);
        none->setEnabled(false);
        add(none);
    }
    auto* other = new QAction(Local(GTex().FirstLine("GI_Menu_Port_Device")), menu_);
    connect(other, &QAction::triggered, this, &PortMenuSection::AskForPath);
    add(other);
}

QList<QAction*> PortMenuSection::Actions() const
{
    QList<QAction*> list;
    for (const QPointer<QAction>& action : actions_) {
        if (action) {
            list.push_back(action.data());
        }
    }
    return list;
}

void PortMenuSection::AskForPath()
{
    // A refused text asks again, starting from what was typed.
    QString start = Local(choice_.TypedDefault());
    for (;;) {
        QString path;
        if (!asker_ || !asker_(start, path)) {
            return;
        }
        if (choice_.ChooseTyped(path.toLocal8Bit().toStdString())) {
            return;
        }
        start = path;
    }
}

}  // namespace xtr::ui
