// The Port menu's system ports and the About box on the real widgets,
// headless: the items the section puts below the numbered ports and what
// choosing them does, and keys typed into the About box reaching the
// application object (the maker access word works there as in the window).
#include "process_objects_fixture.h"

#include "app/environ.h"
#include "app/globals.h"
#include "app/local_instance_guard.h"
#include "app/main/ind_main.h"
#include "app/main/process_objects.h"
#include "app/memory_settings.h"
#include "overlay/gtex.h"
#include "support/manual_time.h"
#include "support/scripted_messages.h"
#include "ui/about_box.h"
#include "ui/main_form.h"
#include "ui/port_menu_section.h"

#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace xtr::test {
namespace {

class ListedPorts : public SerialPortLister {
public:
    explicit ListedPorts(std::vector<SerialPortInfo>* ports) : ports_(ports) {}
    std::vector<SerialPortInfo> List() override { return *ports_; }

private:
    std::vector<SerialPortInfo>* ports_;
};

class PortAboutTest : public ProcessObjectsTest {
protected:
    static QStringList Texts(const QList<QAction*>& actions)
    {
        QStringList texts;
        for (QAction* action : actions) {
            texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
        }
        return texts;
    }

    std::vector<SerialPortInfo> ports;
};

TEST_F(PortAboutTest, SectionListsThePortsAnewAndStoresTheChoice)
{
    QMenu menu;
    QAction* speed = menu.addAction(QStringLiteral("Speed"));
    SerialPortInfo acm;
    acm.device = "/dev/ttyACM0";
    acm.description = "Radio cable";
    acm.serialNumber = "Z9";
    ports = {acm};
    ui::PortMenuSection section(&menu, speed, std::make_unique<ListedPorts>(&ports), nullptr);
    const QString other = QString::fromStdString(GTex().FirstLine("GI_Menu_Port_Device"));
    EXPECT_EQ(Texts(section.Actions()),
              (QStringList{"-", QStringLiteral("/dev/ttyACM0   Radio cable, serial Z9"), other}));
    EXPECT_EQ(menu.actions().last(), speed);  // the section goes before the speed items

    section.Actions().at(1)->trigger();
    EXPECT_EQ(Env().portDevice, "/dev/ttyACM0");

    // Opening the menu lists again: an unplugged adapter stays as the
    // checked choice; with nothing found a disabled line says so.
    ports.clear();
    emit menu.aboutToShow();
    ASSERT_EQ(section.Actions().size(), 3);
    EXPECT_TRUE(section.Actions().at(1)->isChecked());
    Env().portDevice.clear();
    section.Rebuild();
    ASSERT_EQ(section.Actions().size(), 3);
    EXPECT_EQ(section.Actions().at(1)->text().toStdString(), GTex().FirstLine("GI_Mess_Ports_None"));
    EXPECT_FALSE(section.Actions().at(1)->isEnabled());
    EXPECT_EQ(menu.actions().size(), 4);  // the old items are gone
}

TEST_F(PortAboutTest, TypedPathIsAskedAgainAfterARefusalAndCancelChangesNothing)
{
    QMenu menu;
    ui::PortMenuSection section(&menu, nullptr, std::make_unique<ListedPorts>(&ports), nullptr);
    QStringList answers{QStringLiteral("dev/ttyUSB0"), QStringLiteral("ttyACM2")};
    QStringList starts;
    section.SetPathAsker([&](const QString& start, QString& path) {
        starts << start;
        if (answers.isEmpty()) {
            return false;
        }
        path = answers.takeFirst();
        return true;
    });
    section.Actions().last()->trigger();
#ifndef _WIN32
    EXPECT_EQ(Env().portDevice, "/dev/ttyACM2");
    EXPECT_EQ(starts, (QStringList{QString(), QStringLiteral("dev/ttyUSB0")}));
    EXPECT_EQ(messages.asked.size(), 1u);
#endif
    // Cancelled: the choice stays.
    section.Actions().last()->trigger();
    EXPECT_EQ(Env().portDevice, "/dev/ttyACM2");
}

TEST_F(PortAboutTest, MainWindowPutsTheSectionBelowTheNumberedPorts)
{
    ui::TForm1 form;
    ASSERT_NE(form.PortSection(), nullptr);
    const QList<QAction*> section = form.PortSection()->Actions();
    ASSERT_GE(section.size(), 2);
    QMenu* portMenu = section.first()->parentWidget() != nullptr ? qobject_cast<QMenu*>(section.first()->parent())
                                                                  : nullptr;
    ASSERT_NE(portMenu, nullptr);
    const QList<QAction*> items = portMenu->actions();
    const qsizetype separator = items.indexOf(section.first());
    qsizetype lastCom = -1;
    qsizetype firstSpeed = -1;
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (items[i]->text().startsWith(QStringLiteral("COM"))) {
            lastCom = i;
        }
        if (firstSpeed < 0 && items[i]->text().contains(QStringLiteral("Speed"))) {
            firstSpeed = i;
        }
    }
    EXPECT_GT(separator, lastCom);
    EXPECT_LT(items.indexOf(section.last()), firstSpeed);
}

TEST_F(PortAboutTest, KeysTypedIntoTheAboutBoxReachTheApplicationObject)
{
    ui::TForm1 form;
    ASSERT_FALSE(App().MakerMode());
    bool boxSeen = false;
    bool formDisabled = false;
    // Runs inside the box's own event loop.
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<ui::AboutBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        boxSeen = true;
        formDisabled = !form.isEnabled();
        QWidget* target = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : box;
        QTest::keyClicks(target, QStringLiteral("kestrel"));
        // The maker caution is a message of its own; then the button closes.
        QPushButton* button = box->findChild<QPushButton*>();
        if (button != nullptr) {
            button->click();
        } else {
            box->reject();
        }
    });
    form.ShowAbout();
    EXPECT_TRUE(boxSeen);
    EXPECT_TRUE(formDisabled);
    EXPECT_TRUE(App().MakerMode());
    EXPECT_TRUE(form.isEnabled());
}

}  // namespace
}  // namespace xtr::test
