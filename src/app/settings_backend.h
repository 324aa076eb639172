// Where the settings store keeps its values: a per-user tree of keys holding
// named 32-bit integers and strings, as the Windows registry does. The
// registry backs it on Windows, an INI-style file elsewhere, a map in tests.
//
// Key paths are full paths below the per-user root, formed with "%s\%s"
// from the per-user key and the subkey name, for example
// "Software\Nalu\XT-R450(MPT)\Global". Key and value names compare without
// regard to case, as the registry compares them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace xtr {

class SettingsBackend {
public:
    virtual ~SettingsBackend() = default;

    // The value, or nothing when the key or value is missing or is not of
    // the asked type.
    virtual std::optional<int32_t> ReadInt(const std::string& keyPath, const std::string& name) = 0;
    virtual std::optional<std::string> ReadString(const std::string& keyPath, const std::string& name) = 0;

    // Creates the key when needed and sets the value. False when the value
    // could not be stored.
    virtual bool WriteInt(const std::string& keyPath, const std::string& name, int32_t value) = 0;
    virtual bool WriteString(const std::string& keyPath, const std::string& name, const std::string& value) = 0;

    // Makes the values written so far durable. Backends that store each
    // write at once (the registry) have nothing to do; a file backend
    // replaces its file here.
    virtual bool Commit() { return true; }
};

}  // namespace xtr
