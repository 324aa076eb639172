// The common part of the cell dispatch: cells without behaviour, keys,
// pop-up commands, list rows, the repaint criteria and the notices.
#include "cell_rig.h"

#include "cells/cell_names.h"

#include <gtest/gtest.h>

#include <iostream>
#include <set>
#include <vector>

namespace xtr {
namespace {

using test::CellRig;

const char kOverlay[] = "#GI_Sys_AppTitle\nXT-R450\n#End_Of_Ovl\n";

// What the test handlers saw.
struct Seen {
    int calls = 0;
    std::int32_t key = -1;
    std::int32_t popup = -1;
    int recordSlot = -1;
    std::int32_t recordRow = -1;
    std::uint8_t resultBits = 0;
    std::uint32_t addScope = 0;
    bool setScope = false;
    std::uint32_t scopeTo = 0;
};
Seen g_seen;

void Recorder(CellCall& call)
{
    ++g_seen.calls;
    g_seen.key = call.rq.key;
    g_seen.popup = call.rq.popupCommand;
    g_seen.recordSlot = call.record != nullptr ? call.record->Slot() : -1;
    g_seen.recordRow = call.record != nullptr ? call.record->Row() : -1;
    call.rq.result |= g_seen.resultBits;
    call.rq.displayText = "seen";
    call.AddScope(g_seen.addScope);
    if (g_seen.setScope) {
        call.SetScope(g_seen.scopeTo);
    }
    if (call.rq.key == cellkey::kEnter) {
        call.editorKind = celleditor::kInPlace;
    }
}

// List rows: packed lists use `count`, the conventional channels `convUsed`
// and the block frequencies `blockUsed`.
struct Rows {
    std::int32_t count = 0;
    std::set<std::int32_t> convUsed;
    std::set<std::int32_t> blockUsed;
    std::vector<std::pair<int, std::int32_t>> popups;  // command, row
};
Rows g_rows;

class FakeRecord : public CellRecord {
public:
    void Load(int slot, std::int32_t row) override
    {
        slot_ = slot;
        row_ = row;
    }
    int Slot() const override { return slot_; }
    std::int32_t Row() const override { return row_; }
    bool InUse() const override
    {
        return slot_ == 12 ? g_rows.convUsed.count(row_) != 0
               : slot_ == 8 ? g_rows.blockUsed.count(row_) != 0
                            : row_ < g_rows.count;
    }
    bool Appendable() const override { return slot_ == 12 || slot_ == 8 || row_ <= g_rows.count; }

private:
    int slot_ = 0;
    std::int32_t row_ = 0;
};

CellListHooks FakeHooks()
{
    CellListHooks hooks;
    hooks.createRecord = [](cmcEeprom&) -> std::unique_ptr<CellRecord> { return std::make_unique<FakeRecord>(); };
    hooks.popupCommand = [](CellCall& call, std::int32_t command) {
        g_rows.popups.push_back({command, call.record->Row()});
    };
    return hooks;
}

struct ScopeLog {
    int calls = 0;
    std::uint32_t scope = 0;
};

void LogScope(void* context, const cmcCellCapsule&, std::uint32_t scope)
{
    *static_cast<ScopeLog*>(context) = {static_cast<ScopeLog*>(context)->calls + 1, scope};
}

class CellDispatch : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_seen = {};
        g_rows = {};
    }
    CellRig rig{kOverlay};
};

TEST_F(CellDispatch, PlaceholderCellsShowNotYetAndFreeLabelsTheirCaption)
{
    indActiveCell cells(rig.host);  // the program's own registry
    for (std::int32_t id : {static_cast<std::int32_t>(CL_SysMes_Sure), static_cast<std::int32_t>(FlexKeyOpt)}) {
        rig.Request(id).key = cellkey::kEnter;
        EXPECT_EQ(cells.Dispatch(rig.rq, true), celleditor::kNone);
        EXPECT_EQ(rig.rq.displayText, std::to_string(id) + " *Yet*");
    }
    for (std::int32_t id : {static_cast<std::int32_t>(Flex0), static_cast<std::int32_t>(FlexDtcs),
                            static_cast<std::int32_t>(CL_Null)}) {
        rig.Request(id);
        rig.cell.caption = "Tone\nlist";
        cells.Dispatch(rig.rq, false);
        EXPECT_EQ(rig.rq.displayText, id == CL_Null ? "" : "Tone\nlist") << id;
    }
}

TEST_F(CellDispatch, NoOpCellsAnswerNothingAndChangeNothing)
{
    indActiveCell cells(rig.host);
    ScopeLog log;
    int count = 0;
    for (std::int32_t id = 0; id <= kCellNone; ++id) {
        if (!IsNoOpCell(id)) {
            continue;
        }
        ++count;
        cmcCellCapsule& rq = rig.Request(id);
        rq.key = cellkey::kEnter;
        rq.displayText = "stale";
        rq.changeNotify = LogScope;
        rq.changeContext = &log;
        EXPECT_EQ(cells.Dispatch(rq, true), celleditor::kNone) << id;
        EXPECT_EQ(rq.displayText, "") << id;
    }
    EXPECT_EQ(count, 17);
    EXPECT_EQ(log.calls, 0);
    EXPECT_EQ(rig.host.imageChanged, 0);

    // A request without a cell object is answered the same way.
    cmcCellCapsule empty;
    empty.key = cellkey::kEnter;
    EXPECT_EQ(cells.Dispatch(empty, true), celleditor::kNone);
}

// Lists the cells the program does not answer yet; each of them must answer
// with nothing rather than with a made-up text or an editor.
TEST_F(CellDispatch, UnboundCellsDoNotPretend)
{
    const CellRegistry& registry = DefaultCellRegistry();
    const std::vector<std::int32_t> unbound = registry.Unanswered();
    indActiveCell cells(rig.host);
    std::string names;
    for (std::int32_t id : unbound) {
        EXPECT_FALSE(IsYetCell(id) || IsNoOpCell(id) || id == Flex0 || id == FlexDtcs) << id;
        rig.Request(id).key = cellkey::kEnter;
        EXPECT_EQ(cells.Dispatch(rig.rq, true), celleditor::kNone) << id;
        EXPECT_EQ(rig.rq.displayText, "") << id;
        EXPECT_FALSE(rig.rq.HasError() || rig.rq.HasWarning()) << id;
        names += " " + std::string(CellName(id));
    }
    std::cout << "[ cells   ] " << unbound.size() << " of " << kCellCount << " cells not bound yet:" << names << "\n";
    EXPECT_TRUE(registry.IsAnswered(CL_SysMes_Sure));
    EXPECT_TRUE(registry.IsAnswered(CL_TE_TD));
}

TEST_F(CellDispatch, ActivationIsEnterAndChangesAreAnnounced)
{
    rig.registry.Register(CL_Comm_TOTTimer, Recorder);
    rig.Key(CL_Comm_TOTTimer, cellkey::kActivate);
    EXPECT_EQ(g_seen.key, cellkey::kEnter);
    EXPECT_EQ(rig.editor, celleditor::kInPlace);
    EXPECT_EQ(rig.host.imageChanged, 1);

    rig.Show(CL_Comm_TOTTimer);
    EXPECT_EQ(rig.host.imageChanged, 1) << "showing changes nothing";
    rig.Commit(CL_Comm_TOTTimer, "5");
    rig.Request(CL_Comm_TOTTimer).popupCommand = CL_PMenu_Copy;
    rig.Run();
    EXPECT_EQ(rig.host.imageChanged, 3);
}

TEST_F(CellDispatch, RepaintCriteriaGrowWithPopupsListRowsAndTheCell)
{
    rig.registry.Register(CL_Comm_TOTTimer, Recorder);
    rig.registry.Register(CL_PersConv_Nar, Recorder);
    rig.registry.SetListHooks(FakeHooks());
    g_rows.convUsed = {3};
    ScopeLog log;
    auto run = [&](std::int32_t id, std::uint32_t category, std::int32_t popup, bool notify) {
        cmcCellCapsule& rq = rig.Request(id, 3, category);
        rq.popupCommand = popup;
        rq.changeNotify = LogScope;
        rq.changeContext = &log;
        rig.Run(notify);
        return log.scope;
    };
    EXPECT_EQ(run(CL_Comm_TOTTimer, kCategoryNone, 0, true), cellscope::kThisCell);
    EXPECT_EQ(run(CL_Comm_TOTTimer, kCategoryNone, CL_PMenu_Paste, true), 33u);
    EXPECT_EQ(run(CL_PersConv_Nar, CT_Conv, 0, true), cellscope::kThisCell | cellscope::kSameRow);
    g_seen.addScope = cellscope::kEveryCell;
    EXPECT_EQ(run(CL_PersConv_Nar, CT_Conv, 0, true), 0x29u);
    g_seen.setScope = true;
    g_seen.scopeTo = cellscope::kSameId;
    EXPECT_EQ(run(CL_PersConv_Nar, CT_Conv, 0, true), cellscope::kSameId);
    const int calls = log.calls;
    run(CL_PersConv_Nar, CT_Conv, 0, false);
    EXPECT_EQ(log.calls, calls) << "no notification without the notify flag";
}

TEST_F(CellDispatch, PopupCommandsActOnTheCellOrOnTheRowUnderTheMenu)
{
    rig.registry.Register(CL_PersConv_Nar, Recorder);
    rig.registry.Register(CL_PMenu_Paste, Recorder);
    rig.registry.SetListHooks(FakeHooks());

    rig.Request(CL_PersConv_Nar, 7, CT_Conv).popupCommand = CL_PMenu_Edit;
    EXPECT_EQ(rig.Run(), celleditor::kInPlace) << "Edit is Enter on the cell";
    EXPECT_EQ(g_seen.popup, 0);

    rig.Request(CL_PersConv_Nar, 7, CT_Conv).popupCommand = CL_PMenu_Delete;
    rig.Run();
    EXPECT_EQ(g_seen.calls, 1) << "a row command skips the cell's own part";
    ASSERT_EQ(g_rows.popups.size(), 1u);
    EXPECT_EQ(g_rows.popups[0], std::make_pair(static_cast<int>(CL_PMenu_Delete), 7));

    // A pop-up menu cell asked for its state works on the row under the menu.
    cmcCellObj ownerCell;
    ownerCell.category = CT_BlockFreq;
    ownerCell.cellId = CL_NetBlock_FreqRx;
    ownerCell.index = 12;
    cmcCellCapsule owner;
    owner.cell = &ownerCell;
    rig.Request(CL_PMenu_Paste, 0, CT_PopupMenu).owner = &owner;
    rig.Run();
    EXPECT_EQ(g_seen.recordSlot, 8);
    EXPECT_EQ(g_seen.recordRow, 12);
}

// Where an arrow key on (cell, row) sends the cursor: {cell, row}, or
// {0, -1} when the cell takes the key itself.
std::pair<std::int32_t, std::int32_t> ArrowTo(CellRig& rig, std::int32_t id, std::int32_t row, std::uint32_t category)
{
    rig.Request(id, row, category).key = cellkey::kDown;
    rig.Run();
    if (!rig.rq.redirect) {
        return {0, -1};
    }
    EXPECT_EQ(rig.rq.redirectCategory, category);
    EXPECT_EQ(rig.rq.redirectKey, cellkey::kDown);
    return {rig.rq.redirectCellId, rig.rq.redirectIndex};
}

TEST_F(CellDispatch, ArrowKeysKeepTheCursorOutOfUnusedRowsOfContiguousLists)
{
    for (std::int32_t id : {CL_Pers5digit_pfix, CL_Pers5digit_chars, CL_PersConv_ToneRx, CL_NetBlock_FreqTx}) {
        rig.registry.Register(id, Recorder);
    }
    rig.registry.SetListHooks(FakeHooks());
    g_rows.count = 2;
    g_rows.convUsed = {0, 1};
    g_rows.blockUsed = {0, 1, 2, 5};
    using P = std::pair<std::int32_t, std::int32_t>;

    // Packed list: any column of an unused row goes to the number column of
    // the first free row; the number column past it goes back one row.
    EXPECT_EQ(ArrowTo(rig, CL_Pers5digit_pfix, 9, CT_5Digit), P(CL_Pers5digit_chars, 2));
    EXPECT_EQ(ArrowTo(rig, CL_Pers5digit_chars, 4, CT_5Digit), P(CL_Pers5digit_chars, 3));
    EXPECT_EQ(g_seen.calls, 0);
    EXPECT_EQ(ArrowTo(rig, CL_Pers5digit_chars, 2, CT_5Digit), P(0, -1));
    EXPECT_EQ(ArrowTo(rig, CL_Pers5digit_pfix, 1, CT_5Digit), P(0, -1));
    EXPECT_EQ(g_seen.calls, 2);

    // A channel row is entered on itself, a block on the first row without one.
    EXPECT_EQ(ArrowTo(rig, CL_PersConv_ToneRx, 6, CT_Conv), P(CL_PersConv_FreqRx, 6));
    EXPECT_EQ(ArrowTo(rig, CL_PersConv_ToneRx, 1, CT_Conv), P(0, -1));
    EXPECT_EQ(ArrowTo(rig, CL_NetBlock_FreqTx, 7, CT_BlockFreq), P(CL_NetBlock_FreqCH, 3));

    // Other keys are not redirected.
    rig.Request(CL_Pers5digit_pfix, 9, CT_5Digit).key = cellkey::kEnter;
    rig.Run();
    EXPECT_FALSE(rig.rq.redirect);
}

TEST_F(CellDispatch, RunCellAndTheErrorAndWarningOfACell)
{
    rig.registry.Register(CL_Comm_TOTTimer, Recorder);
    indActiveCell cells(rig.host, rig.registry);
    cmcCellObj menuCell;
    menuCell.cellId = CL_Comm_TOTTimer;
    EXPECT_EQ(cells.RunCell(menuCell, cellkey::kEnter), celleditor::kInPlace);

    g_seen.resultBits = cellresult::kWarning;
    EXPECT_FALSE(cells.ErrorOf(kCategoryNone, CL_Comm_TOTTimer, 0));
    EXPECT_TRUE(cells.WarningOf(kCategoryNone, CL_Comm_TOTTimer, 0));
    EXPECT_EQ(g_seen.key, cellkey::kNone) << "the checks only look";

    // Stale bits of an earlier answer do not survive a new dispatch.
    g_seen.resultBits = 0;
    rig.Request(CL_Comm_TOTTimer).result = cellresult::kError | cellresult::kWarning | cellresult::kCallerBit0;
    rig.Run();
    EXPECT_EQ(rig.rq.result, cellresult::kCallerBit0);
}

// Pop-up commands that are no row command, or that reach a cell outside any
// list, run neither the cell nor the list; they still repaint every cell and
// count as a change. An arrow key that comes with a pop-up command is no
// cursor move.
TEST_F(CellDispatch, PopupCommandsWithoutARowRunNothingButRepaintEverything)
{
    rig.registry.Register(CL_Comm_TOTTimer, Recorder);
    rig.registry.Register(CL_PersConv_Nar, Recorder);
    rig.registry.Register(CL_PersConv_ToneRx, Recorder);
    rig.registry.SetListHooks(FakeHooks());
    ScopeLog log;
    auto run = [&](std::int32_t id, std::int32_t row, std::uint32_t category, std::int32_t popup, std::int32_t key) {
        cmcCellCapsule& rq = rig.Request(id, row, category);
        rq.popupCommand = popup;
        rq.key = key;
        rq.changeNotify = LogScope;
        rq.changeContext = &log;
        return rig.Run();
    };

    EXPECT_EQ(run(CL_Comm_TOTTimer, 0, kCategoryNone, CL_PMenu_Delete, cellkey::kNone), celleditor::kNone);
    EXPECT_TRUE(g_rows.popups.empty()) << "a cell outside the lists has no row to delete";
    EXPECT_EQ(log.scope, cellscope::kThisCell | cellscope::kEveryCell);
    EXPECT_EQ(rig.host.imageChanged, 1);

    EXPECT_EQ(run(CL_PersConv_Nar, 4, CT_Conv, CL_PMenu_NoItem, cellkey::kNone), celleditor::kNone);
    EXPECT_TRUE(g_rows.popups.empty()) << "only Copy to Insert are row commands";
    EXPECT_EQ(log.scope, cellscope::kThisCell | cellscope::kEveryCell | cellscope::kSameRow);
    EXPECT_EQ(rig.host.imageChanged, 2);

    run(CL_PersConv_ToneRx, 6, CT_Conv, CL_PMenu_Copy, cellkey::kDown);
    EXPECT_FALSE(rig.rq.redirect);
    ASSERT_EQ(g_rows.popups.size(), 1u);
    EXPECT_EQ(g_rows.popups[0], std::make_pair(static_cast<int>(CL_PMenu_Copy), 6));
    EXPECT_EQ(g_seen.calls, 0);
    EXPECT_EQ(log.calls, 3);
}

// A pop-up menu cell without a cell under its menu has no row of its own; an
// arrow key on a cell outside the lists goes to the cell.
TEST_F(CellDispatch, WithoutAnOwnerRowThePopupMenuCellWorksAlone)
{
    rig.registry.Register(CL_PMenu_Paste, Recorder);
    rig.registry.Register(CL_Comm_TOTTimer, Recorder);
    rig.registry.SetListHooks(FakeHooks());
    ScopeLog log;
    cmcCellObj ownerCell;
    ownerCell.category = CT_Conv;
    ownerCell.cellId = kCellNone;
    ownerCell.index = 5;
    cmcCellCapsule withNoneCell;
    withNoneCell.cell = &ownerCell;
    cmcCellCapsule withoutCell;
    const std::vector<const cmcCellCapsule*> owners = {nullptr, &withoutCell, &withNoneCell};
    for (const cmcCellCapsule* owner : owners) {
        cmcCellCapsule& rq = rig.Request(CL_PMenu_Paste, 0, CT_PopupMenu);
        rq.owner = owner;
        rq.changeNotify = LogScope;
        rq.changeContext = &log;
        rig.Run();
        EXPECT_EQ(g_seen.recordSlot, -1);
        EXPECT_EQ(log.scope, cellscope::kThisCell);
    }
    EXPECT_EQ(g_seen.calls, 3);
    EXPECT_EQ(rig.host.imageChanged, 0) << "asking a menu entry for its state changes nothing";

    rig.Request(CL_Comm_TOTTimer, 2, kCategoryNone).key = cellkey::kUp;
    rig.Run();
    EXPECT_FALSE(rig.rq.redirect);
    EXPECT_EQ(g_seen.key, cellkey::kUp);
    EXPECT_EQ(rig.rq.redirectCellId, CL_Comm_TOTTimer) << "the redirect fields start on the cell itself";
    EXPECT_EQ(rig.rq.redirectIndex, 2);
    EXPECT_EQ(rig.rq.redirectCategory, kCategoryNone);
    EXPECT_EQ(rig.host.imageChanged, 1);
}

TEST(CellRegistryDeath, BindingACellTwiceIsAFaultOfTheBuild)
{
    CellRegistry registry;
    registry.Register(CL_Comm_TOTTimer, Recorder);
    EXPECT_EXIT(registry.Register(CL_Comm_TOTTimer, Recorder), ::testing::ExitedWithCode(3), "CL_Comm_TOTTimer");
    EXPECT_EXIT(registry.Register(kCellNone, Recorder), ::testing::ExitedWithCode(3), std::to_string(kCellNone));
}

}  // namespace
}  // namespace xtr
