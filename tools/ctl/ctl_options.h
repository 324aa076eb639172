// The options the transfer commands share (--port, --variant, --high-speed,
// --quiet, --verbose), the exit-status table of their help texts and the
// report of a usage error.
#pragma once

#include "ctl/args.h"
#include "ctl/ctl_session.h"

#include <string>

namespace xtr::ctl {

// The exit statuses, as every transfer command's help lists them.
extern const char* const kExitStatusHelp;

// Fills the session options from parsed arguments; false (after printing
// the reason) when one is missing or wrong.
bool ReadSessionOptions(const char* command, const Args& args, SessionOptions& options);

// Prints "xtr450ctl COMMAND: message" and a hint at --help; returns 2.
int UsageError(const char* command, const std::string& message);

}  // namespace xtr::ctl
