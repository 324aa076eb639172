#include "platform/executable_path.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#if defined(_WIN32)
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace xtr {
namespace {

std::string WithSeparator(std::string dir)
{
    if (!dir.empty() && dir.back() != '/' && dir.back() != '\\') {
        dir += static_cast<char>(std::filesystem::path::preferred_separator);
    }
    return dir;
}

}  // namespace

std::string ExecutablePath()
{
#if defined(_WIN32)
    char buffer[MAX_PATH * 4];
    const DWORD n = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
    return n > 0 && n < sizeof buffer ? std::string(buffer, n) : std::string();
#else
    std::error_code ec;
    auto path = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : path.string();
#endif
}

std::string ExecutableDirectory()
{
    const std::filesystem::path path(ExecutablePath());
    return WithSeparator(path.parent_path().string());
}

std::string ExecutableName()
{
    const std::string name = std::filesystem::path(ExecutablePath()).filename().string();
    return name.empty() ? std::string("xtr450") : name;
}

std::string DataDirectory()
{
    if (const char* env = std::getenv("XTR450_DATA_DIR"); env != nullptr && *env != '\0') {
        return WithSeparator(env);
    }
    const std::string exeDir = ExecutableDirectory();
    std::error_code ec;
    if (std::filesystem::exists(exeDir + "XTR450.OVL", ec)) {
        return exeDir;
    }
    const auto installed = std::filesystem::path(exeDir) / ".." / "share" / "xtr450";
    if (std::filesystem::exists(installed / "XTR450.OVL", ec)) {
        return WithSeparator(std::filesystem::weakly_canonical(installed, ec).string());
    }
    return exeDir;
}

}  // namespace xtr
