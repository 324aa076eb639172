#include "platform/app_data_folder.h"

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace xtr {
namespace {

const char* Variable(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? value : nullptr;
}

}  // namespace

std::string ApplicationDataFolder()
{
#ifdef _WIN32
    if (const char* appData = Variable("APPDATA")) {
        return (fs::path(appData) / "xtr450").string();
    }
    if (const char* profile = Variable("USERPROFILE")) {
        return (fs::path(profile) / "AppData" / "Roaming" / "xtr450").string();
    }
    return std::string();
#else
    if (const char* xdg = Variable("XDG_DATA_HOME"); xdg != nullptr && fs::path(xdg).is_absolute()) {
        return (fs::path(xdg) / "xtr450").string();
    }
    if (const char* home = Variable("HOME")) {
        return (fs::path(home) / ".local" / "share" / "xtr450").string();
    }
    return std::string();
#endif
}

std::string BackupFolder()
{
    if (const char* folder = Variable("XTR450_BACKUP_DIR")) {
        return folder;
    }
    const std::string base = ApplicationDataFolder();
    return base.empty() ? std::string() : (fs::path(base) / "backups").string();
}

}  // namespace xtr
