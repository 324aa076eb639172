// indCloneMan: runs the clone operations for the application. It takes the
// port and the speed from the settings, prepares the protocol driver for
// each operation (an identify always at 9600 baud, a read or write at the
// chosen speed), reports progress to the progress view, hands every result
// to the model's checks, shows the error message of a failed one and passes
// the result on to the caller's completion.
//
//   manager.SetTarget(0x2527, 0);
//   manager.RunIdentify(&OnIdentified, this);
//   ... in OnIdentified, when result->code is 0:
//   manager.SetImageSize(image.Size());
//   manager.RunRead(kCloneReadRanges, &OnRead, this);
//
// The result record lives only while the completion runs; the completion may
// start the next operation at once.
#pragma once

#include "clone/clone_driver.h"
#include "clone/clone_result.h"
#include "image/memory_map.h"
#include "image/range_list.h"

#include <cstdint>
#include <memory>
#include <string>

namespace xtr {

class CloneProgressView;
class SerialDevice;

// The ranges the application moves: a read brings the whole clone area; a
// write leaves out the maker's area 0x0000-0x00FF outside maker mode.
inline constexpr RangePair kCloneReadRanges[] = {{memmap::kCloneAreaFirst, memmap::kCloneAreaLast}, kRangeEnd};
inline constexpr RangePair kCloneWriteRanges[] = {{memmap::kSettingsFirst, memmap::kCloneAreaLast}, kRangeEnd};
inline constexpr RangePair kCloneMakerWriteRanges[] = {{memmap::kCloneAreaFirst, memmap::kCloneAreaLast}, kRangeEnd};

// The number of addresses the ranges cover.
int32_t RangeBytes(RangeList ranges);

class indCloneMan {
public:
    // Handlers and completions take (context, result).
    using Handler = void (*)(void* context, dst_CDrv_Result* result);

    static constexpr int32_t kProgressPeriodMs = 30;

    // The port uses the device of the installed factory, or the given one.
    indCloneMan();
    explicit indCloneMan(std::unique_ptr<SerialDevice> device);
    ~indCloneMan();
    indCloneMan(const indCloneMan&) = delete;
    indCloneMan& operator=(const indCloneMan&) = delete;

    // Passed to the driver; refused (false) while an operation runs.
    bool SetTarget(int32_t modelCode, int32_t extraCode);
    bool SetImageSize(int32_t bytes);
    // A device path used instead of the port number of the settings (""
    // returns to the port number).
    bool SetDevicePath(std::string path);

    // The model's checks: the identity handler sees every identify, the read
    // handler every read. Without one, a successful identify becomes 11 and
    // a successful read 8: nothing unchecked reaches the caller.
    void SetIdentityHandler(Handler handler, void* context);
    void SetReadHandler(Handler handler, void* context);

    // Where the start, progress and end of operations go (none: nowhere).
    // A view that goes away sets nullptr.
    void SetProgressView(CloneProgressView* view) { view_ = view; }

    bool IsBusy() const { return driver_.IsBusy(); }

    // Each returns false and does nothing while an operation runs.
    bool RunIdentify(Handler completion, void* context);
    bool RunRead(RangeList ranges, Handler completion, void* context);
    bool RunWrite(const cmcEeprom& source, RangeList ranges, Handler completion, void* context);

    // The kind of the running (or last) operation and the data bytes its
    // ranges hold.
    uint8_t Kind() const { return kind_; }
    int32_t ExpectedBytes() const { return expectedBytes_; }
    // The progress figure of the running read or write, 0 to 33.
    int ProgressFigure() const;

    cmcCloneDrv& Driver() { return driver_; }

private:
    static void Dispatch(void* context, dst_CDrv_Result* result);
    static void ProgressStep(void* context, cmcTask* task);
    void Started(uint8_t kind, int32_t expectedBytes, Handler completion, void* context);
    void Prepare(bool highSpeed);
    void DispatchResult(dst_CDrv_Result& result);

    CloneProgressView* view_ = nullptr;
    Handler identityHandler_ = nullptr;
    void* identityContext_ = nullptr;
    Handler readHandler_ = nullptr;
    void* readContext_ = nullptr;
    Handler completion_ = nullptr;
    void* completionContext_ = nullptr;
    cmcCloneDrv driver_;
    int32_t expectedBytes_ = 0;
    uint8_t kind_ = 0;
    std::unique_ptr<cmcTask> progress_;
};

}  // namespace xtr
