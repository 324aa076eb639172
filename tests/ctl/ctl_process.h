// Runs the built programs for end-to-end tests: the simulated radio in the
// background on its pseudo-terminal, and xtr450ctl to completion with its
// output and exit status captured.
#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

namespace xtr::test {

// The folder of the built programs ("" when they cannot be found).
std::string ProgramDirectory();

struct CtlRun {
    int status = -1;      // exit status, or -1 when it did not exit normally
    std::string out;      // standard output
    std::string err;      // standard error
    double seconds = 0;   // wall-clock time
};

// Runs xtr450ctl with the arguments, its output going to files in dir.
CtlRun RunCtl(const std::vector<std::string>& args, const std::string& dir);
// The same in two halves, for a test that acts while it runs.
pid_t StartCtl(const std::vector<std::string>& args, const std::string& dir);
CtlRun WaitCtl(pid_t pid, const std::string& dir);

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
    void Reap();
    pid_t pid_ = -1;
    std::string path_;
};

}  // namespace xtr::test
