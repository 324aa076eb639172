#include "ctl_process.h"

#include "platform/executable_path.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace xtr::test {
namespace {

std::vector<char*> Argv(const std::string& program, const std::vector<std::string>& args)
{
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& arg : args) {
        argv.push_back(const_cast<char*>(arg.c_str()));
    }
    argv.push_back(nullptr);
    return argv;
}

// The environment of the programs these tests start. On a loaded machine the
// kernel may hold a pseudo-terminal's bytes for over a second, which the
// protocol's silence allowance would take for a radio that stopped
// answering; the programs get five seconds more (a test that pulls the
// radio still sees the time-out, later).
char** ChildEnvironment()
{
    setenv("XTR450_LINE_STALL_MS", "5000", 0);
    return environ;
}

using Clock = std::chrono::steady_clock;

Clock::time_point Limit() { return Clock::now() + std::chrono::seconds(kProgramLimitSeconds); }

// Looks at what the kernel or a child has done, every 2 ms, until done()
// says it is over (true) or the limit has passed (false). The pause only
// spares the processor; no answer depends on its length.
template <typename Done>
bool PollUntil(Clock::time_point limit, Done done)
{
    for (;;) {
        if (done()) {
            return true;
        }
        if (Clock::now() >= limit) {
            return false;
        }
        usleep(2000);
    }
}

// Waits for the child to end, at most until the limit; a child still
// running then is killed. True when it ended by itself.
bool ReapWithin(pid_t pid, Clock::time_point limit, int& wstatus)
{
    const bool ended = PollUntil(limit, [&] {
        const pid_t got = waitpid(pid, &wstatus, WNOHANG);
        if (got < 0 && errno != EINTR) {
            wstatus = 0;
            return true;
        }
        return got == pid;
    });
    if (!ended) {
        kill(pid, SIGKILL);
        while (waitpid(pid, &wstatus, 0) < 0 && errno == EINTR) {
        }
    }
    return ended;
}

// Still running (or stopped): not yet ended, and not reaped either.
bool Running(pid_t pid)
{
    siginfo_t info{};
    if (waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOHANG | WNOWAIT) != 0) {
        return false;
    }
    return info.si_pid == 0;
}

}  // namespace

std::string ProgramDirectory()
{
    // The test runner points the data folder at the programs' folder; run by
    // hand, the programs lie in bin/ beside the tests' folder.
    std::vector<std::string> candidates;
    if (const char* data = std::getenv("XTR450_DATA_DIR"); data != nullptr && *data != '\0') {
        candidates.push_back(data);
    }
    candidates.push_back(ExecutableDirectory() + "../bin");
    for (const std::string& dir : candidates) {
        if (std::filesystem::exists(std::filesystem::path(dir) / "xtr450ctl") &&
            std::filesystem::exists(std::filesystem::path(dir) / "xtr450-radiosim")) {
            return std::filesystem::path(dir).string();
        }
    }
    return {};
}

pid_t StartCtl(const std::vector<std::string>& args, const std::string& dir)
{
    const std::string program = ProgramDirectory() + "/xtr450ctl";
    const std::string outPath = dir + "/ctl.out";
    const std::string errPath = dir + "/ctl.err";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<char*> argv = Argv(program, args);
    pid_t pid = -1;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), ChildEnvironment());
    posix_spawn_file_actions_destroy(&actions);
    return spawned == 0 ? pid : -1;
}

CtlRun WaitCtl(pid_t pid, const std::string& dir)
{
    CtlRun run;
    if (pid <= 0) {
        ADD_FAILURE() << "xtr450ctl could not be started";
        return run;
    }
    int wstatus = 0;
    const bool ended = ReapWithin(pid, Limit(), wstatus);
    run.status = ended && WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
    run.out = ReadWholeFile(dir + "/ctl.out");
    run.err = ReadWholeFile(dir + "/ctl.err");
    if (!ended) {
        ADD_FAILURE() << "xtr450ctl was still running after " << kProgramLimitSeconds
                      << " s and was killed.\nIts output:\n" << run.out << "\nIts errors:\n" << run.err;
    }
    return run;
}

CtlRun RunCtl(const std::vector<std::string>& args, const std::string& dir)
{
    return WaitCtl(StartCtl(args, dir), dir);
}

bool WaitForCtlError(pid_t pid, const std::string& dir, const std::string& text)
{
    bool found = false;
    PollUntil(Limit(), [&] {
        // Looked at once more after the program ended, for what it wrote last.
        const bool running = pid > 0 && Running(pid);
        found = ReadWholeFile(dir + "/ctl.err").find(text) != std::string::npos;
        return found || !running;
    });
    return found;
}

RadioSim::RadioSim(const std::vector<std::string>& args, const std::string& dir)
{
    const std::string program = ProgramDirectory() + "/xtr450-radiosim";
    const std::string outPath = dir + "/sim.out";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    std::vector<std::string> all = args;
    all.push_back("--quiet");
    std::vector<char*> argv = Argv(program, all);
    const int spawned = posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv.data(), ChildEnvironment());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        pid_ = -1;
        return;
    }
    // The first line it prints is the device path.
    const bool named = PollUntil(Limit(), [&] {
        const std::string text = ReadWholeFile(outPath);
        if (const auto end = text.find('\n'); end != std::string::npos) {
            path_ = text.substr(0, end);
            return true;
        }
        return !Running(pid_);
    });
    if (named && !path_.empty()) {
        return;
    }
    ADD_FAILURE() << "xtr450-radiosim named no device; it printed:\n" << ReadWholeFile(outPath);
}

RadioSim::~RadioSim()
{
    Stop();
}

void RadioSim::Reap(int signal)
{
    kill(pid_, signal);
    int wstatus = 0;
    if (!ReapWithin(pid_, Limit(), wstatus)) {
        ADD_FAILURE() << "xtr450-radiosim did not end after signal " << signal << " within " << kProgramLimitSeconds
                      << " s and was killed";
    }
    pid_ = -1;
}

void RadioSim::Stop()
{
    if (pid_ > 0) {
        Reap(SIGINT);
    }
}

void RadioSim::Kill()
{
    if (pid_ > 0) {
        Reap(SIGKILL);
    }
}

}  // namespace xtr::test
