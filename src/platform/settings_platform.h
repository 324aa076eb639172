// The platform's settings storage and single-instance guard for the
// settings store: the registry and a named mutex on Windows, an INI-style
// file and a lock file elsewhere.
#pragma once

#include "app/instance_guard.h"
#include "app/settings_backend.h"

#include <memory>
#include <string>

namespace xtr {

// The user's settings below perUserKey. $XTR450_SETTINGS, when set, names
// a settings file used instead on every system, so that tests and
// demonstrations never touch a user's own settings.
std::unique_ptr<SettingsBackend> CreateUserSettingsBackend(const std::string& perUserKey);

// A guard object that has not yet tried to acquire anything.
std::unique_ptr<InstanceGuard> CreateInstanceGuard();

#ifdef _WIN32
// HKEY_CURRENT_USER; key paths are taken as full registry paths.
std::unique_ptr<SettingsBackend> CreateRegistrySettingsBackend();
#endif

}  // namespace xtr
