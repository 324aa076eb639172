// Mouse and focus in the grid: double clicks, list hovering and clicks, and
// the cell pop-up menu that follows the cursor while the grid has the focus.
#include "grid_fixture.h"

#include <gtest/gtest.h>

namespace xtr {
namespace {

using test::GridRig;
using Pos = std::pair<int, int>;

TEST(GridInput, DoubleClickActivatesOnlyTheCursorsCellAndTailsBelongToTheirOwner)
{
    // One unit per column and row: point (c, r) is cell (c, r).
    GridRig rig({"{S}a|{T}tail|{S}b"});
    rig.grid.DoubleClick(2, 0);  // not the cursor's cell
    EXPECT_TRUE(rig.handler.seen.empty());
    rig.grid.DoubleClick(1, 0);  // the tail of the cursor's cell
    EXPECT_EQ(rig.handler.Keys(), (std::vector<std::int32_t>{cellkey::kActivate}));
    // A click on the tail puts the cursor on its owner.
    rig.grid.SelectCell(2, 0);
    rig.grid.MousePress(MouseButton::Left, 1, 0);
    rig.grid.MouseRelease(MouseButton::Left, 1, 0);
    EXPECT_EQ(rig.Cursor(), Pos(0, 0));
    EXPECT_EQ(rig.handler.seen.size(), 1u);  // a page does not activate on release
}

TEST(GridInput, InAListTheCursorFollowsTheMouseAndAReleaseChooses)
{
    cmcCellObj opener;
    opener.cellId = CellIdOfName("CL_Aad_Type");
    cmcCellCapsule context;
    context.cell = &opener;
    GridRig rig({"{S}one", "{S}two", "{S}three"}, "", true, &context);
    rig.grid.MouseMove(0, 2);
    EXPECT_EQ(rig.Cursor(), Pos(0, 2));
    rig.host.editorVisible = true;  // not while editing
    rig.grid.MouseMove(0, 1);
    EXPECT_EQ(rig.Cursor(), Pos(0, 2));
    rig.host.editorVisible = false;
    rig.grid.MousePress(MouseButton::Left, 0, 1);
    rig.grid.MouseRelease(MouseButton::Left, 0, 1);
    EXPECT_EQ(rig.Cursor(), Pos(0, 1));
    ASSERT_EQ(rig.handler.seen.size(), 1u);
    EXPECT_EQ(rig.handler.seen[0].cellId, opener.cellId);
    EXPECT_EQ(rig.host.listsClosed, 1);
}

TEST(GridInput, ThePopupMenuFollowsTheCursorWhileTheGridHasTheFocus)
{
    GridRig rig({"{S(PopupMenu=Rows)}a", "{S}b", "{S}c"}, "", false, nullptr, "{(Font=,,,12)(PopupMenu=Cells)}");
    // Built for the first cell by the time the sheet is ready.
    ASSERT_FALSE(rig.host.menus.empty());
    EXPECT_EQ(rig.host.menus.back(), "Rows");
    rig.host.menus.clear();
    rig.grid.KeyDown(gridkey::kDown, false);  // a cell without its own: its template's
    rig.grid.KeyDown(gridkey::kDown, false);  // the same name: nothing is rebuilt
    EXPECT_EQ(rig.host.menus, (std::vector<std::string>{"", "Cells"}));
    EXPECT_EQ(rig.grid.PopupMenuName(), "Cells");

    rig.host.menus.clear();
    rig.host.focus = false;
    rig.grid.FocusLost();
    rig.grid.KeyDown(gridkey::kUp, false);
    rig.grid.KeyDown(gridkey::kUp, false);
    EXPECT_EQ(rig.host.menus, (std::vector<std::string>{""}));  // removed, and none without the focus

    rig.host.menus.clear();
    rig.host.focus = true;
    rig.grid.FocusGained();
    EXPECT_EQ(rig.host.menus, (std::vector<std::string>{"", "Rows"}));
    rig.grid.FocusGained();  // forced: rebuilt even under the same name
    EXPECT_EQ(rig.host.menus.size(), 4u);
}

}  // namespace
}  // namespace xtr
