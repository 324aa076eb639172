// A page closed for a rebuild (font size, new file, open, clone read) comes
// back through the periodic step, not inside the command that closed it:
// the same page, where the user left it, and only while the window shows.
#include "app_fixture.h"

#include "app/environ.h"
#include "app/globals.h"
#include "cells/ui_seams.h"
#include "image/demo_files.h"
#include "platform/executable_path.h"
#include "ui/model/tree.h"

namespace xtr::test {
namespace {

// A window whose right panel takes every sheet and reports a fixed cursor
// and scroll position for the one it shows.
class PageForm : public FakeMainForm {
public:
    bool ShowSheet(const std::string& reference, const SheetPosition& saved) override
    {
        shownPages.push_back(reference);
        savedPositions.push_back(saved);
        showing = true;
        return true;
    }
    void CloseSheet() override
    {
        ++closes;
        showing = false;
    }
    bool ShownSheetPosition(SheetPosition& position) const override
    {
        if (!showing) {
            return false;
        }
        position = SheetPosition{2, 7, 1, 4};
        return true;
    }

    std::vector<std::string> shownPages;
    std::vector<SheetPosition> savedPositions;
    int closes = 0;
    bool showing = false;
};

class ReopenTest : public AppTest {
protected:
    // The window goes before the application object that points to it.
    void TearDown() override
    {
        if (objects) {
            App().DetachForm();
        }
    }

    // The window is attached and shown, and the tree's first page is up.
    void StartWithPage()
    {
        Start();
        App().AttachForm(&pages);
        ASSERT_TRUE(pages.IsShown());
        time->Advance(400);  // past the tree's change delay
        ASSERT_EQ(pages.shownPages.size(), 1u);
        first = App().ShownSheetReference();
        ASSERT_FALSE(first.empty());
    }

    // A page reference other than the first one, from the tree.
    std::string OtherPage()
    {
        const cuiTree& tree = *App().Tree();
        for (TreeNodeId id : tree.FlatOrder()) {
            const cmcCellObj* cell = tree.CellOf(id);
            if (cell != nullptr && cell->parameter && *cell->parameter != first && !cell->parameter->empty()) {
                return *cell->parameter;
            }
        }
        return {};
    }

    PageForm pages;
    std::string first;
};

TEST_F(ReopenTest, FontSizeClosesThePageNowAndTheNextStepShowsItWhereItWasLeft)
{
    StartWithPage();
    const int closes = pages.closes;
    ASSERT_TRUE(App().RunCommand(AppCommand::FontSize, 150, ""));
    EXPECT_EQ(pages.closes, closes + 1);
    EXPECT_EQ(App().ShownSheetReference(), "");
    EXPECT_EQ(pages.shownPages.size(), 1u);  // not inside the command

    time->Advance(50);
    ASSERT_EQ(pages.shownPages.size(), 2u);
    EXPECT_EQ(pages.shownPages.back(), first);
    EXPECT_EQ(App().ShownSheetReference(), first);
    const SheetPosition saved = pages.savedPositions.back();
    EXPECT_EQ(saved.column, 2);
    EXPECT_EQ(saved.row, 7);
    EXPECT_EQ(saved.leftColumn, 1);
    EXPECT_EQ(saved.topRow, 4);

    // Once shown it stays: later steps show nothing more.
    time->Advance(500);
    EXPECT_EQ(pages.shownPages.size(), 2u);
}

TEST_F(ReopenTest, NewAndOpenReopenThroughTheStepAndAHiddenWindowWaits)
{
    StartWithPage();
    ASSERT_TRUE(App().FileNew());
    EXPECT_EQ(App().ShownSheetReference(), "");
    pages.shown = false;  // minimised to nothing, or not yet shown
    time->Advance(200);
    EXPECT_EQ(pages.shownPages.size(), 1u);
    pages.shown = true;
    time->Advance(50);
    ASSERT_EQ(pages.shownPages.size(), 2u);
    EXPECT_EQ(pages.shownPages.back(), first);

    ASSERT_TRUE(App().OpenFile(DataDirectory() + DemoFileName(Env().modelType)));
    EXPECT_EQ(App().ShownSheetReference(), "");
    time->Advance(50);
    ASSERT_EQ(pages.shownPages.size(), 3u);
    EXPECT_EQ(pages.shownPages.back(), first);
}

TEST_F(ReopenTest, APageShownMeanwhileIsNotReplacedByTheClosedOne)
{
    StartWithPage();
    const std::string other = OtherPage();
    ASSERT_FALSE(other.empty());
    ASSERT_TRUE(App().RunCommand(AppCommand::FontSize, 120, ""));
    ASSERT_TRUE(App().RunCommand(AppCommand::ShowSheet, 0, other));
    time->Advance(200);
    ASSERT_EQ(pages.shownPages.size(), 2u);
    EXPECT_EQ(App().ShownSheetReference(), other);
}

TEST_F(ReopenTest, NothingIsReopenedWhenNoPageWasShown)
{
    Start();
    App().AttachForm(&pages);
    const int closes = pages.closes;
    // Before the tree's change delay has passed no page is up; a font size
    // change then closes nothing and the step shows nothing of its own.
    ASSERT_TRUE(App().RunCommand(AppCommand::FontSize, 80, ""));
    time->Advance(100);
    EXPECT_TRUE(pages.shownPages.empty());
    EXPECT_EQ(pages.closes, closes);
}

}  // namespace
}  // namespace xtr::test
