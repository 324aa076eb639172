#include "platform/port_problem.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <grp.h>
#include <sys/stat.h>
#include <vector>
#endif

namespace xtr {

PortProblem PortProblemOf(int systemError)
{
#ifdef _WIN32
    switch (systemError) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_BAD_UNIT:
    case ERROR_DEV_NOT_EXIST:
        return PortProblem::Missing;
    // A COM port that another program has open refuses with "access denied".
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_BUSY:
        return PortProblem::Busy;
    case ERROR_INVALID_NAME:
    case ERROR_INVALID_FUNCTION:
    case ERROR_NOT_SUPPORTED:
        return PortProblem::NotSerial;
    default:
        return PortProblem::Unknown;
    }
#else
    switch (systemError) {
    case ENOENT:
    case ENODEV:
    case ENXIO:
    case ENOTDIR:
        return PortProblem::Missing;
    case EBUSY:
    case EAGAIN:
        return PortProblem::Busy;
    case EACCES:
    case EPERM:
    case EROFS:
        return PortProblem::Denied;
    case ENOTTY:
    case EISDIR:
        return PortProblem::NotSerial;
    default:
        return PortProblem::Unknown;
    }
#endif
}

std::string DeviceGroup(const std::string& device)
{
#ifdef _WIN32
    (void)device;
    return {};
#else
    const std::string fallback = "dialout";
    struct stat info {};
    // A device of the superuser's group gives no group to join.
    if (device.empty() || ::stat(device.c_str(), &info) != 0 || info.st_gid == 0) {
        return fallback;
    }
    std::vector<char> buffer(16384);
    struct group entry {};
    struct group* found = nullptr;
    if (::getgrgid_r(info.st_gid, &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr ||
        found->gr_name == nullptr || *found->gr_name == '\0') {
        return fallback;
    }
    return found->gr_name;
#endif
}

}  // namespace xtr
