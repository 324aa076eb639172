// The time service of the command-line tool: a small loop that sleeps until
// the next timer is due (no busy waiting) and then runs it.
#pragma once

#include "app/time_service.h"

#include <chrono>
#include <vector>

namespace xtr {

class LoopTimeService : public TimeService {
public:
    LoopTimeService();
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

    Clock::time_point start_;
    uint64_t sequence_ = 0;
    std::vector<LoopTimer*> timers_;
};

}  // namespace xtr
