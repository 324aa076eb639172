// The commands of xtr450ctl. Each command lives in its own file and is
// listed once in the command table (commands.cpp).
#pragma once

#include <string>
#include <vector>

namespace xtr::ctl {

// Exit statuses shared by every command.
enum ExitCode : int {
    kExitOk = 0,
    kExitFailure = 1,
    kExitUsage = 2,
    kExitVerifyFailed = 4,   // the radio does not hold what was written
    kExitTransferBase = 10,  // + transfer result code
    kExitFileBase = 30,      // + clone file error code
};

struct Command {
    const char* name;
    const char* summary;
    const char* usage;  // full help text of the command
    int (*run)(const std::vector<std::string>& args);
};

const std::vector<Command>& CommandTable();

int Run(int argc, char** argv);

}  // namespace xtr::ctl
