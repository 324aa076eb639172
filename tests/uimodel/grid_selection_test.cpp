// Multi-selection of cells and lines: ranges from the anchor, extension by
// Shift or a held button, line marks, and the selection a row command
// leaves behind.
#include "cells/lists/ch_commands.h"
#include "grid_fixture.h"

#include <gtest/gtest.h>

namespace xtr {
namespace {

using test::GridRig;
using Pos = std::pair<int, int>;

std::vector<std::string> ListRows(int rows)
{
    std::vector<std::string> lines{"No.|Type|Value"};
    lines.push_back(":(LoopFrom " + std::to_string(rows) + ")");
    lines.push_back("n|{S(%CT_Aad.CL_Aad_Type)}t|{S(%CT_Aad.CL_Aad_Value)}v");
    lines.push_back(":(LoopTo)");
    return lines;
}

// "S" for selected, "L" for line-marked only, "." otherwise, row by row.
std::string Marks(cuiSheet& sheet)
{
    std::string out;
    for (int r = 0; r < sheet.RowCount(); ++r) {
        for (int c = 0; c < sheet.ColumnCount(); ++c) {
            const clsSheetCellId& slot = sheet.SlotAt(c, r);
            out += slot.Selected() ? 'S' : (slot.LineMarked() ? 'L' : '.');
        }
        out += '/';
    }
    return out;
}

TEST(GridSelection, ShiftDownTwiceInLineModeMarksThreeRows)
{
    GridRig rig(ListRows(4), "(MultiSelect=Line)(FixedCols=1)");
    EXPECT_EQ(rig.Cursor(), Pos(1, 1));
    rig.host.shift = true;
    rig.grid.KeyDown(gridkey::kDown, false);
    rig.grid.KeyDown(gridkey::kDown, false);
    EXPECT_TRUE(rig.grid.MultiSelectionActive());
    // The fixed number column is never line-marked.
    EXPECT_EQ(Marks(*rig.sheet), ".../.SL/.SL/.SL/.../");
    EXPECT_TRUE(rig.grid.IsHighlighted(2, 3));
    EXPECT_FALSE(rig.grid.IsHighlighted(2, 4));

    // Back up one with Shift: the range shrinks towards the anchor.
    rig.grid.KeyDown(gridkey::kUp, false);
    EXPECT_EQ(Marks(*rig.sheet), ".../.SL/.SL/.../.../");

    // A move without Shift drops the selection.
    rig.host.shift = false;
    rig.grid.KeyDown(gridkey::kDown, false);
    EXPECT_FALSE(rig.grid.MultiSelectionActive());
    EXPECT_EQ(Marks(*rig.sheet), ".../.../.../.S./.../");
}

TEST(GridSelection, CellModeSelectsTheRectangleBetweenAnchorAndCursor)
{
    GridRig rig(ListRows(3), "(MultiSelect=Cell)");
    rig.host.shift = true;
    rig.grid.KeyDown(gridkey::kRight, false);
    rig.grid.KeyDown(gridkey::kDown, false);
    EXPECT_EQ(Marks(*rig.sheet), ".../.SS/.SS/.../");
}

TEST(GridSelection, ADraggedButtonExtendsAndNothingSpreadsWithoutAMode)
{
    GridRig rig(ListRows(3), "(MultiSelect=Line)");
    rig.grid.MousePress(MouseButton::Left, 0, 1);
    rig.grid.TimedScroll(0, 1);
    rig.grid.MouseRelease(MouseButton::Left, 0, 2);
    EXPECT_TRUE(rig.grid.MultiSelectionActive());
    EXPECT_EQ(Marks(*rig.sheet), ".../LSL/LSL/.../");

    GridRig plain(ListRows(3));
    plain.host.shift = true;
    plain.grid.KeyDown(gridkey::kDown, false);
    EXPECT_FALSE(plain.grid.MultiSelectionActive());
    EXPECT_FALSE(plain.grid.IsHighlighted(1, 1));
    EXPECT_TRUE(plain.grid.IsHighlighted(1, 2));
}

TEST(GridSelection, ARowCommandLeavesItsRowsSelected)
{
    GridRig rig(ListRows(5), "(MultiSelect=Line)");
    rig.host.shift = true;
    rig.grid.KeyDown(gridkey::kDown, false);
    rig.host.shift = false;
    // The command sees the rows selected (indexes 0 and 1) and answers
    // with rows 1 to 3 (a paste below, say).
    RowSelection seen;
    rig.handler.answer = [&](cmcCellCapsule& rq, bool notify) {
        if (notify) {
            seen = RowSelectionOf(rq);
            SelectRows(rq, 3, 1);
        }
        return 0;
    };
    rig.grid.PopupCommand(42);
    EXPECT_TRUE(seen.active);
    EXPECT_EQ(seen.first, 0);
    EXPECT_EQ(seen.last, 1);
    EXPECT_EQ(rig.handler.seen.back().popup, 42);
    EXPECT_TRUE(rig.grid.MultiSelectionActive());
    EXPECT_EQ(Marks(*rig.sheet), ".../.../LSL/LSL/LSL/.../");

    // A command that keeps no rows clears the selection.
    rig.handler.answer = nullptr;
    rig.grid.KeyPress('x');
    EXPECT_FALSE(rig.grid.MultiSelectionActive());
    EXPECT_EQ(Marks(*rig.sheet).find('L'), std::string::npos);
}

TEST(GridSelection, RightPressSelectsUnlessASelectionIsActiveAndOpensTheMenu)
{
    // One unit per column and row: the point (2, 3) is cell (2, 3).
    GridRig rig(ListRows(4), "(MultiSelect=Line)");
    rig.grid.MousePress(MouseButton::Right, 2, 3);
    EXPECT_EQ(rig.Cursor(), Pos(2, 3));
    ASSERT_EQ(rig.host.popupAt.size(), 1u);
    // On a label nothing is selected and no menu opens.
    rig.grid.MousePress(MouseButton::Right, 0, 0);
    EXPECT_EQ(rig.host.popupAt.size(), 1u);

    rig.host.shift = true;
    rig.grid.KeyDown(gridkey::kUp, false);
    rig.host.shift = false;
    rig.grid.MousePress(MouseButton::Right, 1, 4);
    EXPECT_EQ(rig.Cursor(), Pos(2, 2));  // the selection stays for the menu
    EXPECT_EQ(rig.host.popupAt.size(), 2u);
}

}  // namespace
}  // namespace xtr
