// The work of the driver's states, one call per 10 ms step. Each function
// fills in the step plan: the next state, whether anything moved (which
// restarts the silence timer) and the time-out to restart it with. The plan
// starts on the current state; every way on is written here by name.
#include "clone/clone_driver.h"

#include "clone/clone_protocol.h"
#include "clone/frame_builder.h"
#include "clone/received_map.h"

#include <algorithm>

namespace xtr {

using namespace clone;

void cmcCloneDrv::DoBegin(StepPlan& plan)
{
    // A range list that reaches outside the image can neither be read nor
    // written; refuse it before the radio is disturbed.
    if (kind_ != kCloneIdentify && !RangesInsideImage(ranges_, imageSize_)) {
        result_->code = kCloneOutside;
        plan.next = kDrain;
        return;
    }
    plan.next = kSpeedScript;
}

void cmcCloneDrv::DoSpeedScript(StepPlan& plan)
{
    bool progressed = false;
    if (!script_.empty()) {
        progressed = true;
        if (script_.front() == '(') {
            const size_t close = script_.find(')');
            const std::string settings = script_.substr(1, close == std::string::npos ? std::string::npos : close - 1);
            script_.erase(0, close == std::string::npos ? script_.size() : close + 1);
            if (!OpenPort(settings)) {
                result_->code = kClonePortError;
                script_.clear();
                plan.next = kDrain;
                return;
            }
        } else {
            const size_t next = script_.find('(');
            cmcBuff bytes;
            bytes.FromHexText(std::string_view(script_).substr(0, next));
            script_.erase(0, next == std::string::npos ? script_.size() : next);
            comm_.Write(bytes);
        }
        plan.timeoutMs = kScriptSilenceMs;
    }
    const int32_t pending = comm_.Pending();
    plan.next = kReopen;  // once the script has gone out
    if (!script_.empty() || pending != 0) {
        plan.next = kSpeedScript;
        plan.timeoutMs = kScriptSilenceMs;
        // Waiting for the switch frame to leave counts as progress only while
        // the queue shrinks: a port that never sends must end in a time-out
        // rather than hold the operation for ever.
        plan.activity = progressed || pending < lastPending_;
    }
    lastPending_ = pending;
}

void cmcCloneDrv::DoReopen(StepPlan& plan)
{
    if (!OpenPort(settings_)) {
        result_->code = kClonePortError;
        plan.next = kDrain;
        return;
    }
    plan.next = kind_ == kCloneIdentify ? kSendIdentify : kind_ == kCloneRead ? kSendRead : kSendWrite;
}

void cmcCloneDrv::SendCommand(uint8_t command)
{
    cmcBuff frame;
    AppendCommandFrame(frame, commandPreamble_, command, modelCode_, extraCode_);
    comm_.Write(frame);
    scanner_.Reset();
}

void cmcCloneDrv::FillReceiveBuffer()
{
    const int32_t n = comm_.Read(scratch_.data(), kReadChunk);
    if (n > 0) {
        receive_.AppendBytes(scratch_.data(), n);
    }
}

bool cmcCloneDrv::ReceiveFrame(std::vector<uint8_t>& frame)
{
    FillReceiveBuffer();
    bool got = false;
    for (int b = receive_.TakeFront(); b >= 0; b = receive_.TakeFront()) {
        switch (scanner_.Feed(static_cast<uint8_t>(b))) {
        case FrameScanner::Event::kFrame:
            frame = scanner_.Frame();  // the last complete frame of the batch wins
            got = true;
            break;
        case FrameScanner::Event::kOverflow:
            frame = scanner_.Frame();
            return true;
        case FrameScanner::Event::kNone:
            break;
        }
    }
    return got;
}

void cmcCloneDrv::DoAwaitIdentity(StepPlan& plan)
{
    std::vector<uint8_t> frame;
    if (!ReceiveFrame(frame)) {
        plan.next = kAwaitIdentity;
        return;
    }
    IdentityAnswer answer;
    result_->code = CheckIdentityFrame(frame, answer);
    if (result_->code == kCloneOk) {
        result_->identity1 = answer.word1;
        result_->identity2 = answer.word2;
        result_->payload.AssignBytes(answer.payload.data(), static_cast<int32_t>(answer.payload.size()));
    }
    plan.activity = true;
    plan.next = kDrain;
}

void cmcCloneDrv::DoReceiveData(StepPlan& plan)
{
    plan.next = kReceiveData;
    FillReceiveBuffer();
    for (int b = receive_.TakeFront(); b >= 0; b = receive_.TakeFront()) {
        switch (scanner_.Feed(static_cast<uint8_t>(b))) {
        case FrameScanner::Event::kFrame:
            if (!AcceptFrame(scanner_.Frame(), plan)) {
                return;  // what follows the end of the data stays unread
            }
            break;
        case FrameScanner::Event::kOverflow:
            result_->code = kCloneMalformed;
            plan.next = kDrain;
            return;
        case FrameScanner::Event::kNone:
            break;
        }
    }
}

bool cmcCloneDrv::AcceptFrame(const std::vector<uint8_t>& frame, StepPlan& plan)
{
    const ReadFrameCheck check = CheckReadFrame(frame, imageSize_, frameCount_);
    if (check.code != kCloneOk) {
        result_->code = check.code;
        plan.next = kDrain;
        return false;
    }
    if (check.end) {
        result_->code = VerifyReceived(result_->receivedMap, ranges_, imageSize_);
        plan.next = kDrain;
        return false;
    }
    const DataBlock& block = check.block;
    result_->image.WriteBlock(block.address, block.bytes.data(), block.count);
    MarkReceived(result_->receivedMap, block.address, block.count);
    dataByteCount_ += block.count;
    ++frameCount_;
    plan.activity = true;
    return true;
}

void cmcCloneDrv::BuildDataFrame()
{
    const RangePair& range = ranges_[rangeIndex_];
    const int32_t n = std::min(kBlockSize, range.to - address_ + 1);
    AppendDataFrame(outgoing_, dataPreamble_, kRadioAddress, kComputerAddress, address_,
                    result_->image.Data() + address_, n);
    ++frameCount_;
    address_ += n;
    dataByteCount_ += n;
}

void cmcCloneDrv::DoSendData(StepPlan& plan)
{
    plan.next = kSendData;
    for (int32_t pass = 0; pass < kFramesPerStep; ++pass) {
        // A new frame is built only once the last one has gone to the port.
        // Building on while the line is busy would let the collection, and
        // with it the bytes queued ahead of the line, grow without bound: at
        // 9600 baud the line takes a frame in about 50 ms, far slower than
        // one frame per step.
        if (outgoing_.Length() == 0) {
            if (rangeIndex_ >= ranges_.size()) {
                if (comm_.Pending() == 0) {
                    plan.next = kSendEnd;
                }
                return;
            }
            if (address_ > ranges_[rangeIndex_].to) {
                if (++rangeIndex_ < ranges_.size()) {
                    address_ = ranges_[rangeIndex_].from;
                }
                continue;
            }
            BuildDataFrame();
        }
        // Keep at most about four frames' worth of bytes ahead of the line,
        // so that the progress shown follows the real transfer.
        if (comm_.Pending() > 4 * outgoing_.Length()) {
            return;
        }
        comm_.Write(outgoing_);
        outgoing_.SetLength(0);
        plan.activity = true;
    }
}

void cmcCloneDrv::DoSendEnd(StepPlan& plan)
{
    cmcBuff frame;
    AppendFrame(frame, 0, kRadioAddress, kComputerAddress, kCmdEnd, EndFrameBody(frameCount_));
    comm_.Write(frame);
    scanner_.Reset();
    plan.activity = true;
    plan.timeoutMs = kAckSilenceMs;
    plan.next = kAwaitAck;
}

void cmcCloneDrv::DoAwaitAck(StepPlan& plan)
{
    std::vector<uint8_t> frame;
    if (!ReceiveFrame(frame)) {
        plan.next = kAwaitAck;
        return;
    }
    result_->code = IsAcceptance(frame) ? kCloneOk : kCloneNotAccepted;
    plan.next = kDrain;
}

void cmcCloneDrv::DoDrain(StepPlan& plan, bool expired)
{
    if (comm_.Pending() == 0) {
        plan.next = kFinish;
        return;
    }
    if (expired) {
        // The port will not give up its last bytes: close it regardless. An
        // exchange that had succeeded cannot be trusted any more.
        if (result_->code == kCloneOk) {
            result_->code = kCloneSilence;
        }
        plan.next = kFinish;
        return;
    }
    plan.next = kDrain;
}

}  // namespace xtr
