// The single-instance guard: a named marker shared between the processes of
// one user. The first process that takes it is the holder; a second copy of
// the program finds it taken and ends quietly. A guard that cannot be made
// at all (no place for its lock file) is a failure of its own, which the
// program reports instead of taking itself for a second copy. Nobody ever
// waits on it.
#pragma once

#include <string>

namespace xtr {

class InstanceGuard {
public:
    virtual ~InstanceGuard() = default;

    // Tries to become the holder of the guard called name. True when this
    // object holds it now; false when another holder exists or the guard
    // cannot be created at all (Failed() tells which).
    virtual bool Acquire(const std::string& name) = 0;

    // True when the last Acquire failed because the guard could not be
    // created or taken for another reason than another holder.
    virtual bool Failed() const { return false; }

    // Gives the guard up (if held) and drops whatever Acquire opened.
    // Harmless when nothing is held.
    virtual void Release() = 0;
};

}  // namespace xtr
