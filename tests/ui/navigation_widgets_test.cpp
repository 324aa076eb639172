// The main window's menu bar, tool bar and tree over the shipped overlay,
// headless: what a user (or a screen reader) finds in them, and the tree's
// markers as drawn.
#include "process_objects_fixture.h"

#include "app/environ.h"
#include "app/globals.h"
#include "app/local_instance_guard.h"
#include "app/main/image_file.h"
#include "clone/fake_serial_link.h"
#include "clone/sim_radio.h"
#include "platform/serial_device.h"
#include "app/main/ind_main.h"
#include "app/main/process_objects.h"
#include "app/memory_settings.h"
#include "image/demo_files.h"
#include "image/eeprom.h"
#include "platform/executable_path.h"
#include "support/manual_time.h"
#include "support/scripted_messages.h"
#include "ui/main_form.h"
#include "cells/cell_capsule.h"
#include "cells/cell_names.h"
#include "overlay/gtex.h"
#include "ui/model/menu_builder.h"
#include "ui/model/tree.h"
#include "ui/qt_menu_view.h"
#include "ui/qt_tool_bar_view.h"

#include <QAccessible>
#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QToolBar>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace xtr::test {
namespace {

class NavigationWidgets : public ProcessObjectsTest {
protected:
    NavigationWidgets()
    {
        Env().toolbarVisible = 1;
    }

    QMenu* TopMenu(ui::TForm1& form, const QString& title)
    {
        for (QAction* action : form.menuBar()->actions()) {
            if (action->text() == title) {
                return action->menu();
            }
        }
        ADD_FAILURE() << "no menu " << title.toStdString();
        return nullptr;
    }

    QTreeWidget* TreeWidget(ui::TForm1& form) { return form.LeftPanel()->findChild<QTreeWidget*>(); }

    // The pages in the tree's order, each with its depth.
    std::vector<std::pair<std::string, int>> Pages(QTreeWidget* tree)
    {
        std::vector<std::pair<std::string, int>> pages;
        for (QTreeWidgetItemIterator it(tree); *it != nullptr; ++it) {
            int depth = 0;
            for (QTreeWidgetItem* up = (*it)->parent(); up != nullptr; up = up->parent()) {
                ++depth;
            }
            pages.emplace_back((*it)->text(0).toStdString(), depth);
        }
        return pages;
    }

    QTreeWidgetItem* Page(QTreeWidget* tree, const QString& text)
    {
        const auto found = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.front();
    }

    // The icon a node shows, with the marker image drawn over its image
    // (-1: none).
    QImage Expected(ui::TForm1& form, QTreeWidgetItem* item, int marker)
    {
        const int image = App().Tree()->CellOf(item->data(0, Qt::UserRole).toInt())->imageIndex;
        QPixmap picture = form.TreeImages()[image];
        if (marker >= 0) {
            QPainter painter(&picture);
            painter.drawPixmap(0, 0, form.TreeImages()[marker]);
        }
        return picture.toImage();
    }
    QImage Shown(QTreeWidgetItem* item) { return item->icon(0).pixmap(16, 16).toImage(); }

};

TEST_F(NavigationWidgets, MenuBarHoldsEveryMenuWithItsItemsSeparatorsAndShortcuts)
{
    ui::TForm1 form;
    QStringList titles;
    for (QAction* action : form.menuBar()->actions()) {
        titles << action->text();
    }
    EXPECT_EQ(titles, (QStringList{"&File", "&Edit", "&View", "&Port", "&Clone", "&Help"}));

    QMenu* file = TopMenu(form, "&File");
    ASSERT_NE(file, nullptr);
    QStringList items;
    for (QAction* action : file->actions()) {
        items << (action->isSeparator() ? QString("-") : action->text());
    }
    EXPECT_EQ(items.mid(0, 16),
              (QStringList{"&New", "&Open...", "&Save", "Save &As...", "&Restore from Backup...", "-",
                           "Compare &with...", "&Export...", "&Import...", "-", "&Print Sheet...",
                           "Print A&ll Sheets...", "Print Pre&view...", "Print Previe&w of All Sheets...", "-",
                           "(No recent files)"}));
    EXPECT_EQ(items.back(), "E&xit");
    EXPECT_EQ(file->actions()[0]->shortcut(), QKeySequence("Ctrl+N"));
    EXPECT_EQ(file->actions()[3]->shortcut(), QKeySequence("Ctrl+Shift+S"));
    EXPECT_TRUE(file->actions()[11]->shortcut().isEmpty());
    EXPECT_FALSE(file->actions()[0]->icon().isNull());  // the tool bar's "new" image

    // The submenu of a submenu, and the states the cells answer.
    QMenu* view = TopMenu(form, "&View");
    ASSERT_NE(view, nullptr);
    ASSERT_NE(view->actions()[0]->menu(), nullptr);
    EXPECT_EQ(view->actions()[0]->menu()->actions().size(), 5);
    time->Advance(20);  // the settings-changed round refreshes the states
    EXPECT_TRUE(view->actions()[1]->isChecked());  // the tool bar is shown
    EXPECT_FALSE(file->actions()[15]->isEnabled());  // no recent file yet
    EXPECT_FALSE(file->actions()[16]->isVisible());

    // The empty Edit menu shows its placeholder, disabled.
    time->Advance(20);
    QMenu* edit = TopMenu(form, "&Edit");
    ASSERT_NE(edit, nullptr);
    ASSERT_EQ(edit->actions().size(), 1);
    EXPECT_FALSE(edit->actions()[0]->isEnabled());
}

TEST_F(NavigationWidgets, ShortcutTextsTheToolkitCannotReadGiveNoShortcut)
{
    EXPECT_EQ(ui::ShortcutOf("Ctrl+Shift+S"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    EXPECT_EQ(ui::ShortcutOf("F1"), QKeySequence(Qt::Key_F1));
    EXPECT_TRUE(ui::ShortcutOf("").isEmpty());
    EXPECT_TRUE(ui::ShortcutOf("Ctrl+Sparkle").isEmpty());
}

TEST_F(NavigationWidgets, EveryMenuItemToolButtonAndPageIsNamedForScreenReaders)
{
    ui::TForm1 form;
    QMenu* clone = TopMenu(form, "&Clone");
    ASSERT_NE(clone, nullptr);
    EXPECT_EQ(clone->accessibleName(), "Clone");
    QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(clone);
    ASSERT_NE(menu, nullptr);
    ASSERT_GE(menu->childCount(), 1);
    EXPECT_EQ(menu->child(0)->text(QAccessible::Name), "Read from Radio...");

    ui::QtToolBarView& bar = form.ToolBarViewOfWindow();
    ASSERT_EQ(bar.Rows().size(), 1);
    QToolBar* row = bar.Rows()[0];
    QStringList tips;
    for (QAction* action : row->actions()) {
        if (QWidget* button = row->widgetForAction(action); button != nullptr && !action->toolTip().isEmpty()) {
            if (action->icon().isNull()) {
                continue;  // a separator's gap
            }
            tips << action->toolTip();
            EXPECT_EQ(button->accessibleName(), action->toolTip());
        }
    }
    EXPECT_EQ(tips, (QStringList{"New (factory settings)", "Open a clone file", "Save the clone file",
                                 "Use serial port COM1", "Use serial port COM2", "Use serial port COM3",
                                 "Use serial port COM4", "Read from the radio", "Write to the radio",
                                 "Radio information"}));
    EXPECT_TRUE(row->isVisibleTo(&form));

    QTreeWidget* tree = TreeWidget(form);
    ASSERT_NE(tree, nullptr);
    EXPECT_EQ(tree->topLevelItem(0)->data(0, Qt::AccessibleTextRole).toString(), "Common settings");
}

TEST_F(NavigationWidgets, TreeShowsItsPagesInOrderAndTheFactoryPagesOnlyInMakerMode)
{
    ui::TForm1 form;
    QTreeWidget* tree = TreeWidget(form);
    ASSERT_NE(tree, nullptr);
    EXPECT_EQ(tree->editTriggers(), QAbstractItemView::NoEditTriggers);
    time->Advance(10);
    const auto pages = Pages(tree);
    ASSERT_EQ(pages.size(), 24u);
    EXPECT_EQ(pages[0], std::make_pair(std::string("Common settings"), 0));
    EXPECT_EQ(pages[1], std::make_pair(std::string("Personality and numbering"), 1));
    EXPECT_EQ(pages[10], std::make_pair(std::string("Fleet sizes"), 2));
    EXPECT_EQ(pages[19], std::make_pair(std::string("CTCSS"), 2));
    EXPECT_EQ(pages[23], std::make_pair(std::string("User-defined characters"), 1));
    EXPECT_TRUE(tree->topLevelItem(0)->isExpanded());
    EXPECT_EQ(tree->currentItem(), tree->topLevelItem(0));

    for (char c : std::string("kestrel")) {
        App().KeyTyped(c);
    }
    time->Advance(20);
    tree = TreeWidget(form);
    ASSERT_NE(tree, nullptr);
    const auto all = Pages(tree);
    ASSERT_EQ(all.size(), 26u);
    EXPECT_EQ(all[24], std::make_pair(std::string("Factory: receiver and tones"), 1));
    EXPECT_EQ(all[25], std::make_pair(std::string("Factory: synthesizer and timing"), 2));
    EXPECT_EQ(form.LeftPanel()->findChildren<QTreeWidget*>().size(), 1);  // the old tree went
}

TEST_F(NavigationWidgets, AccessWordTypedIntoTheTreeRebuildsItWithoutLosingTheKeyEvent)
{
    ui::TForm1 form;
    form.activateWindow();
    QTreeWidget* tree = TreeWidget(form);
    ASSERT_NE(tree, nullptr);
    tree->setFocus();
    QApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), tree);
    // The last key rebuilds the tree while that very widget is receiving
    // the key: it must outlive the event.
    for (char c : std::string("kestrel")) {
        QWidget* target = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : tree;
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(QChar(c)));
        QApplication::sendEvent(target, &press);
    }
    EXPECT_TRUE(App().MakerMode());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(form.LeftPanel()->findChildren<QTreeWidget*>().size(), 1);
    EXPECT_EQ(Pages(TreeWidget(form)).size(), 26u);
}

TEST_F(NavigationWidgets, PopupBuilderThatGoesDuringAMirroredItemsClickTakesTheItemSafely)
{
    ui::TForm1 form;
    QMenu popupMenu;
    ui::QtMenuView popupView(&popupMenu, form.ToolBarImages());
    std::unique_ptr<cuiMenu> popup;
    int clicks = 0;
    // The command moves the focus away from the grid, whose pop-up builder
    // goes with it, while the main menu's action is still being triggered.
    popup = std::make_unique<cuiMenu>(nullptr, popupView, GTex(), "GI_PMenu_Row", [&](const cmcCellObj&) {
        ++clicks;
        popup.reset();
    });
    popup->Build();
    App().MainMenu()->EmptySubmenu(CL_Menu_Edit_Top);
    App().MainMenu()->FillSubmenu(CL_Menu_Edit_Top, "GI_PMenu_Row", *popup);
    QMenu* edit = TopMenu(form, "&Edit");
    ASSERT_NE(edit, nullptr);
    ASSERT_GE(edit->actions().size(), 3);
    edit->actions()[2]->trigger();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(popup, nullptr);
    EXPECT_TRUE(edit->actions().isEmpty());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(NavigationWidgets, ErrorInsideACollapsedFolderMarksTheFolderUntilItIsExpanded)
{
    ui::TForm1 form;
    time->Advance(10);
    QTreeWidget* tree = TreeWidget(form);
    QTreeWidgetItem* folder = Page(tree, "Trunked network");
    QTreeWidgetItem* blocks = Page(tree, "Block frequencies");
    ASSERT_NE(folder, nullptr);
    ASSERT_NE(blocks, nullptr);
    ASSERT_FALSE(folder->isExpanded());
    // A radio in use has block frequencies: nothing is marked.
    ASSERT_EQ(OpenImageFile(objects->Application(), DataDirectory() + DemoFileName(Env().modelType)), 0);
    int errors = 0;
    int warnings = 0;
    App().CountProblems(errors, warnings);
    EXPECT_EQ(Shown(folder), Expected(form, folder, -1));

    // An image without block frequencies fails their check.
    cmcEeprom& image = App().CurrentImage();
    for (int32_t address = 0; address < image.Size(); ++address) {
        image.SetByte(address, 0);
    }
    App().CountProblems(errors, warnings);
    ASSERT_GT(errors, 0);
    EXPECT_EQ(Shown(folder), Expected(form, folder, 9));
    EXPECT_EQ(Shown(blocks), Expected(form, blocks, 9));

    // Expanding the folder runs the check list again: the mark moves.
    folder->setExpanded(true);
    EXPECT_EQ(Shown(folder), Expected(form, folder, -1));
    EXPECT_EQ(Shown(blocks), Expected(form, blocks, 9));
    folder->setExpanded(false);
    EXPECT_EQ(Shown(folder), Expected(form, folder, 9));
}

TEST_F(NavigationWidgets, WarningMarkGivesWayToAnError)
{
    ui::TForm1 form;
    time->Advance(10);
    QTreeWidget* tree = TreeWidget(form);
    QTreeWidgetItem* page = Page(tree, "Set mode");
    ASSERT_NE(page, nullptr);
    App().Tree()->Mark({"[st_common]gi_sheet_setmode"}, {});
    EXPECT_EQ(Shown(page), Expected(form, page, 8));
    App().Tree()->Mark({"[St_Common]GI_Sheet_SetMode"}, {"[St_Common]GI_Sheet_SetMode"});
    EXPECT_EQ(Shown(page), Expected(form, page, 9));
}

TEST_F(NavigationWidgets, ToolBarCommandOfTheViewMenuHidesAndShowsTheBar)
{
    ui::TForm1 form;
    QToolBar* row = form.ToolBarViewOfWindow().Rows()[0];
    ASSERT_TRUE(row->isVisibleTo(&form));
    QMenu* view = TopMenu(form, "&View");
    ASSERT_NE(view, nullptr);
    view->actions()[1]->trigger();
    EXPECT_FALSE(row->isVisibleTo(&form));
    EXPECT_EQ(Env().toolbarVisible, 0);
    EXPECT_FALSE(view->actions()[1]->isChecked());
}

TEST_F(NavigationWidgets, CloneMenuReadHoldsTheWindowUntilTheTransferEnds)
{
    // A radio that never answers, over the fake link.
    SimRadio radio;
    radio.SetWireTime(false);
    radio.Faults().silent = true;
    FakeSerialLink link{radio};
    SetSerialDeviceFactory([&link] { return link.NewDevice(); });
    {
        ui::TForm1 form;
        form.show();
        const cmcEeprom before = [&] { cmcEeprom c; c.CopyFrom(App().CurrentImage()); return c; }();
        QMenu* clone = TopMenu(form, "&Clone");
        ASSERT_NE(clone, nullptr);
        clone->actions()[0]->trigger();
        EXPECT_EQ(App().MainMenu()->LastClickResult() & cellresult::kError, 0);
        EXPECT_FALSE(form.isEnabled());
        EXPECT_FALSE(form.close());  // refused during the transfer
        ASSERT_TRUE(time->AdvanceUntil([this] { return !App().CloneActive(); }, 120000, 10));
        EXPECT_TRUE(form.isEnabled());
        EXPECT_FALSE(messages.asked.empty());  // why the read failed
        EXPECT_FALSE(App().CurrentImage().Differs(before));
    }
    SetSerialDeviceFactory(nullptr);
}

}  // namespace
}  // namespace xtr::test
