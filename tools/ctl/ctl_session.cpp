#include "ctl/ctl_session.h"

#include "app/environ.h"
#include "app/globals.h"
#include "app/main/clone_front.h"
#include "app/main/ind_main.h"
#include "app/main/process_objects.h"
#include "app/text_util.h"
#include "clone/clone_error_message.h"
#include "clone/clone_manager.h"
#include "clone/line_paced_device.h"
#include "ctl/commands.h"
#include "ctl/ctl_settings.h"
#include "platform/console_stream.h"

#include <cctype>
#include <cstdlib>

namespace xtr::ctl {
namespace {

// A transfer that has not ended after this long never will: the protocol's
// own time-outs end every operation within seconds of the last progress.
constexpr uint32_t kLoopLimitMs = 30u * 60u * 1000u;

bool AllDigits(const std::string& text)
{
    if (text.empty()) {
        return false;
    }
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c))) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool ParsePort(const std::string& text, PortChoice& port)
{
    std::string digits = text;
    if (text.size() > 3 && EqualsIgnoreCase(text.substr(0, 3), "COM") && AllDigits(text.substr(3))) {
        digits = text.substr(3);
    }
    if (AllDigits(digits)) {
        if (digits.size() > 2) {
            return false;
        }
        const int n = std::atoi(digits.c_str());
        if (n < 1 || n > 99) {
            return false;
        }
        port.number = n;
        port.path.clear();
        return true;
    }
    if (text.empty()) {
        return false;
    }
    port.number = 1;
    port.path = text;
    return true;
}

Session::Session(const SessionOptions& options)
    : options_(options), console_(stderr, IsTerminalStream(stderr), options.verbosity)
{
    SetMessageService(&console_);
    SetTimeService(&loop_);
    // Ports are paced by their line speed even where the system cannot tell
    // what is still waiting to be sent (the simulated radio's terminal).
    SetSerialDeviceFactory(&CreateLinePacedSystemDevice);
    if (!options.tracePath.empty()) {
        traceFile_ = std::fopen(options.tracePath.c_str(), "w");
        if (traceFile_ == nullptr) {
            traceOk_ = false;
        } else {
            trace_ = std::make_unique<TransferTrace>(traceFile_);
            SetSerialDeviceFactory([this] { return CreateTracingDevice(CreateLinePacedSystemDevice(), *trace_); });
        }
    }

    ProcessServices services;
    services.environ = EnvironServices{&settings_, &guard_, ScreenSize{1024, 768}};
    services.commandLine = {"xtr450ctl"};
    objects_ = std::make_unique<ProcessObjects>(services);

    indEnviron& env = Env();
    env.comPort = options.port.number;
    env.comSpeedHigh = options.highSpeed ? 1 : 0;
    env.modelType = options.modelType;

    indMain& app = objects_->Application();
    // The tool numbers as the desktop program's window does: a file set or
    // read here holds the bytes the desktop program would save.
    app.UseWindowNumbering();
    CloneFront& clone = app.Clone();
    clone.SetDevicePath(options.port.path);
    clone.Manager().SetProgressView(&console_);
    console_.SetDescriber([this] {
        const cmcCloneDrv& driver = Manager().Driver();
        const std::string port = options_.port.path.empty() ? Format("port %d", Env().comPort) : options_.port.path;
        return Format("on %s at %s", port.c_str(), driver.WorkingSettings().c_str());
    });
    if (!traceOk_) {
        console_.Error(OverlayText("GI_Mess_Trace_CannotWrite", options.tracePath));
    }
}

Session::~Session()
{
    objects_.reset();
    SetSerialDeviceFactory(nullptr);
    trace_.reset();
    if (traceFile_ != nullptr) {
        std::fclose(traceFile_);
    }
    SetTimeService(nullptr);
    SetMessageService(nullptr);
}

indMain& Session::App()
{
    return objects_->Application();
}

indCloneMan& Session::Manager()
{
    return App().Clone().Manager();
}

CloneChain& Session::Chain()
{
    return App().Clone().Chain();
}

const CloneIdentityBlock& Session::Identity()
{
    return App().Clone().Identity();
}

void Session::LoadReference()
{
    indMain& app = App();
    app.LoadInitialFile(options_.modelType);
    app.CurrentImage().CopyFrom(app.ReferenceImage());
}

CloneChain::Done Session::Collect(TransferOutcome& outcome)
{
    return [this, &outcome](const dst_CDrv_Result* result) {
        outcome.finished = true;
        outcome.reported = result != nullptr;
        if (result == nullptr) {
            return;
        }
        outcome.code = result->code;
        if (result->code == kCloneOk && result->kind == kCloneRead) {
            outcome.image.CopyFrom(result->image);
        }
    };
}

int Session::Wait(TransferOutcome& outcome)
{
    if (!RunUntil([&outcome] { return outcome.finished; })) {
        return kExitFailure;
    }
    if (!outcome.reported) {
        console_.Error("the clone manager was busy");
        return kExitFailure;
    }
    TraceResult(outcome.code);
    return outcome.code == kCloneOk ? kExitOk : kExitTransferBase + outcome.code;
}

bool Session::RunUntil(const std::function<bool()>& finished)
{
    if (!loop_.RunUntil(finished, kLoopLimitMs)) {
        console_.Error("the transfer did not end");
        if (trace_ != nullptr) {
            trace_->Note("the transfer did not end");
        }
        return false;
    }
    return true;
}

void Session::TraceResult(uint8_t code)
{
    if (trace_ != nullptr) {
        const std::string text = CloneErrorText(code, Env().comPort);
        trace_->Result(code, code == kCloneOk ? "(success)" : "(" + text.substr(0, text.find('\n')) + ")");
    }
}

}  // namespace xtr::ctl
