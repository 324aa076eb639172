#include "app/main/write_flow.h"

#include "app/main/clone_front.h"
#include "app/main/cui_main.h"
#include "clone/clone_checks.h"

namespace xtr {
namespace {

// A read whose bytes all arrived, also of an image this program refuses:
// a backup of it is still worth keeping (a write is often what mends it).
bool ImageArrived(const dst_CDrv_Result* result)
{
    return result != nullptr && result->kind == kCloneRead &&
           (result->code == kCloneOk || result->code == kCloneForeignImage || result->code == kCloneNewerImage);
}

}  // namespace

WriteFlow::WriteFlow(cuiMain& app, CloneFront& front) : app_(app), front_(front) {}

bool WriteFlow::Start(cmcEeprom& image, RangeList ranges, CloneChain::Prepare prepare,
                      const WriteFlowOptions& options, WriteFlowObserver* observer, Done done)
{
    if (running_ || front_.Busy()) {
        return false;
    }
    image_ = &image;
    ranges_.clear();
    ForEachRange(ranges, [this](const RangePair& pair) {
        ranges_.push_back(pair);
        return true;
    });
    ranges_.push_back(kRangeEnd);
    prepare_ = std::move(prepare);
    options_ = options;
    observer_ = observer;
    done_ = std::move(done);
    result_ = WriteFlowResult{};
    running_ = true;

    if (!options_.backup) {
        StartWrite();
        return true;
    }
    const bool started = front_.Chain().Read(app_.ImageSize(), [this](const dst_CDrv_Result* result) {
        if (!ReadArrived(result, WriteFlowEnd::BackupReadFailed)) {
            return;
        }
        result_.backup = KeepRadioBackup(app_, front_, result->image, options_.backupFolder, options_.now());
        if (observer_ != nullptr) {
            observer_->BackupDone(result_.backup);
        }
        if (!result_.backup.kept) {
            Finish(WriteFlowEnd::BackupNotKept, result->code);
            return;
        }
        StartWrite();
    });
    if (!started) {
        running_ = false;
        done_ = nullptr;
        return false;
    }
    return true;
}

bool WriteFlow::ReadArrived(const dst_CDrv_Result* result, WriteFlowEnd failed)
{
    Ended(result);
    if (result == nullptr) {
        Finish(WriteFlowEnd::Busy, 0);
        return false;
    }
    if (!ImageArrived(result)) {
        Finish(failed, result->code);
        return false;
    }
    return true;
}

void WriteFlow::StartWrite()
{
    const bool started =
        front_.Chain().Write(*image_, RangeList(ranges_), prepare_, [this](const dst_CDrv_Result* result) {
            Ended(result);
            if (result == nullptr) {
                Finish(WriteFlowEnd::Busy, 0);
                return;
            }
            if (result->code != kCloneOk || result->kind != kCloneWrite) {
                Finish(WriteFlowEnd::WriteFailed, result->code);
                return;
            }
            if (observer_ != nullptr) {
                observer_->Written();
            }
            if (!options_.verify) {
                Finish(WriteFlowEnd::Written, kCloneOk);
                return;
            }
            StartVerify();
        });
    if (!started) {
        Finish(WriteFlowEnd::Busy, 0);
    }
}

void WriteFlow::StartVerify()
{
    const bool started = front_.Chain().Read(app_.ImageSize(), [this](const dst_CDrv_Result* result) {
        if (!ReadArrived(result, WriteFlowEnd::VerifyReadFailed)) {
            return;
        }
        result_.mismatches = CompareWritten(*image_, result->image, RangeList(ranges_));
        if (result_.mismatches.empty()) {
            Finish(WriteFlowEnd::Verified, kCloneOk);
            return;
        }
        result_.differences = WrittenDifferences(app_, *image_, result->image);
        Finish(WriteFlowEnd::VerifyDiffers, kCloneOk);
    });
    if (!started) {
        Finish(WriteFlowEnd::Busy, 0);
    }
}

void WriteFlow::Ended(const dst_CDrv_Result* result)
{
    if (observer_ != nullptr) {
        observer_->OperationEnded(result);
    }
}

void WriteFlow::Finish(WriteFlowEnd end, uint8_t code)
{
    result_.end = end;
    result_.code = code;
    running_ = false;
    // Cleared first: the completion may start another flow.
    Done done = std::move(done_);
    done_ = nullptr;
    observer_ = nullptr;
    const WriteFlowResult result = std::move(result_);
    if (done) {
        done(result);
    }
}

}  // namespace xtr
