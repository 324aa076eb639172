// cmcTick: a one-shot countdown measured against the 32-bit millisecond tick
// count. It is polled and never calls back.
#pragma once

#include <cstdint>

namespace xtr {

class cmcTick {
public:
    // Starts (or restarts) the countdown.
    void Start(uint32_t timeoutMs);
    // Milliseconds left; 0 when expired or never started. The first call
    // that finds the countdown expired makes it inactive.
    uint32_t Remaining();
    bool Active() const { return active_ != 0; }

private:
    uint32_t timeout_ = 0;
    uint32_t start_ = 0;
    uint32_t active_ = 0;
};

}  // namespace xtr
