#include "app/tick.h"

#include "app/time_service.h"

namespace xtr {

void cmcTick::Start(uint32_t timeoutMs)
{
    timeout_ = timeoutMs;
    start_ = Time().TickCount();
    active_ = 1;
}

uint32_t cmcTick::Remaining()
{
    if (active_ == 0) {
        return 0;
    }
    // Unsigned subtraction makes the wrap of the tick counter harmless.
    const uint32_t elapsed = Time().TickCount() - start_;
    if (elapsed < timeout_) {
        return timeout_ - elapsed;
    }
    active_ = 0;
    return 0;
}

}  // namespace xtr
