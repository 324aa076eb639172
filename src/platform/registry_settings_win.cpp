// The settings backend on Windows: values below HKEY_CURRENT_USER, integers
// as REG_DWORD and strings as REG_SZ. Every access opens its key and closes
// it again; reads open keys for reading only.
#ifdef _WIN32

#include "platform/settings_platform.h"

#include <windows.h>

#include <vector>

namespace xtr {
namespace {

class RegistryKey {
public:
    RegistryKey() = default;
    ~RegistryKey()
    {
        if (key_ != nullptr) {
            RegCloseKey(key_);
        }
    }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    bool OpenForReading(const std::string& path)
    {
        return RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key_) == ERROR_SUCCESS;
    }
    bool Create(const std::string& path)
    {
        return RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE,
                               nullptr, &key_, nullptr) == ERROR_SUCCESS;
    }
    HKEY Get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

class RegistrySettings : public SettingsBackend {
public:
    std::optional<int32_t> ReadInt(const std::string& keyPath, const std::string& name) override
    {
        RegistryKey key;
        if (!key.OpenForReading(keyPath)) {
            return std::nullopt;
        }
        DWORD type = 0;
        DWORD value = 0;
        DWORD size = sizeof value;
        if (RegQueryValueExA(key.Get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
                ERROR_SUCCESS ||
            type != REG_DWORD || size != sizeof value) {
            return std::nullopt;
        }
        return static_cast<int32_t>(value);
    }

    std::optional<std::string> ReadString(const std::string& keyPath, const std::string& name) override
    {
        RegistryKey key;
        if (!key.OpenForReading(keyPath)) {
            return std::nullopt;
        }
        // The value may change between asking its size and reading it.
        for (int attempt = 0; attempt < 4; ++attempt) {
            DWORD type = 0;
            DWORD size = 0;
            if (RegQueryValueExA(key.Get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
                type != REG_SZ) {
                return std::nullopt;
            }
            std::vector<char> buffer(size + 1, '\0');
            DWORD got = size;
            const LONG result = RegQueryValueExA(key.Get(), name.c_str(), nullptr, &type,
                                                 reinterpret_cast<BYTE*>(buffer.data()), &got);
            if (result == ERROR_MORE_DATA) {
                continue;
            }
            if (result != ERROR_SUCCESS || type != REG_SZ) {
                return std::nullopt;
            }
            // A stored string need not carry its terminating NUL.
            std::string text(buffer.data(), got);
            const auto nul = text.find('\0');
            if (nul != std::string::npos) {
                text.resize(nul);
            }
            return text;
        }
        return std::nullopt;
    }

    bool WriteInt(const std::string& keyPath, const std::string& name, int32_t value) override
    {
        RegistryKey key;
        const DWORD data = static_cast<DWORD>(value);
        return key.Create(keyPath) &&
               RegSetValueExA(key.Get(), name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                              sizeof data) == ERROR_SUCCESS;
    }

    bool WriteString(const std::string& keyPath, const std::string& name, const std::string& value) override
    {
        RegistryKey key;
        return key.Create(keyPath) &&
               RegSetValueExA(key.Get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                              static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
    }
};

}  // namespace

std::unique_ptr<SettingsBackend> CreateRegistrySettingsBackend()
{
    return std::make_unique<RegistrySettings>();
}

}  // namespace xtr

#endif  // _WIN32
