// Commands from the grid to its cells: repeats and their waits, redirects,
// the in-place editor's opening, placement, commit and cancel, drop-down
// list choices, and the cells a change repaints.
#include "app/events.h"
#include "grid_fixture.h"

#include <gtest/gtest.h>

namespace xtr {
namespace {

using test::GridRig;
using Pos = std::pair<int, int>;

std::vector<std::string> Rows(int n)
{
    return {":(LoopFrom " + std::to_string(n) + ")", "{S(%CT_Aad.CL_Aad_Type)}t|{S-(%CT_Aad.CL_Aad_Value)}v",
            ":(LoopTo)"};
}

TEST(GridCommand, RepeatsWaitThirtyMillisecondsLessSixEachRound)
{
    GridRig rig(Rows(2));
    int rounds = 0;
    rig.handler.answer = [&](cmcCellCapsule& rq, bool notify) {
        if (notify && ++rounds < 8) {
            rq.redirectKey = 'r';
        }
        return 0;
    };
    rig.grid.KeyPress('a');
    EXPECT_EQ(rounds, 8);
    EXPECT_EQ(rig.handler.Keys(), (std::vector<std::int32_t>{'a', 'r', 'r', 'r', 'r', 'r', 'r', 'r'}));
    EXPECT_EQ(rig.host.pauses, (std::vector<int>{30, 24, 18, 12, 6}));
    EXPECT_EQ(rig.host.repaintsNow, 5);
}

TEST(GridCommand, ARedirectMovesTheCursorAndRepeatsThere)
{
    GridRig rig(Rows(3));
    const std::int32_t value = CellIdOfName("CL_Aad_Value");
    bool first = true;
    rig.handler.answer = [&](cmcCellCapsule& rq, bool notify) {
        if (notify && first) {
            first = false;
            rq.RedirectTo(rq.cell->category, value, 2, cellkey::kDelete);
        }
        return 0;
    };
    rig.grid.KeyPress('d');
    EXPECT_EQ(rig.Cursor(), Pos(1, 2));
    ASSERT_EQ(rig.handler.seen.size(), 2u);
    EXPECT_EQ(rig.handler.seen[1].cellId, value);
    EXPECT_EQ(rig.handler.seen[1].index, 2);
    EXPECT_EQ(rig.handler.seen[1].key, cellkey::kDelete);
}

TEST(GridCommand, EditorOpensCentredAndCommitsTheTypedText)
{
    // The first column's large font makes the rows 42 pixels high.
    GridRig rig({":(LoopFrom 2)", "{H(Font=,,,40)}Big|{S-W(%CT_Aad.CL_Aad_Value)}value", ":(LoopTo)"});
    rig.grid.KeyDown(gridkey::kDown, false);
    rig.handler.answer = [](cmcCellCapsule& rq, bool notify) {
        if (notify && rq.key == '5') {
            rq.displayText = "5";
            rq.selStart = 1;
            return celleditor::kInPlace;
        }
        return 0;
    };
    rig.grid.KeyPress('5');
    ASSERT_TRUE(rig.host.editorVisible);
    EXPECT_EQ(rig.host.editorText, "5");
    EXPECT_EQ(rig.host.selStart, 1);
    const Rect cell = rig.grid.Geometry().CellRect(1, 1);
    EXPECT_EQ(cell.Height(), 42);
    // Twelve pixels of text centred in 42: 15 below the top.
    EXPECT_EQ(rig.host.editorRect, (Rect{cell.left, cell.top + 15, cell.right, cell.top + 27}));

    rig.host.editorText = "512";
    rig.grid.EditorKeyDown(gridkey::kReturn, false);
    EXPECT_FALSE(rig.host.editorVisible);
    const auto& commit = rig.handler.seen.back();
    EXPECT_EQ(commit.commitMode, cellcommit::kStore);
    EXPECT_EQ(commit.key, 0);
    EXPECT_EQ(commit.editText, "512");
    EXPECT_EQ(commit.index, 1);
}

TEST(GridCommand, EscapeClosesTheEditorWithoutCommittingAndDownMovesOn)
{
    GridRig rig({":(LoopFrom 3)", "{SH(Font=,,,20)(%CT_Aad.CL_Aad_Type)}t", ":(LoopTo)"});
    rig.handler.answer = [](cmcCellCapsule& rq, bool notify) {
        return notify && rq.key == 'e' ? celleditor::kInPlace : 0;
    };
    rig.grid.KeyPress('e');
    ASSERT_TRUE(rig.host.editorVisible);
    const std::size_t before = rig.handler.seen.size();
    rig.grid.EditorEscape();
    EXPECT_FALSE(rig.host.editorVisible);
    EXPECT_EQ(rig.handler.seen.size(), before);

    rig.grid.KeyPress('e');
    rig.host.editorText = "x";
    EXPECT_TRUE(rig.grid.EditorKeyDown(gridkey::kDown, false));
    EXPECT_EQ(rig.handler.seen.back().editText, "x");
    EXPECT_EQ(rig.Cursor(), Pos(0, 1));
    // Other keys stay with the editor.
    EXPECT_FALSE(rig.grid.EditorKeyDown('A', false));
}

TEST(GridCommand, NoEditorOnACellLessThanTwoPixelsHigh)
{
    GridRig rig({"{S(%CT_Aad.CL_Aad_Value)}v"});  // rows of one unit
    rig.handler.answer = [](cmcCellCapsule&, bool notify) { return notify ? celleditor::kInPlace : 0; };
    rig.grid.KeyPress('1');
    EXPECT_FALSE(rig.host.editorVisible);
    EXPECT_EQ(rig.host.editorOpenings, 0);
}

TEST(GridCommand, AListChoosesForTheCellThatOpenedIt)
{
    cmcCellObj opener;
    opener.cellId = CellIdOfName("CL_Aad_Type");
    cmcCellCapsule context;
    context.cell = &opener;
    GridRig rig({"{S(%CT_Aad.CL_Aad_Type)}one", "{S(%CT_Aad.CL_Aad_Type[1])}two"}, "", true, &context);
    rig.grid.KeyDown(gridkey::kDown, false);
    const cmcCellObj* chosen = nullptr;
    std::uint8_t mode = 0;
    rig.handler.answer = [&](cmcCellCapsule& rq, bool notify) {
        if (notify) {
            chosen = rq.owner != nullptr ? rq.owner->cell : nullptr;
            mode = rq.commitMode;
        }
        return 0;
    };
    rig.grid.KeyPress('x');  // lists ignore typing
    EXPECT_TRUE(rig.handler.seen.empty());
    rig.grid.KeyPress(cellkey::kEnter);
    ASSERT_EQ(rig.handler.seen.size(), 1u);
    EXPECT_EQ(rig.handler.seen[0].cellId, opener.cellId);  // asked: the opening cell
    ASSERT_NE(chosen, nullptr);
    EXPECT_EQ(chosen->index, 1);  // with the item under the cursor as owner
    EXPECT_EQ(mode, cellcommit::kPreview);
    EXPECT_EQ(rig.host.listsClosed, 1);
}

TEST(GridCommand, RepaintByCriteriaInvalidatesTheMatchingCells)
{
    GridRig rig(Rows(4));
    auto count = [&](std::uint32_t category, std::int32_t id, std::int32_t index, std::uint32_t criteria) {
        rig.host.invalidated.clear();
        rig.grid.RepaintByCriteria(category, id, index, criteria);
        return rig.host.invalidated.size();
    };
    const std::uint32_t aad = rig.sheet->CellAt(0, 0).category;
    const std::int32_t value = CellIdOfName("CL_Aad_Value");
    EXPECT_EQ(count(aad, value, 2, cellscope::kThisCell), 1u);
    EXPECT_EQ(count(aad, value, 2, cellscope::kSameId), 4u);
    EXPECT_EQ(count(aad, value, 2, cellscope::kSameRow), 2u);
    EXPECT_EQ(count(aad, value, 2, cellscope::kNeighbourRows), 6u);
    EXPECT_EQ(count(aad, value, 2, cellscope::kRowsFrom), 4u);
    EXPECT_EQ(count(aad, value, 2, cellscope::kRowsUpTo), 6u);
    // Rows are no rows for a cell outside every list.
    EXPECT_EQ(count(kCategoryNone, value, 2, cellscope::kSameRow | cellscope::kRowsFrom), 0u);
    EXPECT_EQ(count(0, kCellNone, 0, cellscope::kEveryCell), 8u);
}

}  // namespace
}  // namespace xtr
