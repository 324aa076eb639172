// A write to the radio with its safety steps, the same in every face of
// the program: first the radio's present contents are read and kept as a
// backup (a write must never destroy the only copy of a customer's
// settings), then the image is written, then the written range is read
// back and compared. Each step starts when the one before has ended, on
// the one thread, through the clone front's chain; the flow ends with one
// result that the face words as it shows things (message boxes, console
// lines and an exit status).
#pragma once

#include "app/main/radio_backup.h"
#include "clone/clone_chain.h"
#include "image/eeprom.h"

#include <functional>
#include <string>
#include <vector>

namespace xtr {

class cuiMain;
class CloneFront;

struct WriteFlowOptions {
    bool backup = true;
    std::string backupFolder;  // "" for the user's backup folder
    bool verify = true;
    // The calendar time a backup is named by.
    std::function<BackupTime()> now = LocalBackupTime;
};

enum class WriteFlowEnd {
    Busy,              // an operation could not start (or stopped without a result)
    BackupReadFailed,  // the radio could not be read for the backup; nothing written
    BackupNotKept,     // its contents could not be kept; nothing written
    WriteFailed,
    Written,           // written, no check asked for
    VerifyReadFailed,  // written, but it could not be read back
    Verified,          // written and read back the same
    VerifyDiffers,     // the radio holds something else than was written
};

struct WriteFlowResult {
    WriteFlowEnd end = WriteFlowEnd::Busy;
    uint8_t code = 0;           // result code of the last operation
    BackupOutcome backup;       // when a backup was asked for
    std::vector<ByteMismatch> mismatches;          // VerifyDiffers: by address
    std::vector<SettingDifference> differences;    // VerifyDiffers: by setting ("" when only unshown bytes)
};

// Told of the steps as they end, for what a face says in between.
class WriteFlowObserver {
public:
    virtual ~WriteFlowObserver() = default;
    // Every operation's end, with its record (nullptr: stopped while busy).
    virtual void OperationEnded(const dst_CDrv_Result* result) { (void)result; }
    virtual void BackupDone(const BackupOutcome& outcome) { (void)outcome; }
    // The write has been acknowledged; the check follows when asked for.
    virtual void Written() {}
};

class WriteFlow {
public:
    using Done = std::function<void(const WriteFlowResult& result)>;

    WriteFlow(cuiMain& app, CloneFront& front);
    WriteFlow(const WriteFlow&) = delete;
    WriteFlow& operator=(const WriteFlow&) = delete;

    // Runs the steps for image (which must outlive the flow's run) over
    // ranges. False, doing nothing, while the flow or the front is busy.
    // done is called once, at the end; observer (may be null) must outlive
    // the run.
    bool Start(cmcEeprom& image, RangeList ranges, CloneChain::Prepare prepare, const WriteFlowOptions& options,
               WriteFlowObserver* observer, Done done);
    bool Running() const { return running_; }

private:
    void StartWrite();
    void StartVerify();
    void Finish(WriteFlowEnd end, uint8_t code);
    void Ended(const dst_CDrv_Result* result);
    // The end of a read of the flow: true when the radio's image arrived,
    // else the flow finishes (busy, or `failed` with the read's code).
    bool ReadArrived(const dst_CDrv_Result* result, WriteFlowEnd failed);

    cuiMain& app_;
    CloneFront& front_;
    bool running_ = false;
    cmcEeprom* image_ = nullptr;
    std::vector<RangePair> ranges_;
    CloneChain::Prepare prepare_;
    WriteFlowOptions options_;
    WriteFlowObserver* observer_ = nullptr;
    Done done_;
    WriteFlowResult result_;
};

}  // namespace xtr
