// An instance guard that only reaches within this process: a guard name
// taken by one object is refused to every other object until released.
// Tests use it to play a first and a second copy of the program side by side.
#pragma once

#include "app/instance_guard.h"

namespace xtr {

class LocalInstanceGuard : public InstanceGuard {
public:
    LocalInstanceGuard() = default;
    ~LocalInstanceGuard() override { Release(); }
    LocalInstanceGuard(const LocalInstanceGuard&) = delete;
    LocalInstanceGuard& operator=(const LocalInstanceGuard&) = delete;

    bool Acquire(const std::string& name) override;
    void Release() override;

    bool Holds() const { return !held_.empty(); }

private:
    std::string held_;
};

}  // namespace xtr
