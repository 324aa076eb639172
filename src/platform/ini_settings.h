// A settings backend kept in an INI-style text file, for systems without a
// registry. Each key below the per-user key becomes a section named by the
// rest of its path ("[Global]", "[Recent File List]"); each value is a
// "Name=value" line, integers in decimal, strings as they stand.
//
// The file is read once when the backend is made; writes collect in memory
// and Commit() replaces the file in one step (a temporary file beside it,
// then a rename), so a crash never leaves half a file behind. Lines that do
// not parse are dropped; a file that cannot be read at all reads as empty.
#pragma once

#include "app/memory_settings.h"

namespace xtr {

class IniSettings : public SettingsBackend {
public:
    IniSettings(std::string filePath, std::string perUserKey);

    std::optional<int32_t> ReadInt(const std::string& keyPath, const std::string& name) override;
    std::optional<std::string> ReadString(const std::string& keyPath, const std::string& name) override;
    // Refuse names that would not survive the file format and values with
    // line breaks or NUL characters.
    bool WriteInt(const std::string& keyPath, const std::string& name, int32_t value) override;
    bool WriteString(const std::string& keyPath, const std::string& name, const std::string& value) override;
    bool Commit() override;

    const std::string& FilePath() const { return filePath_; }

    // The text Commit() writes.
    std::string Render() const;
    // Replaces the contents with those parsed from text.
    void Parse(const std::string& text);

    // Files larger than this are not settings files and read as empty.
    static constexpr size_t kMaxFileSize = 1 << 20;

private:
    std::string Section(const std::string& keyPath) const;
    void Load();

    std::string filePath_;
    std::string perUserKey_;
    MemorySettings table_;  // sections as keys, every value as text
};

// $XTR450_SETTINGS when set, else xtr450/xtr450.ini in the user's
// configuration directory ($XDG_CONFIG_HOME, else ~/.config). Empty when
// no home directory can be found.
std::string DefaultIniSettingsPath();

}  // namespace xtr
