// Where time comes from. The core never reads a clock or arms a timer by
// itself: it asks the installed TimeService, which is Qt's timers in the
// desktop program, a sleeping loop in the command-line tool and a manually
// advanced clock in the tests.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

namespace xtr {

// A repeating timer. While enabled it calls its callback every interval
// milliseconds from the owning service's loop, never from inside a call
// into the timer itself.
class Timer {
public:
    virtual ~Timer() = default;
    // Enables the timer with the given interval (at least 1 ms).
    virtual void Start(int intervalMs) = 0;
    virtual void Stop() = 0;
    virtual bool Enabled() const = 0;
    virtual int Interval() const = 0;

    void SetCallback(std::function<void()> callback) { callback_ = std::move(callback); }

protected:
    void Fire()
    {
        if (callback_) {
            callback_();
        }
    }

private:
    std::function<void()> callback_;
};

class TimeService {
public:
    virtual ~TimeService() = default;
    // Milliseconds since an arbitrary start, as a 32-bit count that wraps.
    virtual uint32_t TickCount() = 0;
    virtual std::unique_ptr<Timer> CreateTimer() = 0;
};

// The installed service. Without an explicit one, the handler for a missing
// service answers: by default a LoopTimeService on the system clock.
TimeService& Time();
// Installs a service (not owned); nullptr returns to the default. Returns
// the service installed before, so that whoever installs one for a while
// can put the previous one back.
TimeService* SetTimeService(TimeService* service);

// What Time() answers while no service is installed. The test programs
// install a handler that fails the running test, so that a test cannot run
// on the real clock by forgetting its own; nullptr restores the default.
using MissingTimeServiceHandler = TimeService& (*)();
void SetMissingTimeServiceHandler(MissingTimeServiceHandler handler);

}  // namespace xtr
