// cmcCloneDrv: the clone protocol driver. It runs one operation at a time
// against the radio: identify it (E0/E1), read memory ranges (E2, then data
// frames E4 and an end frame E5 from the radio) or write them (E3, E4 frames,
// the computer's E5, answered by E6). Each operation opens the port itself,
// first at one speed to send the speed-switch frame of the script, then at
// the working speed, and closes it when it ends.
//
// Usage:
//   driver.SetTarget(0x2527, 0);
//   driver.SetImageSize(0x4000);
//   ConfigureCloneSpeed(driver, port, highSpeed);   // clone_speed.h
//   driver.StartRead(kCloneAreaRanges, &OnDone, this);
//
// The operation advances in a task every 10 ms; the completion callback is
// called exactly once per started operation, from that task, whatever
// happens (success, malformed answer, silence, a port that cannot be opened
// or disappears). The result record lives only for the callback: copy the
// image or identity out of it. The callback may start the next operation.
// Starting while busy returns false and leaves the running one untouched.
#pragma once

#include "app/task.h"
#include "app/tick.h"
#include "clone/clone_result.h"
#include "clone/comm.h"
#include "clone/frame_scanner.h"
#include "image/buff.h"
#include "image/eeprom.h"
#include "image/range_list.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace xtr {

class cmcCloneDrv {
public:
    using Completion = void (*)(void* context, dst_CDrv_Result* result);

    static constexpr int32_t kStepMs = 10;
    static constexpr uint32_t kSilenceMs = 1000;
    static constexpr uint32_t kScriptSilenceMs = 1000;
    static constexpr uint32_t kAckSilenceMs = 2000;
    // Time added to every silence allowance of the process (0 unless set).
    // A radio needs none; a test rig whose two programs talk over a
    // pseudo-terminal on a loaded machine does, since the kernel may hold
    // the line's bytes for over a second there.
    static void SetLineStallAllowance(uint32_t ms);
    static uint32_t LineStallAllowance();
    static constexpr int32_t kBlockSize = 16;      // data bytes per computer data frame
    static constexpr int32_t kReadChunk = 256;     // bytes read from the port per step
    static constexpr int32_t kFramesPerStep = 8;   // data frames built per step at most

    // The protocol states; 0 is idle. The numbers carry no order: each
    // state names the one that follows it.
    enum State : uint8_t {
        kIdle = 0,
        kBegin = 2,
        kSpeedScript = 3,
        kReopen = 4,
        kSendIdentify = 5,
        kAwaitIdentity = 6,
        kSendRead = 7,
        kReceiveData = 8,
        kSendWrite = 9,
        kSendData = 10,
        kSendEnd = 11,
        kAwaitAck = 12,
        kDrain = 13,
        kFinish = 14,
    };

    // The port uses the device of the installed factory, or the given one.
    cmcCloneDrv();
    explicit cmcCloneDrv(std::unique_ptr<SerialDevice> device);
    ~cmcCloneDrv();
    cmcCloneDrv(const cmcCloneDrv&) = delete;
    cmcCloneDrv& operator=(const cmcCloneDrv&) = delete;

    // Configuration; refused (false) while an operation runs.
    bool SetTarget(int32_t modelCode, int32_t extraCode);
    bool SetImageSize(int32_t bytes);
    // Port number and the working line settings text.
    bool SetPort(int32_t port, std::string_view settings);
    // A device name or path used instead of the port number ("" for none).
    bool SetDevicePath(std::string path);
    // The device path set, or "" when the port is chosen by number.
    const std::string& DevicePath() const { return devicePath_; }
    // Extra 0xFE bytes before the computer's E0, E2 and E3 frames.
    bool SetCommandPreamble(int32_t count);
    // Extra 0xFE bytes before each of the computer's E4 frames.
    bool SetDataPreamble(int32_t count);
    // The speed-switch script: "(settings)" segments reopen the port, other
    // segments are hex text sent as bytes.
    bool SetScript(std::string_view script);

    bool StartIdentify(Completion callback, void* context);
    // Reads the ranges (copied; addresses must lie inside the image size).
    bool StartRead(RangeList ranges, Completion callback, void* context);
    // Writes the ranges of a copy of source.
    bool StartWrite(const cmcEeprom& source, RangeList ranges, Completion callback, void* context);
    bool IsBusy() const { return state_ != kIdle; }

    // Progress of the running operation: data frames accepted or built, and
    // their data bytes.
    int32_t FrameCount() const { return frameCount_; }
    int32_t DataByteCount() const { return dataByteCount_; }
    State CurrentState() const { return static_cast<State>(state_); }
    int32_t ModelCode() const { return modelCode_; }
    int32_t ExtraCode() const { return extraCode_; }
    int32_t ImageSize() const { return imageSize_; }
    int32_t PortNumber() const { return port_; }
    const std::string& WorkingSettings() const { return settings_; }
    int32_t CommandPreamble() const { return commandPreamble_; }
    int32_t DataPreamble() const { return dataPreamble_; }
    cmcComm& Port() { return comm_; }
    const cmcComm& Port() const { return comm_; }

private:
    // What one step decides: the next state, whether anything moved, and the
    // silence time-out to restart with.
    struct StepPlan {
        State next;
        bool activity = false;
        uint32_t timeoutMs = kSilenceMs;
    };

    static void Step(void* context, cmcTask* task);
    bool Start(uint8_t kind, RangeList ranges, Completion callback, void* context);
    void RunOneStep();
    void Finish();
    bool OpenPort(std::string_view settings);
    void BuildDataFrame();

    // The work of each state (clone_driver_states.cpp).
    void DoBegin(StepPlan& plan);
    void DoSpeedScript(StepPlan& plan);
    void DoReopen(StepPlan& plan);
    void SendCommand(uint8_t command);
    void DoAwaitIdentity(StepPlan& plan);
    void DoReceiveData(StepPlan& plan);
    bool AcceptFrame(const std::vector<uint8_t>& frame, StepPlan& plan);
    void DoSendData(StepPlan& plan);
    void DoSendEnd(StepPlan& plan);
    void DoAwaitAck(StepPlan& plan);
    void DoDrain(StepPlan& plan, bool expired);
    // Reads from the port and scans; true with the last complete frame.
    bool ReceiveFrame(std::vector<uint8_t>& frame);
    // Goes on receiving while bytes wait in the port, once the silence
    // time has passed without progress in this step.
    void ReadOnBeforeSilence(StepPlan& plan);
    void FillReceiveBuffer();

    int32_t modelCode_ = 0;
    int32_t extraCode_ = 0;
    int32_t imageSize_ = 1;
    int32_t port_ = 1;
    std::string devicePath_;
    std::string settings_ = "9600,n,8,1";
    int32_t commandPreamble_ = 0;
    int32_t dataPreamble_ = 0;
    uint8_t kind_ = 0;
    cmcComm comm_;
    cmcBuff receive_;
    FrameScanner scanner_;
    cmcBuff outgoing_;
    std::array<uint8_t, kReadChunk> scratch_{};
    std::string configuredScript_;
    std::string script_;
    int32_t frameCount_ = 0;
    int32_t dataByteCount_ = 0;
    std::vector<RangePair> ranges_;
    size_t rangeIndex_ = 0;
    int32_t address_ = 0;
    std::unique_ptr<dst_CDrv_Result> result_;
    Completion callback_ = nullptr;
    void* context_ = nullptr;
    uint8_t state_ = kIdle;
    cmcTick silence_;
    int32_t lastPending_ = 0;
    std::unique_ptr<cmcTask> step_;
    // Cleared by the destructor, so that a step whose callback destroyed the
    // driver touches nothing afterwards.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace xtr
