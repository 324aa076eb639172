// The folder of the user's own data of this program: %APPDATA%\xtr450 on
// Windows, $XDG_DATA_HOME/xtr450 (else ~/.local/share/xtr450) elsewhere.
// The radio backups live in its "backups" folder unless XTR450_BACKUP_DIR
// names another one.
#pragma once

#include <string>

namespace xtr {

// "" when the environment names no home of the user.
std::string ApplicationDataFolder();
std::string BackupFolder();

}  // namespace xtr
