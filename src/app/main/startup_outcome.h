// How a start of the desktop program ends when it cannot run its window:
// a second copy ends quietly, while a guard that could not be made and an
// error escaping the window's life are told to the user and end the
// process with a failure status. Kept free of the toolkit so that the
// tests can drive it.
#pragma once

#include <functional>

namespace xtr {

class ProcessObjects;

inline constexpr int kExitSecondCopy = 0;
inline constexpr int kExitStartFailed = 1;

// For a process that does not hold the single-instance guard: 0 for a
// second copy (nothing is said), kExitStartFailed after a message when the
// guard could not be made at all.
int GuardExitCode(const ProcessObjects& objects);

// Runs the window's life (run returns the toolkit loop's exit code). When
// an exception escapes it, detach is called first (the message service lets
// go of the window that no longer exists), then the error is shown and the
// result is kExitStartFailed. detach is called on a normal end too.
int RunWindowLife(const std::function<int()>& run, const std::function<void()>& detach);

}  // namespace xtr
