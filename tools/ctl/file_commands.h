// The commands that work on clone files and the overlay without a radio:
// check, sheets, show, get and set.
#pragma once

#include "ctl/commands.h"
#include "ctl/ctl_session.h"

#include <cstdint>
#include <string>

namespace xtr::ctl {

Command CheckCommand();
Command SheetsCommand();
Command ShowCommand();
Command GetCommand();
Command SetCommand();
#ifdef XTR_WITH_PRINT
// Only where the Qt painting libraries are built.
Command PrintCommand();
#endif

// A session for the file commands: the variant's initial image as the
// reference, nothing said but errors and warnings unless verbose.
SessionOptions FileSessionOptions(std::uint8_t modelType);

// Opens path into the session's current image with every check of the open
// command; the exit status: 0, or 30 + the clone file error code.
int OpenDocument(Session& session, const std::string& path);

}  // namespace xtr::ctl
