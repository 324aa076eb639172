// xtr450ctl diff: the settings whose shown text differs between two clone
// files, or between a clone file and the radio.
#include "app/globals.h"
#include "app/main/ind_main.h"
#include "ctl/ctl_cells.h"
#include "ctl/ctl_options.h"
#include "ctl/ctl_settings.h"
#include "ctl/file_commands.h"
#include "ctl/settings_commands.h"
#include "settings/setting_diff.h"

#include <cstdio>

namespace xtr::ctl {
namespace {

const char kUsage[] =
    "Usage: xtr450ctl diff [--variant mpt|cps] A B\n"
    "       xtr450ctl diff [--variant mpt|cps] A --port PORT [--high-speed]\n\n"
    "Lists every setting whose shown text differs between the clone files A and\n"
    "B, or between A and the radio at PORT, one line each:\n"
    "'page / label (SETTING): 'A's text' -> 'B's text''.\n\n"
    "Options:\n"
    "  --port PORT      compare with the radio at this serial port\n"
    "  --high-speed     read the radio at 38400 baud\n"
    "  --variant V      numbering variant, mpt (default) or cps\n\n"
    "Exit status:\n"
    "  0        no setting differs\n"
    "  1        settings differ\n"
    "  2        usage error\n"
    "  12-27    reading the radio failed: 10 + its result code\n"
    "  31-39    a clone file error: 30 + its error code\n";

int RunDiff(const std::vector<std::string>& words)
{
    const Args args(words, {"--variant", "--port"}, {"--high-speed", "--quiet", "--verbose"});
    if (!args.Ok()) {
        return UsageError("diff", args.Error());
    }
    const bool withRadio = args.Has("--port");
    if (args.Positional().size() != (withRadio ? 1u : 2u)) {
        return UsageError("diff", withRadio ? "one clone file is compared with the radio"
                                            : "two clone files (or one and --port) are required");
    }
    SessionOptions options;
    if (withRadio) {
        if (!ReadSessionOptions("diff", args, options)) {
            return kExitUsage;
        }
    } else if (!ReadVariant("diff", args, options.modelType)) {
        return kExitUsage;
    } else {
        options = FileSessionOptions(options.modelType);
    }
    Session session(options);
    const std::vector<SettingPage> pages = SettingPages();
    const int opened = OpenDocument(session, args.Positional()[0]);
    if (opened != kExitOk) {
        return opened;
    }
    indMain& app = session.App();
    const std::vector<SettingEntry> a = ListSettings(pages, GTex(), app);
    if (withRadio) {
        TransferOutcome outcome;
        if (!session.Chain().Read(app.ImageSize(), session.Collect(outcome))) {
            session.Console().Error("the clone manager was busy");
            return kExitFailure;
        }
        const int status = session.Wait(outcome);
        if (status != kExitOk) {
            return status;
        }
        app.CurrentImage().CopyFrom(outcome.image);
        app.ImageLoaded(app.CurrentImage());
    } else {
        const int second = OpenDocument(session, args.Positional()[1]);
        if (second != kExitOk) {
            return second;
        }
    }
    const std::vector<SettingDifference> differences = DiffSettings(a, ListSettings(pages, GTex(), app));
    for (const SettingDifference& difference : differences) {
        std::printf("%s\n", DescribeDifference(difference).c_str());
    }
    std::fflush(stdout);
    return differences.empty() ? kExitOk : kExitFailure;
}

}  // namespace

Command DiffCommand()
{
    static const std::string usage = kUsage;
    return {"diff", "list the settings that differ between two clone files or a file and the radio", usage.c_str(),
            RunDiff};
}

}  // namespace xtr::ctl
