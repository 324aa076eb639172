// The commands that work on settings rather than bytes: export and import of
// the settings as text, and the comparison of two clone files or of a file
// with a radio, the backups kept and the serial ports of the computer.
#pragma once

#include "ctl/commands.h"

namespace xtr::ctl {

Command ExportCommand();
Command ImportCommand();
Command DiffCommand();
Command BackupsCommand();
Command PortsCommand();

}  // namespace xtr::ctl
