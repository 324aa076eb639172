// The fatal error convention: an internal or configuration error that leaves
// the program no sound way on is shown once (a stop box in the desktop
// program, the standard error stream elsewhere), then the process ends at
// once with "Abnormal program termination" and exit code 3. Nothing is saved
// and no destructor runs.
#pragma once

#include <string>

namespace xtr {

// Shows a fatal message before the process ends. The desktop program installs
// one that opens a modal message box with the stop icon.
class FatalPresenter {
public:
    virtual ~FatalPresenter() = default;
    virtual void ShowFatal(const std::string& caption, const std::string& message) = 0;
};

// Installs the presenter (none: the message goes to the standard error stream).
void SetFatalPresenter(FatalPresenter* presenter);

// The caption of fatal boxes: the executable's file name without directory.
void SetFatalCaption(const std::string& caption);
const std::string& FatalCaption();

[[noreturn]] void Fatal(const std::string& message);

}  // namespace xtr
