#include "ctl/ctl_options.h"

#include "ctl/commands.h"

#include <cstdio>

namespace xtr::ctl {

const char* const kExitStatusHelp =
    "Exit status:\n"
    "  0        success\n"
    "  1        any other failure (for example data errors that forbid a write)\n"
    "  2        usage error\n"
    "  12-27    the transfer failed: 10 + its result code\n"
    "           (12 port cannot be opened, 15 no answer in time, 16 malformed data,\n"
    "           17 wrong frame count, 18 data missing, 19 data outside the ranges,\n"
    "           20 write not accepted, 21 not an XT-R450, 24 radio not supported,\n"
    "           25 image read is not an XT-R450 image, 26 image newer than supported)\n"
    "  31-39    a clone file error: 30 + its error code\n"
    "           (31 cannot open, 32 cannot write, 33 other model, 34 other version,\n"
    "           35 other map revision, 36 damaged, 37 incomplete, 38 foreign data,\n"
    "           39 newer than supported)\n";

int UsageError(const char* command, const std::string& message)
{
    std::fprintf(stderr, "xtr450ctl %s: %s (try 'xtr450ctl %s --help')\n", command, message.c_str(), command);
    return kExitUsage;
}

bool ReadSessionOptions(const char* command, const Args& args, SessionOptions& options)
{
    if (!args.Has("--port")) {
        UsageError(command, "--port is required");
        return false;
    }
    if (!ParsePort(args.Value("--port"), options.port)) {
        UsageError(command, "'" + args.Value("--port") + "' is neither a port number (1 to 99) nor a device path");
        return false;
    }
    const std::string variant = args.Value("--variant", "mpt");
    if (variant == "mpt") {
        options.modelType = 0;
    } else if (variant == "cps") {
        options.modelType = 1;
    } else {
        UsageError(command, "--variant must be mpt or cps");
        return false;
    }
    if (args.Flag("--quiet") && args.Flag("--verbose")) {
        UsageError(command, "--quiet and --verbose exclude each other");
        return false;
    }
    options.verbosity = args.Flag("--quiet")     ? Verbosity::Quiet
                        : args.Flag("--verbose") ? Verbosity::Verbose
                                                 : Verbosity::Normal;
    options.highSpeed = args.Flag("--high-speed");
    options.tracePath = args.Value("--trace");
    return true;
}

}  // namespace xtr::ctl
