// The tree and the page it shows: choosing the node of the page already
// shown keeps that page as it is; rebuilding the tree (maker mode) closes
// the page, keeps its position for later and shows the first page again.
#include "grid_widget_fixture.h"

#include "ui/model/tree.h"

#include <QTreeWidget>

#include <gtest/gtest.h>

namespace xtr::test {
namespace {

class TreePages : public GridWidgetTest {
protected:
    QTreeWidget* TreeWidget() const { return form->findChild<QTreeWidget*>(); }
    static QTreeWidgetItem* Node(QTreeWidget* tree, const QString& text)
    {
        const auto found = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.front();
    }
    // Longer than the tree's change delay.
    void PassChangeDelay() { time->Advance(400); }
};

TEST_F(TreePages, ChoosingTheShownPagesNodeKeepsThePageAsItIs)
{
    form->show();
    PassChangeDelay();
    QTreeWidget* tree = TreeWidget();
    ASSERT_NE(tree, nullptr);
    QTreeWidgetItem* channels = Node(tree, QStringLiteral("Conventional channels"));
    ASSERT_NE(channels, nullptr);
    tree->setCurrentItem(channels);
    PassChangeDelay();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(App().ShownSheetReference(), kConvChannels);
    ui::SheetPanel* page = form->Page();
    ASSERT_NE(page, nullptr);
    page->Grid()->Model().SelectCell(kReceive, 5);

    // Away to its sub-page's node and back before the delay ran out: the
    // shown page's node is selected again, and the page stays.
    tree->setCurrentItem(Node(tree, QStringLiteral("CTCSS")));
    tree->setCurrentItem(channels);
    PassChangeDelay();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(form->Page(), page);
    EXPECT_EQ(page->Grid()->Model().CursorRow(), 5);
}

TEST_F(TreePages, EnteringMakerModeRebuildsTheTreeAndShowsAPageAgain)
{
    form->show();
    PassChangeDelay();
    ASSERT_TRUE(App().ShowSheet(kConvChannels));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    form->Page()->Grid()->Model().SelectCell(kReceive, 6);
    const ui::SheetPanel* before = form->Page();

    for (char c : std::string("kestrel")) {
        App().KeyTyped(c);
    }
    ASSERT_TRUE(App().MakerMode());
    PassChangeDelay();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QTreeWidget* tree = TreeWidget();
    ASSERT_NE(tree, nullptr);
    EXPECT_NE(Node(tree, QStringLiteral("Factory: receiver and tones")), nullptr);
    EXPECT_NE(Node(tree, QStringLiteral("Factory: synthesizer and timing")), nullptr);
    // The old page closed; the first node's page is shown.
    EXPECT_NE(form->Page(), before);
    ASSERT_NE(form->Page(), nullptr);
    EXPECT_EQ(App().ShownSheetReference(), "[St_Common]GI_Sheet_Common");
    EXPECT_EQ(tree->currentItem(), tree->topLevelItem(0));

    // The channel page opens again where it was left.
    ASSERT_TRUE(App().ShowSheet(kConvChannels));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(form->Page()->Grid()->Model().CursorRow(), 6);
}

}  // namespace
}  // namespace xtr::test
