// The commands that talk to the radio: info, read and write.
#pragma once

#include "ctl/commands.h"

namespace xtr::ctl {

Command InfoCommand();
Command ReadCommand();
Command WriteCommand();

}  // namespace xtr::ctl
