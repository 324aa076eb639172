#include "app/time_service.h"

#include "app/loop_time.h"

namespace xtr {
namespace {

TimeService* g_service = nullptr;
TimeService& DefaultService();
MissingTimeServiceHandler g_missing = &DefaultService;

TimeService& DefaultService()
{
    // Deliberately leaked: timers of static objects may outlive any
    // function-local static destructor order.
    static auto* service = new LoopTimeService();
    return *service;
}

}  // namespace

TimeService& Time() { return g_service != nullptr ? *g_service : g_missing(); }

TimeService* SetTimeService(TimeService* service)
{
    TimeService* previous = g_service;
    g_service = service;
    return previous;
}

void SetMissingTimeServiceHandler(MissingTimeServiceHandler handler)
{
    g_missing = handler != nullptr ? handler : &DefaultService;
}

}  // namespace xtr
