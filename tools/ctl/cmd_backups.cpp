// xtr450ctl backups: lists the backups kept of the radios, newest first.
#include "app/main/ind_main.h"
#include "clone/backup_store.h"
#include "clone/clone_info.h"
#include "ctl/ctl_options.h"
#include "ctl/ctl_settings.h"
#include "ctl/settings_commands.h"
#include "platform/app_data_folder.h"

#include <cstdio>

namespace xtr::ctl {
namespace {

const char kUsage[] =
    "Usage: xtr450ctl backups [--esn ESN | --port PORT]\n\n"
    "Lists the backups kept of the radios, newest first, one line each:\n"
    "'date time  serial number  file'. Every read from a radio and every write\n"
    "(before it changes the radio) keeps one; the newest 50 of each radio are\n"
    "kept. They live in the backups folder of the program's application data\n"
    "(XTR450_BACKUP_DIR names another one). To restore one, write its file.\n\n"
    "Options:\n"
    "  --esn ESN        only the backups of the radio with this serial number\n"
    "  --port PORT      only those of the radio at this port (it is identified)\n\n"
    "Exit status:\n"
    "  0        success (also when there are none)\n"
    "  2        usage error\n"
    "  12-27    identifying the radio failed: 10 + its result code\n";

int RunBackups(const std::vector<std::string>& words)
{
    const Args args(words, {"--esn", "--port"}, {});
    if (!args.Ok()) {
        return UsageError("backups", args.Error());
    }
    if (!args.Positional().empty()) {
        return UsageError("backups", "unexpected argument '" + args.Positional().front() + "'");
    }
    if (args.Has("--esn") && args.Has("--port")) {
        return UsageError("backups", "--esn and --port exclude each other");
    }
    std::string esn = args.Value("--esn");
    SessionOptions options;
    options.verbosity = Verbosity::Quiet;
    if (args.Has("--port") && !ReadSessionOptions("backups", args, options)) {
        return kExitUsage;
    }
    Session session(options);
    if (args.Has("--port")) {
        TransferOutcome outcome;
        if (!session.Chain().Identify(session.Collect(outcome))) {
            session.Console().Error("the clone manager was busy");
            return kExitFailure;
        }
        const int status = session.Wait(outcome);
        if (status != kExitOk) {
            return status;
        }
        esn = CloneInfoEsn(session.Identity());
    }
    const BackupStore store(BackupFolder());
    const std::vector<BackupEntry> entries = store.List(esn);
    if (entries.empty()) {
        std::fprintf(stderr, "%s\n", OverlayText("GI_Mess_Backup_None", store.Folder()).c_str());
        return kExitOk;
    }
    for (const BackupEntry& entry : entries) {
        std::printf("%s  %s  %s\n", entry.when.c_str(), entry.esn.c_str(), entry.path.c_str());
    }
    std::fflush(stdout);
    return kExitOk;
}

}  // namespace

Command BackupsCommand()
{
    static const std::string usage = kUsage;
    return {"backups", "list the backups kept of the radios", usage.c_str(), RunBackups};
}

}  // namespace xtr::ctl
