// The commands that work on settings rather than bytes: export and import of
// the settings as text, and the comparison of two clone files or of a file
// with a radio.
#pragma once

#include "ctl/commands.h"

namespace xtr::ctl {

Command ExportCommand();
Command ImportCommand();
Command DiffCommand();
Command BackupsCommand();

}  // namespace xtr::ctl
