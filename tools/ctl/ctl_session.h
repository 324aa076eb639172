// The process-wide objects of one xtr450ctl transfer command: settings held
// in memory only (the user's own settings are never read or written), the
// overlay beside the program, the event manager, the application object
// without a window, a clone manager of the tool's own with the model's
// checks installed, and a sleeping loop that runs their timers.
#pragma once

#include "app/local_instance_guard.h"
#include "app/loop_time.h"
#include "app/memory_settings.h"
#include "clone/clone_chain.h"
#include "clone/clone_checks.h"
#include "clone/transfer_trace.h"
#include "ctl/ctl_console.h"
#include "image/eeprom.h"

#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>

namespace xtr {
class indCloneMan;
class indMain;
class ProcessObjects;
}  // namespace xtr

namespace xtr::ctl {

// A port given as a number (1 to 99, or COMn) or as a device path.
struct PortChoice {
    int32_t number = 1;
    std::string path;  // empty when given as a number
};
// False when the text is neither a port number in range nor a path.
bool ParsePort(const std::string& text, PortChoice& port);

struct SessionOptions {
    PortChoice port;
    bool highSpeed = false;
    uint8_t modelType = 0;  // 0 mpt, 1 cps numbering
    Verbosity verbosity = Verbosity::Normal;
    std::string tracePath;  // "" for no trace of the transfers
};

// How a chain of clone operations ended.
struct TransferOutcome {
    bool finished = false;
    bool reported = false;  // an operation result came back (else: stopped while busy)
    uint8_t code = 0;
    cmcEeprom image;        // the image of a successful read
};

class Session {
public:
    explicit Session(const SessionOptions& options);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    indMain& App();
    // The application object's clone wiring, the desktop program's own.
    indCloneMan& Manager();
    CloneChain& Chain();
    ConsoleOutput& Console() { return console_; }
    const CloneIdentityBlock& Identity();
    // False when a trace was asked for and its file cannot be written (said
    // already); the command then does nothing.
    bool TraceOk() const { return traceOk_; }

    // Loads the initial image of the numbering variant as the reference
    // image and makes the current image a copy of it.
    void LoadReference();

    // A completion that fills the outcome; then Wait runs the timers until
    // the chain has ended and returns the exit status of the transfer:
    // 0, 10 + its result code, or 1 when it could not run.
    CloneChain::Done Collect(TransferOutcome& outcome);
    int Wait(TransferOutcome& outcome);
    // Runs the timers until finished says so; false, said already, when it
    // never does.
    bool RunUntil(const std::function<bool()>& finished);
    // Records the end of one operation in the trace, when there is one.
    void TraceResult(uint8_t code);

private:
    SessionOptions options_;
    ConsoleOutput console_;
    LoopTimeService loop_;
    MemorySettings settings_;
    LocalInstanceGuard guard_;
    std::unique_ptr<ProcessObjects> objects_;
    std::FILE* traceFile_ = nullptr;
    std::unique_ptr<TransferTrace> trace_;
    bool traceOk_ = true;
};

}  // namespace xtr::ctl
