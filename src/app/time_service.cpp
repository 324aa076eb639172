#include "app/time_service.h"

#include "app/loop_time.h"

namespace xtr {
namespace {

TimeService* g_service = nullptr;

TimeService& DefaultService()
{
    // Deliberately leaked: timers of static objects may outlive any
    // function-local static destructor order.
    static auto* service = new LoopTimeService();
    return *service;
}

}  // namespace

TimeService& Time() { return g_service != nullptr ? *g_service : DefaultService(); }

void SetTimeService(TimeService* service) { g_service = service; }

}  // namespace xtr
