// xtr450ctl write: opens a clone file with every check of the open command,
// refuses settings with errors, identifies the radio and writes the image
// (without the maker's area 0x0000-0x00FF unless --maker is given).
#include "app/globals.h"
#include "app/main/ind_main.h"
#include "app/message_service.h"
#include "clone/clone_manager.h"
#include "ctl/commands.h"
#include "ctl/ctl_backup.h"
#include "ctl/ctl_files.h"
#include "ctl/ctl_options.h"
#include "ctl/transfer_commands.h"
#include "overlay/gtex.h"

#include <cstdio>
#include <string>

namespace xtr::ctl {
namespace {

const char kUsage[] =
    "Usage: xtr450ctl write --port PORT [--high-speed] [--maker] [--force] [--variant mpt|cps]\n"
    "                       [--no-backup] [--no-verify] [--quiet | --verbose] FILE\n\n"
    "Opens the clone file FILE, checks it as the desktop program's open command\n"
    "does, identifies the radio and writes the settings into it: 0x0100-0x1FFF,\n"
    "or 0x0000-0x1FFF with --maker. Settings with errors are not written\n"
    "unless --force is given. Before the write the radio's present contents are\n"
    "read and kept as a backup (see 'xtr450ctl backups'); after it the written\n"
    "range is read back and compared, and every setting the radio holds\n"
    "otherwise is printed as 'page / label (SETTING): 'written' -> 'read''\n"
    "(exit status 4).\n\n"
    "Options (in any order):\n"
    "  --port PORT      serial port: a number (1 to 99, or COM1 to COM99) or a device path\n"
    "  --high-speed     write at 38400 baud (the identify always runs at 9600 baud)\n"
    "  --maker          also write the maker's area 0x0000-0x00FF\n"
    "  --force          write even when the consistency checks report errors\n"
    "  --no-backup      do not read and keep the radio's contents first\n"
    "  --no-verify      do not read the written range back\n"
    "  --trace FILE     record every byte, frame, speed change and result in FILE\n"
    "  --variant V      numbering variant, mpt (default) or cps\n"
    "  --quiet          print nothing but errors\n"
    "  --verbose        describe each step; progress lines when not on a terminal\n\n";

int RunWrite(const std::vector<std::string>& words)
{
    const Args args(words, {"--port", "--variant", "--trace"}, {"--high-speed", "--maker", "--force", "--no-backup", "--no-verify", "--quiet", "--verbose"});
    if (!args.Ok()) {
        return UsageError("write", args.Error());
    }
    if (args.Positional().size() != 1) {
        return UsageError("write", args.Positional().empty() ? "the clone file to write is required"
                                                             : "only one clone file can be written");
    }
    SessionOptions options;
    if (!ReadSessionOptions("write", args, options)) {
        return kExitUsage;
    }
    const std::string path = args.Positional().front();

    Session session(options);
    if (!session.TraceOk()) {
        return kExitFailure;
    }
    session.LoadReference();
    indMain& app = session.App();
    const uint8_t fileCode = OpenCloneFile(app, path);
    if (fileCode != 0) {
        return kExitFileBase + fileCode;
    }

    // Settings that the consistency checks call errors never reach a radio.
    int errors = 0;
    int warnings = 0;
    app.CountProblems(errors, warnings);
    if (errors > 0) {
        if (!args.Flag("--force")) {
            Messages().Show(GTex().FirstLine("GI_Sys_AppTitle"), GTex().AllLines("GI_Mess_DataError"), MsgIcon::Error,
                            MsgButtons::Ok);
            return kExitFailure;
        }
        // The user insists: say plainly what is being done.
        std::fprintf(stderr, "xtr450ctl: writing despite %d error(s) of the consistency checks (--force)\n", errors);
    }

    const RangeList ranges = args.Flag("--maker") ? RangeList(kCloneMakerWriteRanges) : RangeList(kCloneWriteRanges);
    return WriteWithSafeguards(session, ranges, !args.Flag("--no-backup"), !args.Flag("--no-verify"));
}

}  // namespace

Command WriteCommand()
{
    static const std::string usage = std::string(kUsage) + kExitStatusHelp +
                                     "  4        the radio does not hold what was written\n";
    return {"write", "write a clone file into the radio", usage.c_str(), RunWrite};
}

}  // namespace xtr::ctl
