// A time service for tests: time stands still until Advance() moves it, and
// the timers that fall due on the way run in the order of their due times.
#pragma once

#include "app/time_service.h"

#include <vector>

namespace xtr {

class ManualTimeService : public TimeService {
public:
    ManualTimeService() = default;
    ~ManualTimeService() override;
    ManualTimeService(const ManualTimeService&) = delete;
    ManualTimeService& operator=(const ManualTimeService&) = delete;

    uint32_t TickCount() override { return static_cast<uint32_t>(now_); }
    std::unique_ptr<Timer> CreateTimer() override;

    // Sets the tick count without running timers (for wrap-around tests).
    void SetTickCount(uint32_t ticks);
    // Moves time forward by ms, running every timer that falls due.
    void Advance(uint64_t ms);
    // Advances in steps until done() is true or limitMs have passed;
    // returns done().
    bool AdvanceUntil(const std::function<bool()>& done, uint64_t limitMs, uint64_t stepMs = 1);
    // Number of enabled timers.
    int EnabledTimers() const;

private:
    class ManualTimer;
    friend class ManualTimer;
    void Remove(ManualTimer* timer);
    ManualTimer* NextDue(uint64_t until) const;

    uint64_t now_ = 0;
    uint64_t sequence_ = 0;
    std::vector<ManualTimer*> timers_;
};

}  // namespace xtr
