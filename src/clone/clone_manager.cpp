// The clone manager's frame: preparing the driver for each operation, the
// progress task and the result dispatch that every operation ends with.
#include "clone/clone_manager.h"

#include "app/environ.h"
#include "app/globals.h"
#include "app/text_util.h"
#include "clone/clone_checks.h"
#include "clone/clone_error_message.h"
#include "clone/clone_progress.h"
#include "clone/clone_speed.h"
#include "clone/port_problem_text.h"
#include "platform/serial_device.h"

namespace xtr {
namespace {

// "COM7" or "\\.\COM7": the name the message's "COM%d" already says.
bool IsComPortName(std::string_view name)
{
    if (name.substr(0, 4) == "\\\\.\\") {
        name.remove_prefix(4);
    }
    return name.size() > 3 && EqualsIgnoreCase(name.substr(0, 3), "COM") &&
           name.find_first_not_of("0123456789", 3) == std::string_view::npos;
}

// The device a failure message names: the path the user gave, else the
// numbered port the user chose with the device it stands for on this
// system ("COM1 (/dev/ttyUSB0)"), unless that is the COM port itself.
std::string ShownDevice(const cmcCloneDrv& driver, int32_t port)
{
    if (!driver.DevicePath().empty()) {
        return driver.DevicePath();
    }
    const std::string& opened = driver.Port().DeviceName();
    if (opened.empty() || IsComPortName(opened)) {
        return std::string();
    }
    return "COM" + std::to_string(port) + " (" + opened + ")";
}

}  // namespace

int32_t RangeBytes(RangeList ranges)
{
    int64_t total = 0;
    ForEachRange(ranges, [&total](const RangePair& pair) {
        total += static_cast<int64_t>(pair.to) - pair.from + 1;
        return true;
    });
    return total > INT32_MAX ? INT32_MAX : static_cast<int32_t>(total);
}

indCloneMan::indCloneMan() : indCloneMan(nullptr) {}

indCloneMan::indCloneMan(std::unique_ptr<SerialDevice> device)
    : driver_(std::move(device)), progress_(std::make_unique<cmcTask>())
{
    progress_->SetHandler(&indCloneMan::ProgressStep, this);
}

indCloneMan::~indCloneMan()
{
    const bool running = driver_.IsBusy();
    cmcTask::Release(progress_);
    // The driver closes its port when it goes; an operation cut short this
    // way calls nobody back, but a progress display still open is closed.
    if (running && view_ != nullptr) {
        view_->CloneEnded();
    }
}

bool indCloneMan::SetTarget(int32_t modelCode, int32_t extraCode)
{
    return driver_.SetTarget(modelCode, extraCode);
}

bool indCloneMan::SetImageSize(int32_t bytes)
{
    return driver_.SetImageSize(bytes);
}

bool indCloneMan::SetDevicePath(std::string path)
{
    return driver_.SetDevicePath(std::move(path));
}

void indCloneMan::SetIdentityHandler(Handler handler, void* context)
{
    identityHandler_ = handler;
    identityContext_ = context;
}

void indCloneMan::SetReadHandler(Handler handler, void* context)
{
    readHandler_ = handler;
    readContext_ = context;
}

void indCloneMan::Prepare(bool highSpeed)
{
    // The port is read from the settings at every start: the user may have
    // chosen another one since the last operation.
    ConfigureCloneSpeed(driver_, Env().comPort, highSpeed);
}

bool indCloneMan::RunIdentify(Handler completion, void* context)
{
    if (IsBusy()) {
        return false;
    }
    // The radio may still be at 38400 baud from an earlier fast transfer;
    // the low-speed script tells it at 38400 to come down, and the identify
    // itself runs at 9600 baud whatever the setting says.
    Prepare(false);
    if (!driver_.StartIdentify(&indCloneMan::Dispatch, this)) {
        return false;
    }
    Started(kCloneIdentify, 0, completion, context);
    return true;
}

bool indCloneMan::RunRead(RangeList ranges, Handler completion, void* context)
{
    if (IsBusy()) {
        return false;
    }
    Prepare(Env().comSpeedHigh != 0);
    if (!driver_.StartRead(ranges, &indCloneMan::Dispatch, this)) {
        return false;
    }
    Started(kCloneRead, RangeBytes(ranges), completion, context);
    return true;
}

bool indCloneMan::RunWrite(const cmcEeprom& source, RangeList ranges, Handler completion, void* context)
{
    if (IsBusy()) {
        return false;
    }
    Prepare(Env().comSpeedHigh != 0);
    if (!driver_.StartWrite(source, ranges, &indCloneMan::Dispatch, this)) {
        return false;
    }
    Started(kCloneWrite, RangeBytes(ranges), completion, context);
    return true;
}

void indCloneMan::Started(uint8_t kind, int32_t expectedBytes, Handler completion, void* context)
{
    kind_ = kind;
    expectedBytes_ = expectedBytes;
    completion_ = completion;
    completionContext_ = context;
    if (view_ != nullptr) {
        view_->CloneStarted(kind);
    }
    if (kind != kCloneIdentify) {
        progress_->SetPeriod(kProgressPeriodMs);
    }
}

int indCloneMan::ProgressFigure() const
{
    if (kind_ == kCloneIdentify) {
        return 0;
    }
    return CloneProgressFigure(driver_.DataByteCount(), expectedBytes_);
}

void indCloneMan::ProgressStep(void* context, cmcTask* task)
{
    auto* self = static_cast<indCloneMan*>(context);
    if (!self->driver_.IsBusy()) {
        task->SetPeriod(-1);
        return;
    }
    if (self->view_ != nullptr) {
        self->view_->CloneProgress(self->ProgressFigure());
    }
}

void indCloneMan::Dispatch(void* context, dst_CDrv_Result* result)
{
    static_cast<indCloneMan*>(context)->DispatchResult(*result);
}

void indCloneMan::DispatchResult(dst_CDrv_Result& result)
{
    // 1. The model's checks. Only a result that succeeded so far is
    //    judged: a port or line failure keeps its own code and message.
    if (result.kind == kCloneIdentify) {
        if (identityHandler_ != nullptr) {
            identityHandler_(identityContext_, &result);
        } else if (result.code == kCloneOk) {
            result.code = kCloneWrongRadio;
        }
    } else if (result.kind == kCloneRead) {
        if (readHandler_ != nullptr) {
            readHandler_(readContext_, &result);
        } else if (result.code == kCloneOk) {
            result.code = kCloneMissing;
        }
    }

    // 2. Every failure is reported once, here.
    if (result.code != kCloneOk) {
        // A port that would not open says why, as the system told it.
        const std::string reason = result.code == kClonePortError
                                       ? PortOpenFailureText(driver_.Port().DeviceName(), driver_.Port().OpenError())
                                       : std::string();
        ShowCloneError(result.code, Env().comPort, ShownDevice(driver_, Env().comPort), reason);
    }

    // 3. The progress display closes; the main window comes back.
    progress_->SetPeriod(-1);
    if (view_ != nullptr) {
        if (result.kind != kCloneIdentify) {
            view_->CloneProgress(ProgressFigure());
        }
        view_->CloneEnded();
    }

    // 4. The caller's completion, cleared first: it may start the next
    //    operation, or destroy this manager.
    const Handler completion = completion_;
    void* const context = completionContext_;
    completion_ = nullptr;
    completionContext_ = nullptr;
    if (completion != nullptr) {
        completion(context, &result);
    }
}

}  // namespace xtr
