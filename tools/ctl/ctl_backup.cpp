#include "ctl/ctl_backup.h"

#include "app/globals.h"
#include "app/main/ind_main.h"
#include "app/text_util.h"
#include "clone/backup_store.h"
#include "clone/clone_checks.h"
#include "clone/clone_info.h"
#include "clone/write_check.h"
#include "ctl/commands.h"
#include "ctl/ctl_settings.h"
#include "image/eeprom.h"
#include "platform/app_data_folder.h"
#include "settings/setting_diff.h"

#include <cstdio>

namespace xtr::ctl {
namespace {

// Runs a read and hands back its result code and the image it brought, for
// images this program refuses as well (their bytes all arrived).
int ReadRadio(Session& session, cmcEeprom& image)
{
    TransferOutcome outcome;
    auto done = [&](const dst_CDrv_Result* result) {
        outcome.finished = true;
        outcome.reported = result != nullptr;
        if (result == nullptr) {
            return;
        }
        outcome.code = result->code;
        if (outcome.code == kCloneOk || outcome.code == kCloneForeignImage || outcome.code == kCloneNewerImage) {
            image.SetSize(result->image.Size());
            image.CopyFrom(result->image);
        }
    };
    if (!session.Chain().Read(session.App().ImageSize(), done)) {
        session.Console().Error("the clone manager was busy");
        return kExitFailure;
    }
    return session.Wait(outcome);
}

}  // namespace

bool KeepBackup(Session& session, const cmcEeprom& image)
{
    BackupStore store(BackupFolder());
    indMain& app = session.App();
    std::string path;
    std::string error;
    if (!store.Keep(image, app.ModelCode(), app.ExtraCode(), CloneInfoEsn(session.Identity()), LocalBackupTime(),
                    path, error)) {
        const std::string folder = store.Folder().empty() ? std::string("(no folder)") : store.Folder();
        session.Console().Error(OverlayText("GI_Mess_Backup_Failed", folder) + " (" + error + ")");
        return false;
    }
    session.Console().Detail(OverlayText("GI_Mess_Backup_Saved", path));
    return true;
}

int BackupBeforeWrite(Session& session)
{
    cmcEeprom image;
    const int status = ReadRadio(session, image);
    if (image.Size() == 0) {
        session.Console().Error(OverlayText("GI_Mess_Backup_ReadFailed"));
        return status;
    }
    if (!KeepBackup(session, image)) {
        session.Console().Error(OverlayText("GI_Mess_Backup_WriteRefused"));
        return kExitFailure;
    }
    return kExitOk;
}

int CheckWrite(Session& session, const cmcEeprom& written, RangeList ranges)
{
    cmcEeprom read;
    const int status = ReadRadio(session, read);
    if (read.Size() == 0) {
        session.Console().Error(OverlayText("GI_Mess_Verify_ReadFailed"));
        return status;
    }
    const std::vector<ByteMismatch> mismatches = CompareWritten(written, read, ranges);
    if (mismatches.empty()) {
        session.Console().Note(OverlayText("GI_Mess_Verify_Ok"));
        return kExitOk;
    }

    // Described by setting: the pages of the written image against those of
    // the image that came back.
    indMain& app = session.App();
    cmcEeprom& current = app.CurrentImage();
    cmcEeprom saved;
    saved.SetSize(current.Size());
    saved.CopyFrom(current);
    const std::vector<SettingPage> pages = SettingPages(true);
    current.CopyFrom(written);
    const std::vector<SettingEntry> sent = ListSettings(pages, GTex(), app);
    current.CopyFrom(read);
    const std::vector<SettingEntry> back = ListSettings(pages, GTex(), app);
    current.CopyFrom(saved);

    const std::vector<SettingDifference> differences = DiffSettings(sent, back);
    for (const SettingDifference& difference : differences) {
        std::printf("%s\n", DescribeDifference(difference).c_str());
    }
    if (differences.empty()) {
        // Bytes no page shows (reserved or derived ones) by address.
        for (const ByteMismatch& mismatch : mismatches) {
            std::printf("%s\n",
                        Format("0x%04X: 0x%02X -> 0x%02X", mismatch.address, mismatch.written, mismatch.read).c_str());
        }
    }
    std::fflush(stdout);
    if (!differences.empty()) {
        session.Console().Error(OverlayText("GI_Mess_Verify_Failed", std::to_string(differences.size())));
    } else {
        session.Console().Error(OverlayText("GI_Mess_Verify_Bytes", std::to_string(mismatches.size()),
                                            Format("0x%04X", mismatches.front().address)));
    }
    return kExitVerifyFailed;
}

}  // namespace xtr::ctl
