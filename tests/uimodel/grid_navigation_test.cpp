// Keyboard navigation over the selectable cells of a sheet, and the keys
// the grid turns into commands instead of moves.
#include "grid_fixture.h"

#include <gtest/gtest.h>

namespace xtr {
namespace {

using test::GridRig;
using Pos = std::pair<int, int>;

TEST(GridNavigation, StartsOnTheNearestSelectableCell)
{
    GridRig rig({"a|b|c", "d|{S}e|{S}f", "{S}g|h|i"});
    EXPECT_EQ(rig.Cursor(), Pos(1, 1));
}

TEST(GridNavigation, RightOverAnEmptyGapAndAtTheEdge)
{
    GridRig rig({"x|{S}a|b|c|{S}d"});
    EXPECT_EQ(rig.Cursor(), Pos(1, 0));
    rig.grid.KeyDown(gridkey::kRight, false);
    EXPECT_EQ(rig.Cursor(), Pos(4, 0));
    EXPECT_TRUE(rig.handler.seen.empty());

    // Nothing selectable further right: the cell gets the key instead.
    rig.grid.KeyDown(gridkey::kRight, false);
    EXPECT_EQ(rig.Cursor(), Pos(4, 0));
    ASSERT_EQ(rig.handler.Keys(), (std::vector<std::int32_t>{cellkey::kRight}));
    rig.handler.seen.clear();
    rig.grid.KeyDown(gridkey::kLeft, false);
    rig.grid.KeyDown(gridkey::kLeft, false);
    EXPECT_EQ(rig.Cursor(), Pos(1, 0));
    EXPECT_EQ(rig.handler.Keys(), (std::vector<std::int32_t>{cellkey::kLeft}));
}

TEST(GridNavigation, RightFromTheEndOfARowTakesTheRowClosestToTheAnchor)
{
    // Column 2 holds selectable cells in rows 0 and 3 only; from row 2 the
    // closer one is row 3.
    GridRig rig({"a|b|{S}c", "d|e|f", "{S}g|h|i", "j|k|{S}l"});
    rig.grid.SelectCell(0, 2);
    rig.grid.KeyDown(gridkey::kDown, false);  // nothing below: keyboard anchor stays at row 2
    rig.grid.KeyDown(gridkey::kRight, false);
    EXPECT_EQ(rig.Cursor(), Pos(2, 3));
}

TEST(GridNavigation, TiesGoToTheSmallerIndex)
{
    GridRig rig({"a|{S}b", "{S}c|d", "e|{S}f"});
    rig.grid.SelectCell(0, 1);
    rig.grid.KeyDown(gridkey::kUp, false);  // nothing above in column 0 or rows above: stays, anchor (0,1)
    rig.grid.KeyDown(gridkey::kRight, false);
    EXPECT_EQ(rig.Cursor(), Pos(1, 0));
}

TEST(GridNavigation, DownKeepsToTheColumnAcrossOtherSelectableRows)
{
    GridRig rig({"{S}a|b|c", "d|{S}e|f", "{S}g|h|i", "j|k|{S}l", "m|n|{S}o"});
    rig.grid.KeyDown(gridkey::kDown, false);
    EXPECT_EQ(rig.Cursor(), Pos(0, 2));  // over row 1's selectable cell
    // Column 0 has nothing below: the next row's cell closest to column 0.
    rig.grid.KeyDown(gridkey::kDown, false);
    EXPECT_EQ(rig.Cursor(), Pos(2, 3));
    rig.grid.KeyDown(gridkey::kDown, false);
    EXPECT_EQ(rig.Cursor(), Pos(2, 4));
}

TEST(GridNavigation, CtrlUpAndHomeEndDoNotMove)
{
    GridRig rig({"{S}a", "{S}b", "{S}c"});
    rig.grid.KeyDown(gridkey::kDown, false);
    EXPECT_TRUE(rig.grid.KeyDown(gridkey::kUp, true));
    EXPECT_TRUE(rig.grid.KeyDown(gridkey::kDown, true));
    EXPECT_TRUE(rig.grid.KeyDown(gridkey::kHome, false));
    EXPECT_TRUE(rig.grid.KeyDown(gridkey::kEnd, false));
    EXPECT_EQ(rig.Cursor(), Pos(0, 1));
    EXPECT_TRUE(rig.handler.seen.empty());
}

TEST(GridNavigation, PageKeysMoveTenRowsAndFunctionKeysAreCommands)
{
    std::vector<std::string> lines;
    for (int i = 0; i < 25; ++i) {
        lines.push_back("{S}r");
    }
    GridRig rig(lines);
    rig.grid.KeyDown(gridkey::kPageDown, false);
    EXPECT_EQ(rig.Cursor(), Pos(0, 10));
    rig.grid.KeyDown(gridkey::kPageDown, false);
    rig.grid.KeyDown(gridkey::kPageDown, false);
    EXPECT_EQ(rig.Cursor(), Pos(0, 24));
    rig.grid.KeyDown(gridkey::kPageUp, false);
    EXPECT_EQ(rig.Cursor(), Pos(0, 14));

    EXPECT_TRUE(rig.grid.KeyDown(gridkey::kF1, false));
    EXPECT_TRUE(rig.grid.KeyDown(gridkey::kF12, false));
    EXPECT_FALSE(rig.grid.KeyDown('A', false));
    rig.grid.KeyPress('7');
    EXPECT_EQ(rig.handler.Keys(), (std::vector<std::int32_t>{0x7000, 0x7B00, '7'}));
}

TEST(GridNavigation, ListsWrapOnlyWhenShownWhole)
{
    GridRig rig({"{S}one", "{S}two", "{S}three"}, "", true);
    rig.grid.SetScrollBars(false);
    rig.grid.SelectCell(0, 2);
    rig.grid.KeyDown(gridkey::kDown, false);
    EXPECT_EQ(rig.Cursor(), Pos(0, 0));
    rig.grid.KeyDown(gridkey::kUp, false);
    EXPECT_EQ(rig.Cursor(), Pos(0, 2));

    // With scroll bars the list stops at its ends.
    rig.grid.SetScrollBars(true);
    rig.grid.KeyDown(gridkey::kDown, false);
    EXPECT_EQ(rig.Cursor(), Pos(0, 2));
}

TEST(GridNavigation, ReachingTheFirstSelectableRowScrollsBackToTheTop)
{
    std::vector<std::string> lines{"Header", "Labels"};
    for (int i = 0; i < 40; ++i) {
        lines.push_back("{S}v");
    }
    GridRig rig(lines, "(FixedRows=1)");
    rig.grid.SetClientSize(100, 10);  // ten one-unit rows
    rig.grid.KeyDown(gridkey::kPageDown, false);
    rig.grid.KeyDown(gridkey::kPageDown, false);
    EXPECT_GT(rig.grid.Geometry().TopRow(), 2);
    rig.grid.KeyDown(gridkey::kPageUp, false);
    rig.grid.KeyDown(gridkey::kPageUp, false);
    EXPECT_EQ(rig.Cursor(), Pos(0, 2));
    // The label row above the first field shows again.
    EXPECT_EQ(rig.grid.Geometry().TopRow(), 1);
}

}  // namespace
}  // namespace xtr
