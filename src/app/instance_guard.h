// The single-instance guard: a named marker shared between the processes of
// one user. The first process that takes it is the holder; a second copy of
// the program finds it taken and ends quietly. Nobody ever waits on it.
#pragma once

#include <string>

namespace xtr {

class InstanceGuard {
public:
    virtual ~InstanceGuard() = default;

    // Tries to become the holder of the guard called name. True when this
    // object holds it now; false when another holder exists or the guard
    // cannot be created at all (the caller then acts as a second copy).
    virtual bool Acquire(const std::string& name) = 0;

    // Gives the guard up (if held) and drops whatever Acquire opened.
    // Harmless when nothing is held.
    virtual void Release() = 0;
};

}  // namespace xtr
