// The single-instance guard on POSIX systems: an exclusive flock() on a lock
// file named after the guard, in $XDG_RUNTIME_DIR or else the temporary
// directory. The kernel drops the lock when the holder ends in any way, so
// a crashed copy never leaves the guard stuck; the file itself stays.
#ifndef _WIN32

#include "app/instance_guard.h"
#include "platform/settings_platform.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace xtr {
namespace {

fs::path LockDirectory()
{
    std::error_code ec;
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime != nullptr) {
        const fs::path dir(runtime);
        if (dir.is_absolute() && fs::is_directory(dir, ec)) {
            return dir;
        }
    }
    const fs::path temp = fs::temp_directory_path(ec);
    return ec ? fs::path("/tmp") : temp;
}

// Only letters, digits, '-', '.' and '_' reach the file name; the user id
// keeps the guards of different users apart in a shared directory.
std::string LockFileName(const std::string& guardName)
{
    std::string name;
    for (const char c : guardName.substr(0, 200)) {
        const bool safe = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
                          c == '.' || c == '_';
        name += safe ? c : '_';
    }
    return name + "." + std::to_string(static_cast<unsigned long>(geteuid())) + ".lock";
}

class PosixInstanceGuard : public InstanceGuard {
public:
    ~PosixInstanceGuard() override { Release(); }

    bool Acquire(const std::string& name) override
    {
        if (fd_ >= 0) {
            return name == name_;
        }
        failed_ = false;
        if (name.empty()) {
            failed_ = true;
            return false;
        }
        const std::string path = (LockDirectory() / LockFileName(name)).string();
        // O_NOFOLLOW: a link planted in a shared directory is not followed.
        const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd < 0) {
            failed_ = true;
            return false;
        }
        int result;
        do {
            result = flock(fd, LOCK_EX | LOCK_NB);
        } while (result != 0 && errno == EINTR);
        if (result != 0) {
            // Only a lock held elsewhere means another copy runs.
            failed_ = errno != EWOULDBLOCK && errno != EAGAIN;
            close(fd);
            return false;
        }
        fd_ = fd;
        name_ = name;
        return true;
    }

    void Release() override
    {
        if (fd_ >= 0) {
            flock(fd_, LOCK_UN);
            close(fd_);
            fd_ = -1;
            name_.clear();
        }
    }

    bool Failed() const override { return failed_; }

private:
    int fd_ = -1;
    bool failed_ = false;
    std::string name_;
};

}  // namespace

std::unique_ptr<InstanceGuard> CreateInstanceGuard()
{
    return std::make_unique<PosixInstanceGuard>();
}

}  // namespace xtr

#endif  // !_WIN32
