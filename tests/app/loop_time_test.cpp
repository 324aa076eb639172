// The command-line tool's loop: runs timers in due order until told to stop,
// and gives up when nothing is left that could ever finish the wait.
#include "app/loop_time.h"
#include "app/task.h"

#include <gtest/gtest.h>

#include <vector>

namespace xtr {
namespace {

TEST(LoopTime, RunsTimersUntilDoneInDueOrder)
{
    LoopTimeService loop;
    SetTimeService(&loop);
    std::vector<char> order;
    {
        cmcTask fast;
        cmcTask slow;
        fast.SetHandler([](void* c, cmcTask*) { static_cast<std::vector<char>*>(c)->push_back('f'); }, &order);
        slow.SetHandler([](void* c, cmcTask*) { static_cast<std::vector<char>*>(c)->push_back('s'); }, &order);
        fast.SetPeriod(2);
        slow.SetPeriod(5);
        const uint32_t start = loop.TickCount();
        EXPECT_TRUE(loop.RunUntil([&] { return order.size() >= 4; }));
        EXPECT_GE(loop.TickCount() - start, 4u);
        // Within the first 5 ms the 2 ms task has run twice before the 5 ms one.
        EXPECT_EQ(order[0], 'f');
        EXPECT_EQ(order[1], 'f');
    }
    SetTimeService(nullptr);
}

TEST(LoopTime, WithoutEnabledTimersTheWaitEndsAtOnce)
{
    LoopTimeService loop;
    EXPECT_FALSE(loop.RunUntil([] { return false; }));
}

TEST(LoopTime, LimitEndsAWaitThatNeverFinishes)
{
    LoopTimeService loop;
    SetTimeService(&loop);
    {
        cmcTask idle;
        idle.SetHandler([](void*, cmcTask*) {}, nullptr);
        idle.SetPeriod(1);
        EXPECT_FALSE(loop.RunUntil([] { return false; }, 20));
    }
    SetTimeService(nullptr);
}

TEST(LoopTime, TimerDestroyedByAnotherTimersCallbackDoesNotRun)
{
    LoopTimeService loop;
    SetTimeService(&loop);
    int victimRuns = 0;
    auto victim = std::make_unique<cmcTask>();
    victim->SetHandler([](void* c, cmcTask*) { ++*static_cast<int*>(c); }, &victimRuns);
    cmcTask killer;
    struct Ctx {
        std::unique_ptr<cmcTask>* victim;
        bool done = false;
    } ctx{&victim};
    killer.SetHandler(
        [](void* c, cmcTask*) {
            auto* x = static_cast<Ctx*>(c);
            x->victim->reset();
            x->done = true;
        },
        &ctx);
    killer.SetPeriod(1);
    victim->SetPeriod(3);
    EXPECT_TRUE(loop.RunUntil([&] { return ctx.done; }));
    EXPECT_EQ(victimRuns, 0);
    SetTimeService(nullptr);
}

}  // namespace
}  // namespace xtr
