// A port that cannot be opened says why, in words the user can act on: not
// there, held by another program, or not permitted (with the group to join
// on POSIX systems). The reason comes from the system's error of the open.
#include "manager_fixture.h"

#include "clone/comm.h"
#include "clone/port_problem_text.h"
#include "platform/port_problem.h"
#include "platform/serial_device.h"
#include "platform/serial_port_names.h"
#include "app/globals.h"
#include "app/environ.h"
#include "support/temp_dir.h"

#include <cerrno>
#include <fstream>

namespace xtr::test {
namespace {

// A device that refuses to open with a given system error.
class RefusingDevice : public SerialDevice {
public:
    explicit RefusingDevice(int error) : error_(error) {}
    bool Open(const std::string&) override { return false; }
    int OpenError() const override { return error_; }
    bool SetupQueues(int32_t, int32_t) override { return false; }
    bool Configure(const SerialLineConfig&) override { return false; }
    void Close() override {}
    bool IsOpen() const override { return false; }
    int32_t ReceiveCount() override { return -1; }
    int32_t TransmitCount() override { return -1; }
    int32_t Read(uint8_t*, int32_t) override { return -1; }
    int32_t Write(const uint8_t*, int32_t) override { return -1; }

private:
    int error_;
};

class PortFailureTest : public ManagerTest {
protected:
    // The message a transfer on a manager with device shows.
    std::string MessageOf(std::unique_ptr<SerialDevice> device, const std::string& path)
    {
        indCloneMan refusing(std::move(device));
        refusing.SetTarget(0x2527, 0);
        refusing.SetImageSize(kImageSize);
        refusing.SetDevicePath(path);
        const size_t before = messages.asked.size();
        EXPECT_TRUE(refusing.RunIdentify(&ManagerTest::OnDone, this));
        EXPECT_TRUE(clock->AdvanceUntil([&refusing] { return !refusing.IsBusy(); }, 10000, 10));
        EXPECT_EQ(results.back().code, kClonePortError);
        return messages.asked.size() > before ? messages.asked.back().text : std::string();
    }
};

#ifndef _WIN32
TEST_F(PortFailureTest, EachReasonOfTheSystemGetsItsOwnLineBelowTheHead)
{
    const std::string denied = MessageOf(std::make_unique<RefusingDevice>(EACCES), "/nonexistent/ttyACM0");
    // The head names the device, the reason the group and how to join it.
    EXPECT_NE(denied.find("/nonexistent/ttyACM0 cannot be opened"), std::string::npos) << denied;
    EXPECT_NE(denied.find("no permission to open /nonexistent/ttyACM0"), std::string::npos) << denied;
    EXPECT_NE(denied.find("usermod -aG dialout"), std::string::npos) << denied;
    EXPECT_NE(denied.find("log out"), std::string::npos) << denied;

    const std::string busy = MessageOf(std::make_unique<RefusingDevice>(EBUSY), "/dev/ttyUSB1");
    EXPECT_NE(busy.find("/dev/ttyUSB1 is in use by another program"), std::string::npos) << busy;
    EXPECT_EQ(busy.find("usermod"), std::string::npos) << busy;

    const std::string missing = MessageOf(std::make_unique<RefusingDevice>(ENOENT), "/dev/ttyUSB9");
    EXPECT_NE(missing.find("There is no serial device /dev/ttyUSB9"), std::string::npos) << missing;

    // An error without a rule keeps the message as it always was: head,
    // blank line, hints.
    const std::string other = MessageOf(std::make_unique<RefusingDevice>(0), "/dev/ttyS0");
    const size_t head = other.find('\n');
    ASSERT_NE(head, std::string::npos);
    EXPECT_EQ(other.substr(head, 2), "\n\n") << other;
}

TEST_F(PortFailureTest, TheSystemDeviceReportsAMissingPathAndAFileThatIsNoTerminal)
{
    TempDir dir;
    const std::string gone = dir.File("ttyGone");
    const std::string missing = MessageOf(CreateSystemSerialDevice(), gone);
    EXPECT_NE(missing.find("There is no serial device " + gone), std::string::npos) << missing;

    const std::string plain = dir.File("plain.txt");
    std::ofstream(plain) << "not a tty\n";
    const std::string notSerial = MessageOf(CreateSystemSerialDevice(), plain);
    EXPECT_NE(notSerial.find(plain + " is not a serial port"), std::string::npos) << notSerial;
}

TEST_F(PortFailureTest, ThePortKeepsTheDeviceAndTheErrorOfItsLastOpen)
{
    cmcComm comm(std::make_unique<RefusingDevice>(EACCES));
    EXPECT_FALSE(comm.OpenDevice("/dev/ttyUSB3", "9600,N,8,1"));
    EXPECT_EQ(comm.DeviceName(), "/dev/ttyUSB3");
    EXPECT_EQ(comm.OpenError(), EACCES);
    EXPECT_EQ(PortProblemOf(comm.OpenError()), PortProblem::Denied);
}
#endif

// A port chosen by number names, in the message's head, the port the user
// chose and the device it stands for on this system; a COM name of its own
// keeps the numbered head.
TEST_F(PortFailureTest, TheHeadOfANumberedPortNamesItsDevice)
{
    const int32_t port = Env().comPort;
    SetSerialPortOverride(port, "/dev/ttyXTR7");
    const std::string device = MessageOf(std::make_unique<RefusingDevice>(EBUSY), "");
    EXPECT_NE(device.find("The serial port COM" + std::to_string(port) + " (/dev/ttyXTR7) cannot be opened"),
              std::string::npos)
        << device;

    for (const std::string com : {"COM" + std::to_string(port), "\\\\.\\COM" + std::to_string(port)}) {
        SetSerialPortOverride(port, com);
        const std::string numbered = MessageOf(std::make_unique<RefusingDevice>(EBUSY), "");
        EXPECT_NE(numbered.find("The serial port COM" + std::to_string(port) + " cannot be opened"),
                  std::string::npos)
            << com << ": " << numbered;
    }
    ClearSerialPortOverrides();
}

TEST_F(PortFailureTest, NamesInTheDevicePathAreNeverReadAsPlaceholders)
{
    // A device named with "%2" and "%1" in it stays as it is written.
    const std::string text = PortProblemText(PortProblem::Denied, "/dev/odd%2name%1", "grp");
    EXPECT_NE(text.find("/dev/odd%2name%1"), std::string::npos) << text;
    EXPECT_NE(text.find("\"grp\""), std::string::npos) << text;
    EXPECT_EQ(PortProblemText(PortProblem::Unknown, "/dev/ttyS0", ""), "");
    EXPECT_EQ(PortProblemText(PortProblem::Busy, "", ""), "");
}

}  // namespace
}  // namespace xtr::test
