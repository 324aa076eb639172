#include "ctl/ctl_backup.h"

#include "app/globals.h"
#include "app/main/clone_front.h"
#include "app/main/ind_main.h"
#include "app/main/radio_backup.h"
#include "app/main/write_flow.h"
#include "app/message_service.h"
#include "app/text_util.h"
#include "ctl/commands.h"
#include "ctl/ctl_settings.h"
#include "image/eeprom.h"
#include "overlay/gtex.h"

#include <cstdio>

namespace xtr::ctl {
namespace {

void SayBackup(Session& session, const BackupOutcome& outcome)
{
    if (outcome.kept) {
        session.Console().Detail(OverlayText("GI_Mess_Backup_Saved", outcome.path));
    } else {
        session.Console().Error(OverlayText("GI_Mess_Backup_Failed", outcome.folder) + " (" + outcome.error + ")");
    }
}

// What the console shows between the steps of the flow.
class ConsoleSteps : public WriteFlowObserver {
public:
    explicit ConsoleSteps(Session& session) : session_(session) {}

    void OperationEnded(const dst_CDrv_Result* result) override
    {
        if (result != nullptr) {
            session_.TraceResult(result->code);
        }
    }
    void BackupDone(const BackupOutcome& outcome) override { SayBackup(session_, outcome); }
    void Written() override
    {
        Messages().Show(GTex().FirstLine("GI_Sys_AppTitle"), GTex().AllLines("GI_Mess_CloneWrite_Succeeded"),
                        MsgIcon::Information, MsgButtons::Ok);
    }

private:
    Session& session_;
};

int TransferStatus(uint8_t code)
{
    return code == kCloneOk ? kExitOk : kExitTransferBase + code;
}

int ReportDifferences(Session& session, const WriteFlowResult& result)
{
    for (const SettingDifference& difference : result.differences) {
        std::printf("%s\n", DescribeDifference(difference).c_str());
    }
    if (result.differences.empty()) {
        // Bytes no page shows (reserved or derived ones) by address.
        for (const ByteMismatch& mismatch : result.mismatches) {
            std::printf("%s\n",
                        Format("0x%04X: 0x%02X -> 0x%02X", mismatch.address, mismatch.written, mismatch.read).c_str());
        }
    }
    std::fflush(stdout);
    if (!result.differences.empty()) {
        session.Console().Error(OverlayText("GI_Mess_Verify_Failed", std::to_string(result.differences.size())));
    } else {
        session.Console().Error(OverlayText("GI_Mess_Verify_Bytes", std::to_string(result.mismatches.size()),
                                            Format("0x%04X", result.mismatches.front().address)));
    }
    return kExitVerifyFailed;
}

}  // namespace

bool KeepBackup(Session& session, const cmcEeprom& image)
{
    indMain& app = session.App();
    const BackupOutcome outcome = KeepRadioBackup(app, app.Clone(), image, "", LocalBackupTime());
    SayBackup(session, outcome);
    return outcome.kept;
}

int WriteWithSafeguards(Session& session, RangeList ranges, bool backup, bool verify)
{
    indMain& app = session.App();
    WriteFlowOptions options;
    options.backup = backup;
    options.verify = verify;
    ConsoleSteps steps(session);
    bool finished = false;
    WriteFlowResult outcome;
    // The image is prepared once the radio has answered the identify.
    auto prepare = [&app](cmcEeprom& image) { app.PrepareImage(image); };
    const bool started = app.Clone().Write().Start(app.CurrentImage(), ranges, prepare, options, &steps,
                                                   [&](const WriteFlowResult& result) {
                                                       outcome = result;
                                                       finished = true;
                                                   });
    if (!started) {
        session.Console().Error("the clone manager was busy");
        return kExitFailure;
    }
    if (!session.RunUntil([&finished] { return finished; })) {
        return kExitFailure;
    }
    switch (outcome.end) {
    case WriteFlowEnd::Busy:
        session.Console().Error("the clone manager was busy");
        return kExitFailure;
    case WriteFlowEnd::BackupReadFailed:
        session.Console().Error(OverlayText("GI_Mess_Backup_ReadFailed"));
        return TransferStatus(outcome.code);
    case WriteFlowEnd::BackupNotKept:
        session.Console().Error(OverlayText("GI_Mess_Backup_WriteRefused"));
        return kExitFailure;
    case WriteFlowEnd::WriteFailed:
    case WriteFlowEnd::Written:
        return TransferStatus(outcome.code);
    case WriteFlowEnd::VerifyReadFailed:
        session.Console().Error(OverlayText("GI_Mess_Verify_ReadFailed"));
        return TransferStatus(outcome.code);
    case WriteFlowEnd::Verified:
        session.Console().Note(OverlayText("GI_Mess_Verify_Ok"));
        return kExitOk;
    case WriteFlowEnd::VerifyDiffers:
        return ReportDifferences(session, outcome);
    }
    return kExitFailure;
}

}  // namespace xtr::ctl
