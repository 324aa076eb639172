#include "app/manual_time.h"

#include <algorithm>

namespace xtr {

class ManualTimeService::ManualTimer : public Timer {
public:
    ManualTimer(ManualTimeService* service, uint64_t order) : service_(service), order_(order) {}
    ~ManualTimer() override
    {
        if (service_ != nullptr) {
            service_->Remove(this);
        }
    }

    void Start(int intervalMs) override
    {
        interval_ = std::max(intervalMs, 1);
        enabled_ = true;
        due_ = (service_ != nullptr ? service_->now_ : 0) + static_cast<uint64_t>(interval_);
    }
    void Stop() override { enabled_ = false; }
    bool Enabled() const override { return enabled_; }
    int Interval() const override { return interval_; }

    void Detach() { service_ = nullptr; }
    void Run()
    {
        // The next period counts from this firing; a callback that restarts
        // the timer sets its own due time instead.
        due_ += static_cast<uint64_t>(interval_);
        Fire();
    }

    uint64_t due_ = 0;
    bool enabled_ = false;
    int interval_ = 1;
    ManualTimeService* service_;
    uint64_t order_;
};

ManualTimeService::~ManualTimeService()
{
    for (ManualTimer* timer : timers_) {
        timer->Detach();
    }
}

std::unique_ptr<Timer> ManualTimeService::CreateTimer()
{
    auto timer = std::make_unique<ManualTimer>(this, sequence_++);
    timers_.push_back(timer.get());
    return timer;
}

void ManualTimeService::Remove(ManualTimer* timer)
{
    timers_.erase(std::remove(timers_.begin(), timers_.end(), timer), timers_.end());
}

void ManualTimeService::SetTickCount(uint32_t ticks)
{
    // Keep the high part so that pending timers keep their distance.
    const uint64_t base = now_ & ~uint64_t{0xFFFFFFFF};
    const uint64_t target = base | ticks;
    const int64_t shift = static_cast<int64_t>(target) - static_cast<int64_t>(now_);
    for (ManualTimer* timer : timers_) {
        timer->due_ = static_cast<uint64_t>(static_cast<int64_t>(timer->due_) + shift);
    }
    now_ = target;
}

ManualTimeService::ManualTimer* ManualTimeService::NextDue(uint64_t until) const
{
    ManualTimer* best = nullptr;
    for (ManualTimer* timer : timers_) {
        if (!timer->enabled_ || timer->due_ > until) {
            continue;
        }
        if (best == nullptr || timer->due_ < best->due_ || (timer->due_ == best->due_ && timer->order_ < best->order_)) {
            best = timer;
        }
    }
    return best;
}

void ManualTimeService::Advance(uint64_t ms)
{
    const uint64_t target = now_ + ms;
    while (ManualTimer* timer = NextDue(target)) {
        now_ = std::max(now_, timer->due_);
        timer->Run();
    }
    now_ = target;
}

bool ManualTimeService::AdvanceUntil(const std::function<bool()>& done, uint64_t limitMs, uint64_t stepMs)
{
    uint64_t passed = 0;
    while (!done() && passed < limitMs) {
        Advance(stepMs);
        passed += stepMs;
    }
    return done();
}

int ManualTimeService::EnabledTimers() const
{
    return static_cast<int>(std::count_if(timers_.begin(), timers_.end(), [](const ManualTimer* t) { return t->enabled_; }));
}

}  // namespace xtr
