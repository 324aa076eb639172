// The group a user must join to open a device is the one that owns it; a
// device that cannot be asked, or one of the superuser's group, gives the
// usual "dialout".
#include "platform/port_problem.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <cerrno>
#include <fstream>
#include <grp.h>
#include <unistd.h>

namespace xtr::test {
namespace {

TEST(PortProblem, TheOwningGroupOfTheDeviceIsTheOneToJoin)
{
    TempDir dir;
    const std::string device = dir.File("ttyFake0");
    std::ofstream(device) << "";
    // Any group but the superuser's that this system has.
    const group* other = nullptr;
    for (const char* name : {"dialout", "uucp", "daemon", "users", "nogroup", "bin"}) {
        other = ::getgrnam(name);
        if (other != nullptr && other->gr_gid != 0) {
            break;
        }
        other = nullptr;
    }
    if (other == nullptr || ::chown(device.c_str(), static_cast<uid_t>(-1), other->gr_gid) != 0) {
        GTEST_SKIP() << "no group to give the file to";
    }
    const std::string expected = other->gr_name;
    EXPECT_EQ(DeviceGroup(device), expected);

    EXPECT_EQ(DeviceGroup(dir.File("missing")), "dialout");
    EXPECT_EQ(DeviceGroup(""), "dialout");
}

TEST(PortProblem, SystemErrorsOfAFailedOpenFallIntoTheirReasons)
{
    EXPECT_EQ(PortProblemOf(ENOENT), PortProblem::Missing);
    EXPECT_EQ(PortProblemOf(ENXIO), PortProblem::Missing);  // a port without its hardware
    EXPECT_EQ(PortProblemOf(EBUSY), PortProblem::Busy);     // held exclusively by another program
    EXPECT_EQ(PortProblemOf(EACCES), PortProblem::Denied);
    EXPECT_EQ(PortProblemOf(ENOTTY), PortProblem::NotSerial);
    EXPECT_EQ(PortProblemOf(0), PortProblem::Unknown);
    EXPECT_EQ(PortProblemOf(EIO), PortProblem::Unknown);
}

}  // namespace
}  // namespace xtr::test
#endif
