// The time service of the command-line tool: a small loop that sleeps until
// the next timer is due (no busy waiting) and then runs it.
#pragma once

#include "app/time_service.h"

#include <chrono>
#include <vector>

namespace xtr {

// The clock the loop reads and sleeps on: the steady clock of the system,
// or one a test moves itself so that the loop's order of events can be
// checked without depending on how fast the machine runs.
class LoopClock {
public:
    using time_point = std::chrono::steady_clock::time_point;
    virtual ~LoopClock() = default;
    virtual time_point Now() = 0;
    virtual void SleepUntil(time_point when) = 0;

    // The system's steady clock (process-wide, never freed).
    static LoopClock& System();
};

class LoopTimeService : public TimeService {
public:
    // clock: not owned, must outlive the service and its timers; nullptr
    // for the system's clock.
    explicit LoopTimeService(LoopClock* clock = nullptr);
    ~LoopTimeService() override;
    LoopTimeService(const LoopTimeService&) = delete;
    LoopTimeService& operator=(const LoopTimeService&) = delete;

    uint32_t TickCount() override;
    std::unique_ptr<Timer> CreateTimer() override;

    // Runs timers until done() is true. Returns false when no timer is left
    // enabled (nothing could ever make done() true) or limitMs passed.
    bool RunUntil(const std::function<bool()>& done, uint32_t limitMs = 0xFFFFFFFF);
    // Runs the timers that are due now, without sleeping.
    void RunDue();

private:
    class LoopTimer;
    friend class LoopTimer;
    using Clock = std::chrono::steady_clock;
    void Remove(LoopTimer* timer);
    LoopTimer* Earliest() const;

    LoopClock& clock_;
    Clock::time_point start_;
    uint64_t sequence_ = 0;
    std::vector<LoopTimer*> timers_;
};

}  // namespace xtr
