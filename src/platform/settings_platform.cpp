#include "platform/settings_platform.h"

#include "platform/ini_settings.h"

#include <cstdlib>

namespace xtr {

std::unique_ptr<SettingsBackend> CreateUserSettingsBackend(const std::string& perUserKey)
{
#ifdef _WIN32
    const char* file = std::getenv("XTR450_SETTINGS");
    if (file == nullptr || *file == '\0') {
        return CreateRegistrySettingsBackend();
    }
#endif
    return std::make_unique<IniSettings>(DefaultIniSettingsPath(), perUserKey);
}

}  // namespace xtr
