// Backups and the check after a write for the transfer commands: the image
// a read brings in is kept in the user's backup folder; a write first reads
// and keeps the radio's contents, and afterwards reads back what it wrote
// and reports every setting that came back otherwise.
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

// Reads the radio and keeps its contents before a write. The exit status of
// the read; an image that fails this program's checks is kept all the same
// (a write is often what mends it). A backup that cannot be kept stops the
// write (exit 1).
int BackupBeforeWrite(Session& session);

// Reads the radio back after a write of written over ranges and compares.
// 0 when the radio holds what was sent, 4 when it does not (each differing
// setting printed on the standard output), or the read's exit status.
int CheckWrite(Session& session, const cmcEeprom& written, RangeList ranges);

}  // namespace xtr::ctl
