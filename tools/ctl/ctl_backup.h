// Backups and the check after a write for the transfer commands: the image
// a read brings in is kept in the user's backup folder; a write runs the
// program's write flow (the radio's contents read and kept first, the
// written range read back and compared afterwards) and says each step on
// the console.
#pragma once

#include "ctl/ctl_session.h"
#include "image/range_list.h"

#include <string>

namespace xtr {
class cmcEeprom;
}

namespace xtr::ctl {

// Keeps image as a backup of the radio the session identified last. Says
// where it went, or that none could be kept; false then.
bool KeepBackup(Session& session, const cmcEeprom& image);

// Writes the current image over ranges, with a backup first and the check
// afterwards as asked. The exit status: 0; 10 + the result code of a
// failed operation; 1 when no backup could be kept (nothing is written
// then) or the clone manager was busy; 4 when the radio does not hold what
// was written (each differing setting printed on the standard output).
int WriteWithSafeguards(Session& session, RangeList ranges, bool backup, bool verify);

}  // namespace xtr::ctl
