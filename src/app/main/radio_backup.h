// Keeping an image that came from the radio as a backup, and describing by
// setting what a radio holds otherwise than was written. Both faces of the
// program use these: the command line around its transfers and the desktop
// program's clone commands, through the write flow.
#pragma once

#include "clone/backup_store.h"
#include "clone/write_check.h"
#include "image/range_list.h"
#include "settings/setting_diff.h"

#include <string>
#include <vector>

namespace xtr {

class cmcEeprom;
class cuiMain;
class CloneFront;

struct BackupOutcome {
    bool kept = false;
    std::string path;    // the file kept
    std::string folder;  // where it went or should have gone
    std::string error;   // why it was not kept
};

// Keeps image as a backup of the radio the clone front identified last, in
// folder ("" for the user's backup folder). Never changes the document.
BackupOutcome KeepRadioBackup(cuiMain& app, const CloneFront& front, const cmcEeprom& image,
                              const std::string& folder, const BackupTime& when);

// The settings whose shown text differs between image a and image b, in the
// order of the pages (the maker's pages only when asked for). The current
// image is put back as it was.
std::vector<SettingDifference> ImageDifferences(cuiMain& app, const cmcEeprom& a, const cmcEeprom& b,
                                                bool withMakerPages);

// The same for the image written and the image read back, on every page.
inline std::vector<SettingDifference> WrittenDifferences(cuiMain& app, const cmcEeprom& written,
                                                         const cmcEeprom& read)
{
    return ImageDifferences(app, written, read, true);
}

}  // namespace xtr
