#include "platform/ini_settings.h"

#include "app/text_util.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

#if defined(_WIN32)
#include <io.h>
#else
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace xtr {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Control characters other than the tab cannot stand on a line of the file.
bool HasControl(std::string_view text)
{
    for (const char c : text) {
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t') {
            return true;
        }
    }
    return false;
}

bool ValidSection(std::string_view name)
{
    return !name.empty() && !HasControl(name) && !IsBlank(name.front()) && !IsBlank(name.back());
}

bool ValidValueName(std::string_view name)
{
    return ValidSection(name) && name.find('=') == std::string_view::npos && name.front() != '[' &&
           name.front() != ';' && name.front() != '#';
}

std::optional<int32_t> ParseInt(std::string_view text)
{
    const std::string trimmed = Trim(text);
    int32_t value = 0;
    const char* first = trimmed.data();
    const char* last = first + trimmed.size();
    const auto [end, error] = std::from_chars(first, last, value, 10);
    if (trimmed.empty() || error != std::errc() || end != last) {
        return std::nullopt;
    }
    return value;
}

bool SyncToDisk(std::FILE* file)
{
#if defined(_WIN32)
    return _commit(_fileno(file)) == 0;
#else
    return fsync(fileno(file)) == 0;
#endif
}

// Writes text to a fresh file beside target and renames it over target.
bool ReplaceFile(const fs::path& target, const std::string& text)
{
    std::error_code ec;
    if (target.has_parent_path()) {
        fs::create_directories(target.parent_path(), ec);
    }
    std::random_device random;
    for (int attempt = 0; attempt < 8; ++attempt) {
        fs::path temp = target;
        temp += Format(".tmp%08x", static_cast<unsigned>(random()));
        // "x": never reuse or follow something already lying there.
        std::FILE* file = std::fopen(temp.string().c_str(), "wbx");
        if (file == nullptr) {
            if (fs::exists(temp, ec)) {
                continue;
            }
            return false;
        }
        bool ok = std::fwrite(text.data(), 1, text.size(), file) == text.size();
        ok = std::fflush(file) == 0 && ok;
        ok = SyncToDisk(file) && ok;
        ok = std::fclose(file) == 0 && ok;
        if (ok) {
            // Keep the permissions a user may have narrowed on the old file.
            const auto old = fs::status(target, ec);
            if (!ec && fs::is_regular_file(old)) {
                fs::permissions(temp, old.permissions(), ec);
            }
            fs::rename(temp, target, ec);
            ok = !ec;
        }
        if (!ok) {
            fs::remove(temp, ec);
        }
        return ok;
    }
    return false;
}

}  // namespace

IniSettings::IniSettings(std::string filePath, std::string perUserKey)
    : filePath_(std::move(filePath)), perUserKey_(std::move(perUserKey))
{
    Load();
}

std::string IniSettings::Section(const std::string& keyPath) const
{
    const std::string prefix = perUserKey_ + "\\";
    if (keyPath.size() > prefix.size() && EqualsIgnoreCase(std::string_view(keyPath).substr(0, prefix.size()), prefix)) {
        return keyPath.substr(prefix.size());
    }
    return keyPath;
}

void IniSettings::Load()
{
    table_.Clear();
    std::error_code ec;
    if (filePath_.empty() || !fs::is_regular_file(filePath_, ec)) {
        return;
    }
    std::ifstream in(filePath_, std::ios::binary);
    if (!in) {
        return;
    }
    std::string text(kMaxFileSize + 1, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    const auto got = static_cast<size_t>(in.gcount());
    if (in.bad() || got > kMaxFileSize) {
        return;
    }
    text.resize(got);
    Parse(text);
}

void IniSettings::Parse(const std::string& text)
{
    table_.Clear();
    std::string section;  // empty: outside any usable section
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::string_view line(text.data() + start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (HasControl(line)) {
            continue;
        }
        const std::string_view content = SkipBlanks(line);
        if (content.empty() || content.front() == ';' || content.front() == '#') {
            continue;
        }
        if (content.front() == '[') {
            const std::string trimmed = Trim(content);
            section = trimmed.size() >= 2 && trimmed.back() == ']' ? Trim(std::string_view(trimmed).substr(1, trimmed.size() - 2))
                                                                   : std::string();
            continue;
        }
        const size_t equals = content.find('=');
        if (section.empty() || equals == std::string_view::npos) {
            continue;
        }
        const std::string name = Trim(content.substr(0, equals));
        if (ValidValueName(name)) {
            table_.Put(section, name, std::string(content.substr(equals + 1)));
        }
    }
}

std::string IniSettings::Render() const
{
    std::string text;
    for (const MemorySettings::Key& key : table_.Keys()) {
        if (!text.empty()) {
            text += '\n';
        }
        text += "[" + key.path + "]\n";
        for (const MemorySettings::Value& value : key.values) {
            text += value.name + "=" + std::get<std::string>(value.data) + "\n";
        }
    }
    return text;
}

std::optional<int32_t> IniSettings::ReadInt(const std::string& keyPath, const std::string& name)
{
    const auto text = table_.ReadString(Section(keyPath), name);
    return text ? ParseInt(*text) : std::nullopt;
}

std::optional<std::string> IniSettings::ReadString(const std::string& keyPath, const std::string& name)
{
    return table_.ReadString(Section(keyPath), name);
}

bool IniSettings::WriteInt(const std::string& keyPath, const std::string& name, int32_t value)
{
    return WriteString(keyPath, name, std::to_string(value));
}

bool IniSettings::WriteString(const std::string& keyPath, const std::string& name, const std::string& value)
{
    const std::string section = Section(keyPath);
    if (!ValidSection(section) || !ValidValueName(name) || HasControl(value)) {
        return false;
    }
    return table_.WriteString(section, name, value);
}

bool IniSettings::Commit()
{
    if (filePath_.empty()) {
        return false;
    }
    // Write through a symbolic link rather than replacing the link itself.
    fs::path target(filePath_);
    std::error_code ec;
    if (fs::is_symlink(target, ec)) {
        const fs::path resolved = fs::canonical(target, ec);
        if (!ec) {
            target = resolved;
        }
    }
    return ReplaceFile(target, Render());
}

std::string DefaultIniSettingsPath()
{
    if (const char* path = std::getenv("XTR450_SETTINGS"); path != nullptr && *path != '\0') {
        return path;
    }
    fs::path base;
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    if (xdg != nullptr && fs::path(xdg).is_absolute()) {
        base = xdg;
    } else if (home != nullptr && *home != '\0') {
        base = fs::path(home) / ".config";
    } else if (const char* profile = std::getenv("USERPROFILE"); profile != nullptr && *profile != '\0') {
        base = fs::path(profile) / ".config";
    } else {
        return std::string();
    }
    return (base / "xtr450" / "xtr450.ini").string();
}

}  // namespace xtr
