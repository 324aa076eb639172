// Countdowns and timer tasks over the manual clock.
#include "app/task.h"
#include "app/tick.h"
#include "support/manual_time.h"

#include <gtest/gtest.h>

namespace xtr {
namespace {

TEST(Tick, NeverStartedAndExpiredReturnZero)
{
    test::ManualTimeGuard time;
    cmcTick tick;
    EXPECT_EQ(tick.Remaining(), 0u);
    tick.Start(100);
    time->Advance(40);
    EXPECT_EQ(tick.Remaining(), 60u);
    time->Advance(60);
    EXPECT_EQ(tick.Remaining(), 0u);
    EXPECT_FALSE(tick.Active());
    time->Advance(0xFFFFFF00u);  // far past: stays expired until restarted
    EXPECT_EQ(tick.Remaining(), 0u);
}

TEST(Tick, SurvivesCounterWrap)
{
    test::ManualTimeGuard time;
    time->SetTickCount(0xFFFFFF00u);
    cmcTick tick;
    tick.Start(0x300);
    time->SetTickCount(0x00000100u);
    EXPECT_EQ(tick.Remaining(), 0x100u);
}

struct Counter {
    int calls = 0;
    int stopAfter = -1;
    std::function<void()> inside;
};

void CountingHandler(void* context, cmcTask* task)
{
    auto* counter = static_cast<Counter*>(context);
    ++counter->calls;
    if (counter->inside) {
        counter->inside();
    }
    if (counter->calls == counter->stopAfter) {
        task->SetPeriod(-1);
    }
}

TEST(Task, PeriodZeroRunsAtShortestIntervalAndNegativeStops)
{
    test::ManualTimeGuard time;
    cmcTask task;
    Counter counter;
    task.SetHandler(CountingHandler, &counter);
    EXPECT_FALSE(task.SetPeriod(0));
    time->Advance(5);
    EXPECT_EQ(counter.calls, 5);
    EXPECT_TRUE(task.SetPeriod(-5));
    EXPECT_TRUE(task.Stopped());
    time->Advance(50);
    EXPECT_EQ(counter.calls, 5);
}

TEST(Task, HandlerPacesItselfAndStops)
{
    test::ManualTimeGuard time;
    cmcTask task;
    Counter counter;
    counter.stopAfter = 3;
    task.SetHandler(CountingHandler, &counter);
    task.SetPeriod(10);
    time->Advance(9);
    EXPECT_EQ(counter.calls, 0);
    time->Advance(100);
    EXPECT_EQ(counter.calls, 3);
    EXPECT_TRUE(task.Stopped());
}

TEST(Task, NestedTimerEventDoesNotReenterBusyHandler)
{
    test::ManualTimeGuard time;
    cmcTask task;
    Counter counter;
    // The handler runs a nested loop (as a modal box would) in which the
    // timer keeps firing; those events must be dropped.
    counter.inside = [&] {
        if (counter.calls == 1) {
            time->Advance(50);
        }
    };
    task.SetHandler(CountingHandler, &counter);
    task.SetPeriod(10);
    time->Advance(10);
    EXPECT_EQ(counter.calls, 1);
    EXPECT_TRUE(task.Busy() == false);
}

TEST(Task, StopClearsHandlerOnly)
{
    test::ManualTimeGuard time;
    cmcTask task;
    Counter counter;
    task.SetHandler(CountingHandler, &counter);
    task.Stop();
    task.Stop();
    EXPECT_TRUE(task.Stopped());
    task.SetPeriod(1);  // no handler: nothing runs
    time->Advance(5);
    EXPECT_EQ(counter.calls, 0);
}

TEST(Task, ReleaseInsideOwnHandlerDefersFree)
{
    test::ManualTimeGuard time;
    struct Owner {
        cmcTask* task = new cmcTask();
        int calls = 0;
    } owner;
    owner.task->SetHandler(
        [](void* context, cmcTask*) {
            auto* o = static_cast<Owner*>(context);
            ++o->calls;
            cmcTask::Release(o->task);  // the owner goes away mid-handler
        },
        &owner);
    owner.task->SetPeriod(10);
    time->Advance(100);
    EXPECT_EQ(owner.calls, 1);
    EXPECT_EQ(owner.task, nullptr);
    EXPECT_EQ(time->EnabledTimers(), 0);
}

}  // namespace
}  // namespace xtr
