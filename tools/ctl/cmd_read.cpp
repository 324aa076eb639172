// xtr450ctl read: identifies the radio, reads its clone area, checks that it
// is an image of this family and saves it as a clone file. Nothing is
// written unless the whole read succeeded.
#include "app/main/ind_main.h"
#include "clone/clone_manager.h"
#include "ctl/commands.h"
#include "ctl/ctl_backup.h"
#include "ctl/ctl_files.h"
#include "ctl/ctl_options.h"
#include "ctl/transfer_commands.h"

#include <string>

namespace xtr::ctl {
namespace {

const char kUsage[] =
    "Usage: xtr450ctl read --port PORT [--high-speed] [--variant mpt|cps]\n"
    "                      [--quiet | --verbose] -o FILE\n\n"
    "Identifies the radio, reads its memory 0x0000-0x1FFF, checks that it holds\n"
    "the settings of an XT-R450 and saves them as the clone file FILE. A failed\n"
    "read leaves FILE as it was. The image read is also kept as a backup (see\n"
    "'xtr450ctl backups'); a backup that cannot be kept is reported, and the read\n"
    "still succeeds.\n\n"
    "Options (in any order):\n"
    "  --port PORT      serial port: a number (1 to 99, or COM1 to COM99) or a device path\n"
    "  --high-speed     read at 38400 baud (the identify always runs at 9600 baud)\n"
    "  -o, --output F   the clone file to write\n"
    "  --no-backup      keep no backup of the image read (see 'xtr450ctl backups')\n"
    "  --trace FILE     record every byte, frame, speed change and result in FILE\n"
    "  --variant V      numbering variant, mpt (default) or cps\n"
    "  --quiet          print nothing but errors\n"
    "  --verbose        describe each step; progress lines when not on a terminal\n\n";

int RunRead(const std::vector<std::string>& words)
{
    const Args args(words, {"--port", "--variant", "--trace", "--output"}, {"--high-speed", "--no-backup", "--quiet", "--verbose"});
    if (!args.Ok()) {
        return UsageError("read", args.Error());
    }
    if (!args.Positional().empty()) {
        return UsageError("read", "unexpected argument '" + args.Positional().front() + "'");
    }
    if (args.Value("--output").empty()) {
        return UsageError("read", "the output file (-o FILE) is required");
    }
    SessionOptions options;
    if (!ReadSessionOptions("read", args, options)) {
        return kExitUsage;
    }
    const std::string path = args.Value("--output");

    Session session(options);
    if (!session.TraceOk()) {
        return kExitFailure;
    }
    session.LoadReference();
    TransferOutcome outcome;
    if (!session.Chain().Read(session.App().ImageSize(), session.Collect(outcome))) {
        session.Console().Error("the clone manager was busy");
        return kExitFailure;
    }
    const int status = session.Wait(outcome);
    if (status != kExitOk) {
        return status;
    }

    // The image as the radio sent it is kept; a backup that cannot be kept
    // is said, and the read goes on.
    if (!args.Flag("--no-backup")) {
        KeepBackup(session, outcome.image);
    }
    indMain& app = session.App();
    app.CurrentImage().CopyFrom(outcome.image);
    // Brings what the radio sent into the canonical form (derived bytes,
    // unused rows) before it is kept.
    app.ImageLoaded(app.CurrentImage());
    const uint8_t fileCode = SaveCloneFile(app, path);
    if (fileCode != 0) {
        return kExitFileBase + fileCode;
    }
    session.Console().Detail("Saved " + path);
    return kExitOk;
}

}  // namespace

Command ReadCommand()
{
    static const std::string usage = std::string(kUsage) + kExitStatusHelp;
    return {"read", "read the radio's settings into a clone file", usage.c_str(), RunRead};
}

}  // namespace xtr::ctl
