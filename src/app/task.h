// cmcTask: a repeating timer that calls one handler at a settable period.
// Every long-running activity is a handler that does a bounded amount of
// work per call and then sets its own next period or stops itself.
#pragma once

#include "app/time_service.h"

#include <cstdint>
#include <memory>

namespace xtr {

class cmcTask {
public:
    using Handler = void (*)(void* context, cmcTask* task);

    cmcTask();
    ~cmcTask();
    cmcTask(const cmcTask&) = delete;
    cmcTask& operator=(const cmcTask&) = delete;

    // Stores handler and context; neither starts nor stops the timer.
    void SetHandler(Handler handler, void* context);
    // ms < 0 disables; ms >= 0 enables with interval max(ms, 1).
    // Returns the stopped flag.
    bool SetPeriod(int32_t ms);
    // Clears handler and context, then disables.
    void Stop();

    int32_t Period() const { return period_; }
    bool Busy() const { return busy_ != 0; }
    bool Stopped() const { return stopped_ != 0; }

    // The owner's release rule: a task is stopped and freed, except that a
    // task whose handler is on the call stack is only stopped and frees
    // itself when its handler returns. The pointer is cleared either way.
    static void Release(cmcTask*& task);
    static void Release(std::unique_ptr<cmcTask>& task);

    // Runs the handler as a timer event would (used by the timer callback).
    void Dispatch();

private:
    std::unique_ptr<Timer> timer_;
    Handler handler_ = nullptr;
    void* context_ = nullptr;
    int32_t period_ = -1;
    uint32_t busy_ = 0;
    uint32_t stopped_ = 1;
    bool orphaned_ = false;
};

}  // namespace xtr
