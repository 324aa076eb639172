// xtr450ctl info: identifies the radio and prints what it says about itself,
// one "Name: value" line per item of the clone information window.
#include "app/main/ind_main.h"
#include "app/text_util.h"
#include "clone/clone_info.h"
#include "ctl/commands.h"
#include "ctl/ctl_options.h"
#include "ctl/transfer_commands.h"

#include <cstdio>
#include <string>

namespace xtr::ctl {
namespace {

const char kUsage[] =
    "Usage: xtr450ctl info --port PORT [--variant mpt|cps] [--quiet | --verbose]\n\n"
    "Identifies the radio at 9600 baud and prints its model, firmware revision,\n"
    "clone comments, option unit, over-voltage notice and serial number, one\n"
    "'Name: value' line each, on the standard output.\n\n"
    "Options (in any order):\n"
    "  --port PORT      serial port: a number (1 to 99, or COM1 to COM99) or a device path\n"
    "  --trace FILE     record every byte, frame, speed change and result in FILE\n"
    "  --variant V      numbering variant, mpt (default) or cps\n"
    "  --quiet          print nothing but errors on the standard error stream\n"
    "  --verbose        describe each step on the standard error stream\n\n";

void PrintItem(const char* name, std::string value)
{
    while (!value.empty() && value.back() == '\n') {
        value.pop_back();
    }
    std::printf("%s:%s%s\n", name, value.empty() ? "" : " ", value.c_str());
}

int RunInfo(const std::vector<std::string>& words)
{
    const Args args(words, {"--port", "--variant", "--trace"}, {"--quiet", "--verbose"});
    if (!args.Ok()) {
        return UsageError("info", args.Error());
    }
    if (!args.Positional().empty()) {
        return UsageError("info", "unexpected argument '" + args.Positional().front() + "'");
    }
    SessionOptions options;
    if (!ReadSessionOptions("info", args, options)) {
        return kExitUsage;
    }

    Session session(options);
    if (!session.TraceOk()) {
        return kExitFailure;
    }
    TransferOutcome outcome;
    if (!session.Chain().Identify(session.Collect(outcome))) {
        session.Console().Error("the clone manager was busy");
        return kExitFailure;
    }
    const int status = session.Wait(outcome);
    if (status != kExitOk) {
        return status;
    }
    const CloneIdentityBlock& block = session.Identity();
    PrintItem("Model", Format("%04X", session.App().ModelCode() & 0xFFFF));
    PrintItem("Revision", CloneInfoRevision(block));
    PrintItem("Comment 1", CloneInfoComment(block, 0));
    PrintItem("Comment 2", CloneInfoComment(block, 1));
    PrintItem("Option unit", CloneInfoOption(block));
    PrintItem("Over-voltage", CloneInfoOverVolt(block));
    PrintItem("Serial number", CloneInfoEsn(block));
    std::fflush(stdout);
    return kExitOk;
}

}  // namespace

Command InfoCommand()
{
    static const std::string usage = std::string(kUsage) + kExitStatusHelp;
    return {"info", "identify the radio and print what it says about itself", usage.c_str(), RunInfo};
}

}  // namespace xtr::ctl
