#include "platform/replace_file.h"

#include <cerrno>
#include <string>

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace xtr {
namespace {

// Enough tries to step over leftovers of earlier runs that ended abruptly.
constexpr int kTempAttempts = 100;

std::string TempName(const std::string& target, int attempt)
{
    return target + ".~" + std::to_string(attempt) + ".tmp";
}

}  // namespace

std::FILE* CreateTempFileBeside(const std::string& target, std::string& tempPath)
{
    for (int attempt = 0; attempt < kTempAttempts; ++attempt) {
        const std::string candidate = TempName(target, attempt);
#if defined(_WIN32)
        const int fd = _open(candidate.c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY, _S_IREAD | _S_IWRITE);
#else
        const int fd = ::open(candidate.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
#endif
        if (fd < 0) {
            if (errno == EEXIST) {
                continue;
            }
            return nullptr;
        }
#if defined(_WIN32)
        std::FILE* file = _fdopen(fd, "wb");
        if (file == nullptr) {
            _close(fd);
            _unlink(candidate.c_str());
            return nullptr;
        }
#else
        struct stat existing;
        if (::stat(target.c_str(), &existing) == 0) {
            // Keep the group and the permissions the user gave the old file
            // (a file shared with a group stays shared with it). The group
            // goes first: changing it may clear the set-group-ID bit. A
            // group this user may not give keeps the user's own.
            if (existing.st_gid != ::getegid()) {
                (void)::fchown(fd, static_cast<uid_t>(-1), existing.st_gid);
            }
            (void)::fchmod(fd, existing.st_mode & 07777);
        }
        std::FILE* file = ::fdopen(fd, "wb");
        if (file == nullptr) {
            ::close(fd);
            ::unlink(candidate.c_str());
            return nullptr;
        }
#endif
        tempPath = candidate;
        return file;
    }
    return nullptr;
}

bool FlushFileToDisk(std::FILE* file)
{
    if (std::fflush(file) != 0) {
        return false;
    }
#if defined(_WIN32)
    return _commit(_fileno(file)) == 0;
#else
    return ::fsync(::fileno(file)) == 0;
#endif
}

bool MoveOverFile(const std::string& source, const std::string& target)
{
#if defined(_WIN32)
    return MoveFileExA(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
    return std::rename(source.c_str(), target.c_str()) == 0;
#endif
}

}  // namespace xtr
