// Fixture helpers for tests that need time: a manual clock is installed for
// the lifetime of the guard, and the service installed before comes back
// afterwards.
#pragma once

#include "app/manual_time.h"

namespace xtr::test {

class ManualTimeGuard {
public:
    ManualTimeGuard() : previous_(SetTimeService(&service_)) {}
    ~ManualTimeGuard() { SetTimeService(previous_); }
    ManualTimeGuard(const ManualTimeGuard&) = delete;
    ManualTimeGuard& operator=(const ManualTimeGuard&) = delete;

    ManualTimeService& operator*() { return service_; }
    ManualTimeService* operator->() { return &service_; }

private:
    ManualTimeService service_;
    TimeService* previous_;
};

}  // namespace xtr::test
