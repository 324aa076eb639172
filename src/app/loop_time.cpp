#include "app/loop_time.h"

#include <algorithm>
#include <thread>

namespace xtr {
namespace {

class SystemLoopClock : public LoopClock {
public:
    time_point Now() override { return std::chrono::steady_clock::now(); }
    void SleepUntil(time_point when) override { std::this_thread::sleep_until(when); }
};

}  // namespace

LoopClock& LoopClock::System()
{
    // Deliberately leaked, as timers of static objects may read it late.
    static auto* clock = new SystemLoopClock();
    return *clock;
}

class LoopTimeService::LoopTimer : public Timer {
public:
    LoopTimer(LoopTimeService* service, LoopClock& clock, uint64_t order)
        : service_(service), clock_(clock), order_(order)
    {
    }
    ~LoopTimer() override
    {
        if (service_ != nullptr) {
            service_->Remove(this);
        }
    }
    void Start(int intervalMs) override
    {
        interval_ = std::max(intervalMs, 1);
        enabled_ = true;
        due_ = clock_.Now() + std::chrono::milliseconds(interval_);
    }
    void Stop() override { enabled_ = false; }
    bool Enabled() const override { return enabled_; }
    int Interval() const override { return interval_; }
    void Detach() { service_ = nullptr; }
    void Run()
    {
        // Keep the rhythm but never try to catch up on missed periods: a
        // run that comes a whole period late counts the next period from
        // now, so that it is not followed at once by a second run.
        due_ += std::chrono::milliseconds(interval_);
        const auto now = clock_.Now();
        if (due_ <= now) {
            due_ = now + std::chrono::milliseconds(interval_);
        }
        Fire();
    }

    Clock::time_point due_{};
    bool enabled_ = false;
    int interval_ = 1;
    LoopTimeService* service_;
    LoopClock& clock_;
    uint64_t order_;
};

LoopTimeService::LoopTimeService(LoopClock* clock)
    : clock_(clock != nullptr ? *clock : LoopClock::System()), start_(clock_.Now())
{
}

LoopTimeService::~LoopTimeService()
{
    for (LoopTimer* timer : timers_) {
        timer->Detach();
    }
}

uint32_t LoopTimeService::TickCount()
{
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(clock_.Now() - start_).count();
    return static_cast<uint32_t>(elapsed);
}

std::unique_ptr<Timer> LoopTimeService::CreateTimer()
{
    auto timer = std::make_unique<LoopTimer>(this, clock_, sequence_++);
    timers_.push_back(timer.get());
    return timer;
}

void LoopTimeService::Remove(LoopTimer* timer)
{
    timers_.erase(std::remove(timers_.begin(), timers_.end(), timer), timers_.end());
}

LoopTimeService::LoopTimer* LoopTimeService::Earliest() const
{
    LoopTimer* best = nullptr;
    for (LoopTimer* timer : timers_) {
        if (timer->enabled_ && (best == nullptr || timer->due_ < best->due_ ||
                                   (timer->due_ == best->due_ && timer->order_ < best->order_))) {
            best = timer;
        }
    }
    return best;
}

void LoopTimeService::RunDue()
{
    const auto now = clock_.Now();
    // Each timer runs at most once per call, so a 1 ms timer cannot starve
    // the others.
    std::vector<LoopTimer*> due;
    for (LoopTimer* timer : timers_) {
        if (timer->enabled_ && timer->due_ <= now) {
            due.push_back(timer);
        }
    }
    std::sort(due.begin(), due.end(), [](const LoopTimer* a, const LoopTimer* b) {
        return a->due_ != b->due_ ? a->due_ < b->due_ : a->order_ < b->order_;
    });
    for (LoopTimer* timer : due) {
        // A callback may have stopped or destroyed a later timer of the batch.
        if (std::find(timers_.begin(), timers_.end(), timer) != timers_.end() && timer->enabled_) {
            timer->Run();
        }
    }
}

bool LoopTimeService::RunUntil(const std::function<bool()>& done, uint32_t limitMs)
{
    const auto deadline = limitMs == 0xFFFFFFFF ? Clock::time_point::max()
                                                : clock_.Now() + std::chrono::milliseconds(limitMs);
    while (!done()) {
        LoopTimer* next = Earliest();
        if (next == nullptr) {
            return false;
        }
        if (next->due_ > deadline) {
            clock_.SleepUntil(deadline);
            return done();
        }
        clock_.SleepUntil(next->due_);
        RunDue();
    }
    return true;
}

}  // namespace xtr
