// The application object's menu, tool bar and tree over the shipped
// overlay: what AttachForm builds, the factory pages that only maker mode
// keeps, the placeholder of the empty Edit menu and the tree's selection.
#include "app_fixture.h"

#include "app/events.h"
#include "app/globals.h"
#include "cells/active_cell.h"
#include "cells/cell_names.h"
#include "overlay/gtex.h"
#include "ui/model/menu_builder.h"
#include "ui/model/tool_bar.h"
#include "ui/model/tree.h"

#include <algorithm>

namespace xtr::test {
namespace {

std::vector<std::string> TreeCaptions(const cuiTree& tree)
{
    std::vector<std::string> captions;
    for (TreeNodeId id : tree.FlatOrder()) {
        captions.push_back(tree.CellOf(id)->Caption());
    }
    return captions;
}

TEST_F(AppTest, AttachingBuildsMenuToolBarAndTreeFromTheOverlay)
{
    StartAttached();
    ASSERT_NE(App().MainMenu(), nullptr);
    EXPECT_EQ(form.menu.Captions(), (std::vector<std::string>{"&File", "&Edit", "&View", "&Port", "&Clone", "&Help"}));
    ASSERT_NE(App().ToolBar(), nullptr);
    EXPECT_EQ(App().ToolBar()->ButtonCount(), 12);
    ASSERT_NE(App().Tree(), nullptr);
    EXPECT_EQ(form.treeViews, 1);
    EXPECT_TRUE(form.tree->visible);
    // Built hidden, shown once set up.
    EXPECT_EQ(form.tree->visibilityChanges, 2);
    EXPECT_EQ(App().Tree()->Selected(), App().Tree()->FlatOrder().front());
    EXPECT_EQ(App().Tree()->ChangeDelay(), 300);
}

TEST_F(AppTest, ToolBarFollowsItsSettingAndTheViewCommandTogglesIt)
{
    Start();
    Env().toolbarVisible = 0;
    App().AttachForm(&form);
    EXPECT_FALSE(form.toolBar.visible);
    ASSERT_TRUE(App().RunCommand(AppCommand::ToggleToolBar, 0, {}));
    EXPECT_TRUE(form.toolBar.visible);
    EXPECT_EQ(Env().toolbarVisible, 1);
}

TEST_F(AppTest, FactoryPagesLeaveTheTreeOutsideMakerMode)
{
    StartAttached();
    EXPECT_EQ(App().Tree()->NodeCount(), 26);  // built with every page
    time->Advance(10);                          // event 25 prunes them
    const std::vector<std::string> pages = TreeCaptions(*App().Tree());
    EXPECT_EQ(pages.size(), 24u);
    EXPECT_EQ(pages.front(), "Common settings");
    for (const std::string& page : pages) {
        EXPECT_EQ(page.rfind("Factory", 0), std::string::npos) << page;
    }

    // The access word rebuilds the tree with them, and they stay.
    for (char c : std::string("kestrel")) {
        App().KeyTyped(c);
    }
    ASSERT_TRUE(App().MakerMode());
    EXPECT_EQ(form.treeViews, 2);
    time->Advance(20);
    EXPECT_EQ(App().Tree()->NodeCount(), 26);
    App().ImageLoaded(App().CurrentImage());
    EXPECT_EQ(App().Tree()->NodeCount(), 26);
}

TEST_F(AppTest, SelectionOnAPrunedFactoryPageMovesToAPageThatStays)
{
    StartAttached();
    cuiTree& tree = *App().Tree();
    const std::vector<TreeNodeId> all = tree.FlatOrder();
    tree.Select(all[24]);  // the first factory page, before the pruning round
    time->Advance(10);
    ASSERT_EQ(tree.NodeCount(), 24);
    ASSERT_NE(tree.SelectedCell(), nullptr);
    EXPECT_EQ(tree.SelectedCell()->Caption(), "User-defined characters");
    EXPECT_EQ(form.tree->selected, tree.Selected());
}

TEST_F(AppTest, EmptyEditMenuGetsThePlaceholderOnce)
{
    StartAttached();
    // Several refreshes before the fill arrives still fill it once.
    EvMan().Send(kEvRefreshMenus, 0, 0);
    EvMan().Send(kEvRefreshMenus, 0, 0);
    time->Advance(10);
    const MenuItemId edit = form.menu.Named("&Edit");
    ASSERT_EQ(form.menu.Children(edit).size(), 1u);
    EXPECT_EQ(App().EditMenuEntries(), 1);
    EvMan().Send(kEvRefreshMenus, 0, 0);
    const auto& placeholder = form.menu.At(form.menu.Children(edit)[0]);
    EXPECT_TRUE(placeholder.visible);
    EXPECT_FALSE(placeholder.enabled);
    time->Advance(10);
    EXPECT_EQ(form.menu.Children(edit).size(), 1u);
}

TEST_F(AppTest, TreeSelectionAsksForTheSheetAndAMissingSheetViewIsReportedNotFaked)
{
    StartAttached();
    time->Advance(400);
    // Without a sheet view in this program the page cannot open: the cell
    // answers with its error bit instead of passing for done.
    cmcCellObj cell = *App().Tree()->SelectedCell();
    cmcCellCapsule request;
    request.cell = &cell;
    request.key = cellkey::kEnter;
    indActiveCell(App()).Dispatch(request, false);
    EXPECT_TRUE(request.HasError());
    EXPECT_FALSE(App().RunCommand(AppCommand::ShowSheet, 0, *cell.parameter));
}

TEST_F(AppTest, ProblemsMarkTheTree)
{
    StartAttached();
    time->Advance(10);
    int errors = 0;
    int warnings = 0;
    App().CountProblems(errors, warnings);
    // Whatever the factory image holds, every sheet the check list names
    // is marked on its node (the nodes here are all expanded or leaves).
    const cuiTree& tree = *App().Tree();
    for (TreeNodeId id : tree.FlatOrder()) {
        const std::string sheet = tree.CellOf(id)->parameter.value_or("");
        const auto& problems = App().Problems();
        const bool error = std::count(problems.errorSheets.begin(), problems.errorSheets.end(), sheet) > 0;
        const bool warning = std::count(problems.warningSheets.begin(), problems.warningSheets.end(), sheet) > 0;
        if (error) {
            EXPECT_EQ(tree.OverlayOf(id), kOverlayError) << sheet;
        } else if (warning) {
            EXPECT_EQ(tree.OverlayOf(id), kOverlayWarning) << sheet;
        }
    }
}

TEST_F(AppTest, DetachingTheFormDropsMenuToolBarAndTree)
{
    StartAttached();
    App().DetachForm();
    EXPECT_EQ(App().MainMenu(), nullptr);
    EXPECT_EQ(App().ToolBar(), nullptr);
    EXPECT_EQ(App().Tree(), nullptr);
    EXPECT_TRUE(form.menu.Children().empty());
    EvMan().Send(kEvRefreshMenus, 0, 0);  // nobody is left to hear it
}

}  // namespace
}  // namespace xtr::test
