// The command-line tool's loop: runs timers in due order until told to stop,
// does not catch up on periods a stall made it miss, and gives up when
// nothing is left that could ever finish the wait. The order is checked on
// a clock the test moves itself; only the last test uses the system clock,
// and asserts no more than real time guarantees.
#include "app/loop_time.h"
#include "app/task.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

namespace xtr {
namespace {

using namespace std::chrono_literals;

// Time moves only when the loop sleeps (to exactly the time it asked for)
// or when a handler stalls on purpose.
class ScriptedLoopClock : public LoopClock {
public:
    time_point Now() override { return now_; }
    void SleepUntil(time_point when) override
    {
        if (when > now_) {
            now_ = when;
        }
    }
    void Stall(std::chrono::milliseconds ms) { now_ += ms; }
    int64_t Ms() const { return std::chrono::duration_cast<std::chrono::milliseconds>(now_ - start_).count(); }

private:
    time_point start_ = time_point{} + 1h;
    time_point now_ = start_;
};

// A task that notes "<name>@<ms>" each time it runs.
struct Recorder {
    ScriptedLoopClock* clock;
    std::vector<std::string>* log;
    std::string name;
    std::chrono::milliseconds stallOnFirstRun{0};
    int runs = 0;

    static void Run(void* context, cmcTask*)
    {
        auto* self = static_cast<Recorder*>(context);
        self->log->push_back(self->name + "@" + std::to_string(self->clock->Ms()));
        if (self->runs++ == 0) {
            self->clock->Stall(self->stallOnFirstRun);
        }
    }
};

class LoopTime : public ::testing::Test {
protected:
    LoopTime() { SetTimeService(&loop); }
    ~LoopTime() override { SetTimeService(nullptr); }

    ScriptedLoopClock clock;
    LoopTimeService loop{&clock};
    std::vector<std::string> log;
};

TEST_F(LoopTime, RunsTimersInDueOrderAndEqualDueTimesInCreationOrder)
{
    Recorder fastRec{&clock, &log, "f"};
    Recorder slowRec{&clock, &log, "s"};
    cmcTask fast;
    cmcTask slow;
    fast.SetHandler(&Recorder::Run, &fastRec);
    slow.SetHandler(&Recorder::Run, &slowRec);
    fast.SetPeriod(2);
    slow.SetPeriod(5);
    EXPECT_TRUE(loop.RunUntil([&] { return log.size() >= 7; }));
    EXPECT_EQ(log, (std::vector<std::string>{"f@2", "f@4", "s@5", "f@6", "f@8", "f@10", "s@10"}));
    EXPECT_EQ(loop.TickCount(), 10u);
}

TEST_F(LoopTime, AStallIsFollowedByOneRunNotByTheMissedPeriods)
{
    Recorder rec{&clock, &log, "t", 11ms};
    cmcTask task;
    task.SetHandler(&Recorder::Run, &rec);
    task.SetPeriod(2);
    EXPECT_TRUE(loop.RunUntil([&] { return log.size() >= 4; }));
    // The handler at 2 ms held the loop until 13 ms: the periods due at 4 to
    // 12 ms collapse into one run at once, and the rhythm starts again there.
    EXPECT_EQ(log, (std::vector<std::string>{"t@2", "t@13", "t@15", "t@17"}));
}

TEST_F(LoopTime, LimitEndsAWaitThatNeverFinishesAtTheLimit)
{
    Recorder rec{&clock, &log, "t"};
    cmcTask idle;
    idle.SetHandler(&Recorder::Run, &rec);
    idle.SetPeriod(3);
    EXPECT_FALSE(loop.RunUntil([] { return false; }, 20));
    EXPECT_EQ(clock.Ms(), 20);
    EXPECT_EQ(log.size(), 6u);  // at 3, 6, ... 18 ms
}

TEST_F(LoopTime, WithoutEnabledTimersTheWaitEndsAtOnce)
{
    cmcTask stopped;
    EXPECT_FALSE(loop.RunUntil([] { return false; }));
    EXPECT_EQ(clock.Ms(), 0);
}

TEST_F(LoopTime, TimerDestroyedByAnEarlierTimerOfTheSameRoundDoesNotRun)
{
    int victimRuns = 0;
    cmcTask killer;
    auto victim = std::make_unique<cmcTask>();
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
    victim->SetHandler([](void* c, cmcTask*) { ++*static_cast<int*>(c); }, &victimRuns);
    // Both fall due at 4 ms; the killer, created first, runs first.
    killer.SetPeriod(4);
    victim->SetPeriod(4);
    EXPECT_TRUE(loop.RunUntil([&] { return ctx.done; }));
    EXPECT_EQ(clock.Ms(), 4);
    EXPECT_EQ(victimRuns, 0);
}

TEST(LoopTimeSystemClock, SleepsAtLeastUntilATimerIsDue)
{
    LoopTimeService loop;
    SetTimeService(&loop);
    {
        int runs = 0;
        cmcTask task;
        task.SetHandler([](void* c, cmcTask*) { ++*static_cast<int*>(c); }, &runs);
        const auto start = std::chrono::steady_clock::now();
        task.SetPeriod(5);
        EXPECT_TRUE(loop.RunUntil([&] { return runs == 1; }));
        EXPECT_GE(std::chrono::steady_clock::now() - start, 5ms);
    }
    SetTimeService(nullptr);
}

}  // namespace
}  // namespace xtr
