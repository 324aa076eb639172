#include "ctl/commands.h"

#include "app/fatal.h"
#include "platform/executable_path.h"

#include <cstdio>
#include <cstring>

namespace xtr::ctl {
namespace {

void PrintOverview()
{
    std::printf("Usage: xtr450ctl COMMAND [OPTIONS] [ARGUMENTS]\n\n"
                "Cloning tool for XT-R450 MPT1327 radios, without a window.\n\nCommands:\n");
    for (const Command& command : CommandTable()) {
        std::printf("  %-10s %s\n", command.name, command.summary);
    }
    std::printf("\n'xtr450ctl COMMAND --help' describes one command.\n"
                "'xtr450ctl --version' prints the version.\n\n"
                "Exit status:\n"
                "  0        success\n"
                "  1        any other failure\n"
                "  2        usage error\n"
                "  4        the radio does not hold what was written (write)\n"
                "  12-27    a transfer with the radio failed: 10 + its result code\n"
                "  31-39    a clone file error: 30 + its error code\n");
}

}  // namespace

int Run(int argc, char** argv)
{
    SetFatalCaption(ExecutableName());
    if (argc < 2) {
        PrintOverview();
        return kExitUsage;
    }
    const std::string first = argv[1];
    if (first == "--help" || first == "-h" || first == "help") {
        PrintOverview();
        return kExitOk;
    }
    if (first == "--version") {
        std::printf("xtr450ctl %s\n", XTR_VERSION);
        return kExitOk;
    }
    for (const Command& command : CommandTable()) {
        if (first == command.name) {
            std::vector<std::string> args(argv + 2, argv + argc);
            for (const std::string& arg : args) {
                if (arg == "--help" || arg == "-h") {
                    std::printf("%s", command.usage);
                    return kExitOk;
                }
            }
            return command.run(args);
        }
    }
    std::fprintf(stderr, "xtr450ctl: unknown command '%s' (try --help)\n", first.c_str());
    return kExitUsage;
}

}  // namespace xtr::ctl
