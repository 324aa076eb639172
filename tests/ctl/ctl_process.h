// Runs the built programs for end-to-end tests: the simulated radio in the
// background on its pseudo-terminal, and xtr450ctl to completion with its
// output and exit status captured. Every wait for a program has a limit far
// beyond what a loaded machine needs: a program still running at the limit
// is killed, and the running test fails with what it printed.
#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

namespace xtr::test {

// The folder of the built programs ("" when they cannot be found).
std::string ProgramDirectory();

// How long a program may take before it counts as hung.
inline constexpr int kProgramLimitSeconds = 120;

struct CtlRun {
    int status = -1;      // exit status, or -1 when it did not exit normally
    std::string out;      // standard output
    std::string err;      // standard error
};

// Runs xtr450ctl with the arguments, its output going to files in dir.
CtlRun RunCtl(const std::vector<std::string>& args, const std::string& dir);
// The same in two halves, for a test that acts while it runs.
pid_t StartCtl(const std::vector<std::string>& args, const std::string& dir);
CtlRun WaitCtl(pid_t pid, const std::string& dir);
// Waits until the standard error of the xtr450ctl started by StartCtl
// holds text (true), or until the program ended or the limit passed.
bool WaitForCtlError(pid_t pid, const std::string& dir, const std::string& text);

class RadioSim {
public:
    // Starts xtr450-radiosim with the arguments, its output going to dir;
    // Path() is empty when it could not start.
    RadioSim(const std::vector<std::string>& args, const std::string& dir);
    ~RadioSim();
    RadioSim(const RadioSim&) = delete;
    RadioSim& operator=(const RadioSim&) = delete;

    const std::string& Path() const { return path_; }
    // Ends it as a user would (SIGINT: it saves its memory if asked to) and
    // waits for it.
    void Stop();
    // Pulls the plug: SIGKILL, so the pseudo-terminal goes with it.
    void Kill();

private:
    void Reap(int signal);
    pid_t pid_ = -1;
    std::string path_;
};

}  // namespace xtr::test
