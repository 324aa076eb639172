// Fixture helpers for tests that need time: a manual clock is installed for
// the lifetime of the guard and removed afterwards.
#pragma once

#include "app/manual_time.h"

namespace xtr::test {

class ManualTimeGuard {
public:
    ManualTimeGuard() { SetTimeService(&service_); }
    ~ManualTimeGuard() { SetTimeService(nullptr); }
    ManualTimeGuard(const ManualTimeGuard&) = delete;
    ManualTimeGuard& operator=(const ManualTimeGuard&) = delete;

    ManualTimeService& operator*() { return service_; }
    ManualTimeService* operator->() { return &service_; }

private:
    ManualTimeService service_;
};

}  // namespace xtr::test
