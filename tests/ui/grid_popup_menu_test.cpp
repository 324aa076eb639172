// The cell pop-up menu of the desktop grid: opened with the right button,
// its items acting on the cell under the cursor, and mirrored in the main
// menu's Edit menu for whatever cell the cursor is on.
#include "grid_widget_fixture.h"

#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTreeWidget>

#include <cstdlib>

#include <gtest/gtest.h>

namespace xtr::test {
namespace {

QStringList Texts(const QMenu* menu)
{
    QStringList texts;
    for (const QAction* action : menu->actions()) {
        if (action->isVisible()) {
            texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
        }
    }
    return texts;
}

QAction* Named(const QMenu* menu, const QString& text)
{
    for (QAction* action : menu->actions()) {
        if (action->text() == text) {
            return action;
        }
    }
    return nullptr;
}

class GridPopupMenu : public GridWidgetTest {
protected:
    // Opens the grid's pop-up menu on a cell with the right button and
    // clicks the item named text in it.
    void Choose(ui::cuiGrid* grid, int column, int row, const QString& text)
    {
        QTest::mouseClick(grid->viewport(), Qt::RightButton, {}, grid->CellRect(column, row).center());
        QMenu* menu = grid->CellMenu();
        ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }, 2000)) << "the menu did not open";
        QAction* item = Named(menu, text);
        ASSERT_NE(item, nullptr) << text.toStdString() << " in " << Texts(menu).join('|').toStdString();
        ASSERT_TRUE(item->isEnabled());
        if (const char* dir = std::getenv("XTR_SHOT_DIR")) {
            QCoreApplication::processEvents();
            QGuiApplication::primaryScreen()->grabWindow(0).save(QString::fromLocal8Bit(dir) + "/20-list-popup-menu.png");
        }
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
        EXPECT_TRUE(QTest::qWaitFor([menu] { return !menu->isVisible(); }, 2000));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // A dispatch round delivers what the grid posted.
    void Deliver() { time->Advance(20); }

    QMenu* EditMenu() const
    {
        for (QAction* action : form->menuBar()->actions()) {
            if (action->text() == QStringLiteral("&Edit")) {
                return action->menu();
            }
        }
        return nullptr;
    }
};

TEST_F(GridPopupMenu, ARowIsCopiedAndPastedThroughTheMenuOpenedWithTheRightButton)
{
    form->show();
    ui::cuiGrid* grid = Show(kConvChannels);
    grid->Model().SelectCell(kReceive, 1);
    Type("440.5");
    Press(Qt::Key_Return);
    ASSERT_NE(Text(grid, kReceive, 1), Text(grid, kReceive, 4));
    const auto before = Bytes(App().CurrentImage());

    Choose(grid, kReceive, 1, QStringLiteral("&Copy Rows"));
    EXPECT_EQ(grid->Model().CursorRow(), 1);
    EXPECT_EQ(Bytes(App().CurrentImage()), before);  // copying changes nothing
    // Copying marked the row; a left click ends that selection.
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->CellRect(kReceive, 4).center());
    Choose(grid, kReceive, 4, QStringLiteral("&Paste Rows"));
    EXPECT_EQ(grid->Model().CursorRow(), 4);
    for (int c = 1; c < 10; ++c) {
        EXPECT_EQ(Text(grid, c, 4), Text(grid, c, 1)) << "column " << c;
    }
    EXPECT_NE(Bytes(App().CurrentImage()), before);
    // The row below was left alone.
    EXPECT_NE(Text(grid, kReceive, 5), Text(grid, kReceive, 1));
}

TEST_F(GridPopupMenu, TheEditMenuShowsThePopupItemsOfTheCursorsCell)
{
    ui::cuiGrid* grid = Show(kConvChannels);
    grid->Model().SelectCell(kReceive, 2);
    Deliver();
    ASSERT_NE(grid->Model().PopupMenuBuilder(), nullptr);
    QMenu* edit = EditMenu();
    ASSERT_NE(edit, nullptr);
    const QStringList rowItems = Texts(grid->CellMenu());
    ASSERT_TRUE(rowItems.contains(QStringLiteral("&Paste Rows"))) << rowItems.join('|').toStdString();
    EXPECT_EQ(Texts(edit), rowItems);

    // Carrying the first row up is not possible; the Edit menu asks the
    // cell under the cursor, as the pop-up menu does.
    grid->Model().SelectCell(kReceive, 1);
    Deliver();
    QAction* up = Named(edit, QStringLiteral("Move Rows &Up"));
    ASSERT_NE(up, nullptr);
    EXPECT_FALSE(up->isEnabled());
    grid->Model().SelectCell(kReceive, 3);
    Deliver();
    up = Named(edit, QStringLiteral("Move Rows &Up"));
    ASSERT_NE(up, nullptr);
    EXPECT_TRUE(up->isEnabled());

    // Choosing the Edit menu's item acts on the cursor's row.
    const std::string third = Text(grid, kReceive, 3);
    up->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Text(grid, kReceive, 2), third);
}

TEST_F(GridPopupMenu, TheMenuGoesWhenTheGridLosesTheFocus)
{
    ui::cuiGrid* grid = Show(kConvChannels);
    ASSERT_NE(grid->Model().PopupMenuBuilder(), nullptr);
    auto* tree = form->findChild<QTreeWidget*>();
    ASSERT_NE(tree, nullptr);
    tree->setFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ(grid->Model().PopupMenuBuilder(), nullptr);
    Deliver();
    QMenu* edit = EditMenu();
    ASSERT_NE(edit, nullptr);
    EXPECT_FALSE(Texts(edit).contains(QStringLiteral("&Paste Rows")));
}

}  // namespace
}  // namespace xtr::test
