// The events a shown grid handles (repaint requests, the commit of an open
// editor) and the ones it posts for the rest of the program.
#include "app/events.h"
#include "app/globals.h"
#include "grid_fixture.h"
#include "support/manual_time.h"

#include <gtest/gtest.h>

#include <cstring>

namespace xtr {
namespace {

using test::GridRig;

struct Heard {
    static void Listen(void* context, const cmcEvent& event) { static_cast<Heard*>(context)->events.push_back(event); }
    std::vector<cmcEvent> events;
    bool Has(std::uint8_t type) const
    {
        return std::any_of(events.begin(), events.end(), [type](const cmcEvent& e) { return e.type == type; });
    }
};

class GridEvents : public ::testing::Test {
protected:
    GridEvents() { SetEvMan(&evman); }
    ~GridEvents() override { SetEvMan(nullptr); }
    void Round() { time->Advance(10); }

    test::ManualTimeGuard time;
    cmcEvMan evman;
};

std::vector<std::string> Rows()
{
    return {":(LoopFrom 4)", "{SH(Font=,,,20)(%CT_Aad.CL_Aad_Type)}t|{S(%CT_Aad.CL_Aad_Value)}v", ":(LoopTo)"};
}

TEST_F(GridEvents, RepaintRequestsInvalidateTheirCells)
{
    GridRig rig(Rows());
    rig.host.invalidated.clear();
    evman.Post(kEvRepaintIndex, 0, 2);
    Round();
    EXPECT_EQ(rig.host.invalidated.size(), 2u);
    rig.host.invalidated.clear();
    evman.Post(kEvRepaintCellId, 0, CellIdOfName("CL_Aad_Value"));
    Round();
    EXPECT_EQ(rig.host.invalidated.size(), 4u);
}

TEST_F(GridEvents, ACommitEventCommitsTheOpenEditor)
{
    GridRig rig(Rows());
    rig.handler.answer = [](cmcCellCapsule& rq, bool notify) {
        return notify && rq.key == 'e' ? celleditor::kInPlace : 0;
    };
    rig.grid.KeyPress('e');
    ASSERT_TRUE(rig.host.editorVisible);
    rig.host.editorText = "typed";
    evman.Post(kEvCommitEdit, 0, 0);
    Round();
    EXPECT_FALSE(rig.host.editorVisible);
    EXPECT_EQ(rig.handler.seen.back().editText, "typed");
}

TEST_F(GridEvents, MovesAndCommandsAreAnnounced)
{
    GridRig rig(Rows());
    Heard heard;
    evman.Register(&Heard::Listen, &heard);
    rig.grid.KeyDown(gridkey::kDown, false);
    Round();
    const auto moved = std::find_if(heard.events.begin(), heard.events.end(),
                                    [](const cmcEvent& e) { return e.type == kEvCursorCellMoved; });
    ASSERT_NE(moved, heard.events.end());
    ASSERT_EQ(moved->Length(), 12);
    std::int32_t index = -1;
    std::memcpy(&index, moved->Data() + 8, 4);
    EXPECT_EQ(index, 1);
    EXPECT_TRUE(heard.Has(kEvStatusText));

    heard.events.clear();
    rig.grid.KeyPress('x');  // a cell that does nothing still refreshes the menus
    Round();
    EXPECT_TRUE(heard.Has(kEvRefreshMenus));
    evman.Unregister(&Heard::Listen, &heard);
}

TEST_F(GridEvents, AGoneGridHearsNothingMore)
{
    const std::int32_t before = evman.ListenerEntries();
    auto rig = std::make_unique<GridRig>(Rows());
    EXPECT_EQ(evman.ListenerEntries(), before + 1);
    rig.reset();
    evman.Post(kEvRepaintAll, 0, 0);
    Round();
    EXPECT_EQ(evman.ListenerEntries(), before);
}

}  // namespace
}  // namespace xtr
