#include "app/local_instance_guard.h"

#include <set>

namespace xtr {
namespace {

std::set<std::string>& HeldNames()
{
    static std::set<std::string> names;
    return names;
}

}  // namespace

bool LocalInstanceGuard::Acquire(const std::string& name)
{
    if (!held_.empty()) {
        return held_ == name;
    }
    // An empty name could not be told apart from "nothing held".
    if (name.empty() || !HeldNames().insert(name).second) {
        return false;
    }
    held_ = name;
    return true;
}

void LocalInstanceGuard::Release()
{
    if (!held_.empty()) {
        HeldNames().erase(held_);
        held_.clear();
    }
}

}  // namespace xtr
