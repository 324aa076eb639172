// The clone commands of the main window: read, write and information.
// While a transfer runs the main form is disabled (so it cannot close and
// no command reaches the image) and the progress window shows how far it is.
#include "app/main/cui_main.h"

#include "app/environ.h"
#include "app/events.h"
#include "app/globals.h"
#include "app/main/clone_front.h"
#include "app/main/main_form.h"
#include "app/main/overlay_message.h"
#include "app/main/radio_backup.h"
#include "app/main/write_flow.h"
#include "app/text_util.h"
#include "clone/clone_error_message.h"
#include "clone/clone_info.h"
#include "clone/clone_result.h"
#include "image/memory_map.h"
#include "image/range_list.h"
#include "overlay/gtex.h"

namespace xtr {
namespace {

// A write leaves the maker's area alone, but in maker mode.
constexpr RangePair kUserWriteRanges[] = {{memmap::kSettingsFirst, memmap::kCloneAreaLast}, kRangeEnd};
constexpr RangePair kMakerWriteRanges[] = {{memmap::kCloneAreaFirst, memmap::kCloneAreaLast}, kRangeEnd};

}  // namespace

CloneFront& cuiMain::Clone()
{
    if (!clone_) {
        clone_ = std::make_unique<CloneFront>(*this);
    }
    return *clone_;
}

bool cuiMain::CloneActive() const
{
    return clone_ && clone_->Busy();
}

namespace {

// Disables the form for the transfer, names the chosen port and gives the
// manager the progress window; Release gives the form back.
void HoldForm(MainForm* form, CloneFront& clone)
{
    // The port the Port menu chose: a device by its path, or the numbered port.
    clone.SetDevicePath(HasEnv() ? Env().portDevice : std::string());
    clone.Manager().SetProgressView(form != nullptr ? form->ProgressView() : nullptr);
    if (form != nullptr) {
        form->SetEnabled(false);
    }
}

void ReleaseForm(MainForm* form)
{
    if (form != nullptr) {
        form->SetEnabled(true);
    }
}

TransferSettings Choices()
{
    return HasEnv() ? Env().transfer : TransferSettings{};
}

// The end of every operation goes into the trace, when it is on.
void TraceEnd(TraceSwitch& traces, const dst_CDrv_Result* result)
{
    if (result == nullptr) {
        return;
    }
    const std::string text = CloneErrorText(result->code, HasEnv() ? Env().comPort : 1);
    traces.Result(result->code, result->code == kCloneOk ? "(success)" : "(" + text.substr(0, text.find('\n')) + ")");
}

class TraceSteps : public WriteFlowObserver {
public:
    explicit TraceSteps(TraceSwitch& traces) : traces_(traces) {}
    void OperationEnded(const dst_CDrv_Result* result) override { TraceEnd(traces_, result); }

private:
    TraceSwitch& traces_;
};

// At most this many differing settings are listed in the message after a
// check that failed; the rest are counted.
constexpr std::size_t kListedDifferences = 20;

std::string DifferenceList(const WriteFlowResult& result)
{
    std::string text;
    std::size_t listed = 0;
    for (const SettingDifference& difference : result.differences) {
        if (listed++ == kListedDifferences) {
            text += "\n" + OverlayMessage("GI_Mess_Verify_More", std::to_string(result.differences.size() - kListedDifferences));
            break;
        }
        text += "\n" + DescribeDifference(difference);
    }
    return text;
}

void ReportWrite(const WriteFlowResult& result)
{
    const std::string succeeded = GTex().AllLines("GI_Mess_CloneWrite_Succeeded");
    switch (result.end) {
    case WriteFlowEnd::Busy:
    case WriteFlowEnd::WriteFailed:
        break;  // the clone manager has said why
    case WriteFlowEnd::BackupReadFailed:
        ShowOverlayBox(OverlayMessage("GI_Mess_Backup_ReadFailedWindow"), MsgIcon::Error);
        break;
    case WriteFlowEnd::BackupNotKept:
        ShowOverlayBox(OverlayMessage("GI_Mess_Backup_WriteRefusedWindow", result.backup.folder, result.backup.error), MsgIcon::Error);
        break;
    case WriteFlowEnd::Written:
        ShowOverlayBox(succeeded, MsgIcon::Information);
        break;
    case WriteFlowEnd::Verified:
        ShowOverlayBox(succeeded + "\n" + OverlayMessage("GI_Mess_Verify_Ok"), MsgIcon::Information);
        break;
    case WriteFlowEnd::VerifyReadFailed:
        ShowOverlayBox(OverlayMessage("GI_Mess_Verify_ReadFailed"), MsgIcon::Warning);
        break;
    case WriteFlowEnd::VerifyDiffers:
        if (!result.differences.empty()) {
            ShowOverlayBox(OverlayMessage("GI_Mess_Verify_Failed", std::to_string(result.differences.size())) + DifferenceList(result),
                MsgIcon::Error);
        } else {
            ShowOverlayBox(OverlayMessage("GI_Mess_Verify_Bytes", std::to_string(result.mismatches.size()),
                       Format("0x%04X", result.mismatches.front().address)),
                MsgIcon::Error);
        }
        break;
    }
}

}  // namespace

bool cuiMain::CloneRead()
{
    if (ConfirmSave() == MsgResult::Cancel) {
        return false;
    }
    CloneFront& clone = Clone();
    if (clone.Busy()) {
        return false;
    }
    HoldForm(form_, clone);
    const bool started = clone.Chain().Read(imageSize_, [this](const dst_CDrv_Result* result) {
        ReleaseForm(form_);
        TraceEnd(traces_, result);
        if (result == nullptr || result->code != kCloneOk || result->kind != kCloneRead) {
            return;  // the message has been shown; the image is untouched
        }
        // The image as the radio sent it is kept; a backup that cannot be
        // kept is said, and the read goes on.
        const TransferSettings choices = Choices();
        if (choices.backups) {
            const BackupOutcome backup =
                KeepRadioBackup(*this, Clone(), result->image, choices.backupFolder, LocalBackupTime());
            if (!backup.kept) {
                ShowOverlayBox(OverlayMessage("GI_Mess_Backup_Failed", backup.folder) + " (" + backup.error + ")", MsgIcon::Warning);
            }
        }
        current_.CopyFrom(result->image);
        ImageLoaded(current_);
        fileName_.clear();
        SetModified();
        ReopenSheet();
        EvMan().Post(kEvImageLoaded, 0, 0);
    });
    if (!started) {
        ReleaseForm(form_);
    }
    return started;
}

bool cuiMain::StartCloneWrite()
{
    CloneFront& clone = Clone();
    if (clone.Busy()) {
        return false;
    }
    const RangeList ranges = MakerMode() ? RangeList(kMakerWriteRanges) : RangeList(kUserWriteRanges);
    HoldForm(form_, clone);
    const TransferSettings choices = Choices();
    WriteFlowOptions options;
    options.backup = choices.backups;
    options.backupFolder = choices.backupFolder;
    options.verify = choices.verify;
    writeSteps_ = std::make_unique<TraceSteps>(traces_);
    const bool started = clone.Write().Start(
        current_, ranges, [this](cmcEeprom& image) { PrepareImage(image); }, options, writeSteps_.get(),
        [this](const WriteFlowResult& result) {
            ReleaseForm(form_);
            if (result.end != WriteFlowEnd::Busy && result.end != WriteFlowEnd::WriteFailed &&
                result.end != WriteFlowEnd::BackupReadFailed && result.end != WriteFlowEnd::BackupNotKept) {
                ReopenSheet();
            }
            ReportWrite(result);
        });
    if (!started) {
        ReleaseForm(form_);
    }
    return started;
}

bool cuiMain::CloneInformation()
{
    CloneFront& clone = Clone();
    if (clone.Busy()) {
        return false;
    }
    HoldForm(form_, clone);
    const bool started = clone.Chain().Identify([this](const dst_CDrv_Result* result) {
        ReleaseForm(form_);
        TraceEnd(traces_, result);
        if (result != nullptr && result->code == kCloneOk && form_ != nullptr) {
            form_->ShowCloneInformation();
        }
    });
    if (!started) {
        ReleaseForm(form_);
    }
    return started;
}

bool cuiMain::CloneInfoText(CloneInfoItem item, std::int32_t index, std::string& text)
{
    if (!clone_ || !clone_->HasIdentity()) {
        return false;
    }
    const CloneIdentityBlock& block = clone_->Identity();
    switch (item) {
    case CloneInfoItem::Revision:
        text = CloneInfoRevision(block);
        return true;
    case CloneInfoItem::Comment:
        text = CloneInfoComment(block, index);
        return true;
    case CloneInfoItem::Option:
        text = CloneInfoOption(block);
        return true;
    case CloneInfoItem::OverVolt:
        text = CloneInfoOverVolt(block);
        return true;
    case CloneInfoItem::Esn:
        text = CloneInfoEsn(block);
        return true;
    }
    return false;
}

}  // namespace xtr
