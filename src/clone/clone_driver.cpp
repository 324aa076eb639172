// The driver's frame: configuration, starting an operation, the step that
// runs the state machine every 10 ms with its silence timer, and finishing
// with exactly one completion call. The work of each state lives in
// clone_driver_states.cpp.
#include "clone/clone_driver.h"

#include "clone/clone_protocol.h"
#include "clone/received_map.h"

#include <algorithm>

namespace xtr {

cmcCloneDrv::cmcCloneDrv() : cmcCloneDrv(nullptr) {}

cmcCloneDrv::cmcCloneDrv(std::unique_ptr<SerialDevice> device)
    : comm_(device ? std::move(device) : NewSerialDevice()), step_(std::make_unique<cmcTask>())
{
    step_->SetHandler(&cmcCloneDrv::Step, this);
}

cmcCloneDrv::~cmcCloneDrv()
{
    *alive_ = false;
    cmcTask::Release(step_);
    comm_.Close();
}

bool cmcCloneDrv::SetTarget(int32_t modelCode, int32_t extraCode)
{
    if (IsBusy()) {
        return false;
    }
    modelCode_ = modelCode;
    extraCode_ = extraCode;
    return true;
}

bool cmcCloneDrv::SetImageSize(int32_t bytes)
{
    if (IsBusy()) {
        return false;
    }
    imageSize_ = bytes;
    return true;
}

bool cmcCloneDrv::SetPort(int32_t port, std::string_view settings)
{
    if (IsBusy()) {
        return false;
    }
    port_ = port;
    settings_ = std::string(settings);
    return true;
}

bool cmcCloneDrv::SetDevicePath(std::string path)
{
    if (IsBusy()) {
        return false;
    }
    devicePath_ = std::move(path);
    return true;
}

bool cmcCloneDrv::SetCommandPreamble(int32_t count)
{
    if (IsBusy()) {
        return false;
    }
    commandPreamble_ = count;
    return true;
}

bool cmcCloneDrv::SetDataPreamble(int32_t count)
{
    if (IsBusy()) {
        return false;
    }
    dataPreamble_ = count;
    return true;
}

bool cmcCloneDrv::SetScript(std::string_view script)
{
    if (IsBusy()) {
        return false;
    }
    configuredScript_ = std::string(script);
    return true;
}

bool cmcCloneDrv::StartIdentify(Completion callback, void* context)
{
    return Start(kCloneIdentify, {}, callback, context);
}

bool cmcCloneDrv::StartRead(RangeList ranges, Completion callback, void* context)
{
    return Start(kCloneRead, ranges, callback, context);
}

bool cmcCloneDrv::StartWrite(const cmcEeprom& source, RangeList ranges, Completion callback, void* context)
{
    if (!Start(kCloneWrite, ranges, callback, context)) {
        return false;
    }
    // The part of the source that fits the image size; the rest stays zero.
    const int32_t n = std::min(source.Size(), result_->image.Size());
    if (n > 0) {
        result_->image.WriteBlock(0, source.Data(), n);
    }
    return true;
}

bool cmcCloneDrv::Start(uint8_t kind, RangeList ranges, Completion callback, void* context)
{
    if (IsBusy()) {
        return false;
    }
    callback_ = callback;
    context_ = context;
    kind_ = kind;
    frameCount_ = 0;
    dataByteCount_ = 0;
    ranges_.clear();
    ForEachRange(ranges, [this](const RangePair& range) {
        ranges_.push_back(range);
        return true;
    });
    rangeIndex_ = 0;
    address_ = ranges_.empty() ? 0 : ranges_.front().from;
    script_ = configuredScript_;
    lastPending_ = 0;

    result_ = std::make_unique<dst_CDrv_Result>();
    result_->kind = kind;
    result_->code = kClonePortError;
    result_->identity1 = modelCode_;
    result_->identity2 = extraCode_;
    result_->image.SetSize(imageSize_);

    receive_.SetLength(0);
    outgoing_.SetLength(0);
    scanner_.Reset();
    state_ = kBegin;
    step_->SetPeriod(kStepMs);
    return true;
}

void cmcCloneDrv::Step(void* context, cmcTask* task)
{
    auto* self = static_cast<cmcCloneDrv*>(context);
    const std::shared_ptr<bool> alive = self->alive_;
    if (self->state_ != kIdle) {
        self->RunOneStep();
        if (self->state_ == kFinish) {
            self->Finish();
            if (!*alive) {
                return;  // the callback destroyed the driver
            }
        }
    }
    if (self->state_ == kIdle) {
        task->SetPeriod(-1);
    }
}

// One step runs the work of the current state, which names the state that
// follows in every case (staying is naming the same state), then keeps the
// silence watch: progress restarts it, silence past its allowance ends the
// operation through the drain.
void cmcCloneDrv::RunOneStep()
{
    const bool expired = silence_.Remaining() == 0;
    const State current = static_cast<State>(state_);
    StepPlan plan{current};

    switch (current) {
    case kBegin: DoBegin(plan); break;
    case kSpeedScript: DoSpeedScript(plan); break;
    case kReopen: DoReopen(plan); break;
    case kSendIdentify:
        SendCommand(clone::kCmdIdentify);
        plan.next = kAwaitIdentity;
        break;
    case kAwaitIdentity: DoAwaitIdentity(plan); break;
    case kSendRead:
        SendCommand(clone::kCmdReadStart);
        plan.next = kReceiveData;
        break;
    case kReceiveData: DoReceiveData(plan); break;
    case kSendWrite:
        SendCommand(clone::kCmdWriteStart);
        plan.next = kSendData;
        break;
    case kSendData: DoSendData(plan); break;
    case kSendEnd: DoSendEnd(plan); break;
    case kAwaitAck: DoAwaitAck(plan); break;
    case kDrain: DoDrain(plan, expired); break;
    case kIdle:
    case kFinish:
        // Never stepped: the task stops at idle, and Step finishes an
        // operation in the step that reached kFinish.
        break;
    }

    if (expired && !plan.activity && plan.next == current) {
        ReadOnBeforeSilence(plan);
    }
    if (plan.next != current) {
        plan.activity = true;
    }
    if (plan.activity) {
        silence_.Start(plan.timeoutMs + LineStallAllowance());
    } else if (expired && current != kDrain) {
        result_->code = kCloneSilence;
        plan.next = kDrain;
        silence_.Start(kSilenceMs);  // the drain gets its own time
    }
    if (receive_.Length() > 4096) {
        receive_.Compact();
    }
    state_ = plan.next;
}

// The silence time has passed, but that may only say that this process was
// not run for a while: the radio's answer can be waiting in the port, more
// of it than one step reads. Everything that was waiting is scanned before
// the silence counts, so that only a radio that really went quiet ends the
// operation.
void cmcCloneDrv::ReadOnBeforeSilence(StepPlan& plan)
{
    const State current = plan.next;
    for (int32_t waiting = comm_.InQueue(); waiting > 0 && !plan.activity && plan.next == current;
         waiting -= kReadChunk) {
        switch (current) {
        case kAwaitIdentity: DoAwaitIdentity(plan); break;
        case kReceiveData: DoReceiveData(plan); break;
        case kAwaitAck: DoAwaitAck(plan); break;
        default: return;  // the other states read nothing
        }
    }
}

namespace {
uint32_t lineStallAllowance = 0;
}  // namespace

void cmcCloneDrv::SetLineStallAllowance(uint32_t ms)
{
    lineStallAllowance = ms;
}

uint32_t cmcCloneDrv::LineStallAllowance()
{
    return lineStallAllowance;
}

void cmcCloneDrv::Finish()
{
    comm_.Close();
    state_ = kIdle;
    std::unique_ptr<dst_CDrv_Result> result = std::move(result_);
    const Completion callback = callback_;
    void* const context = context_;
    callback_ = nullptr;
    context_ = nullptr;
    receive_.SetLength(0);
    outgoing_.SetLength(0);
    scanner_.Reset();
    ranges_.clear();
    // The callback may start the next operation or even destroy the driver;
    // nothing of this object is touched after it returns.
    if (callback != nullptr) {
        callback(context, result.get());
    }
}

bool cmcCloneDrv::OpenPort(std::string_view settings)
{
    comm_.Close();
    return devicePath_.empty() ? comm_.Open(port_, settings) : comm_.OpenDevice(devicePath_, settings);
}

}  // namespace xtr
