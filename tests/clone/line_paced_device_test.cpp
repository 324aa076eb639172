// The line model behind the command-line tool's port: a device that cannot
// tell its transmit backlog still drains only at its line speed.
#include "clone/line_paced_device.h"

#include "support/manual_time.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace xtr::test {
namespace {

// A device that takes everything at once and reports a settable backlog, as
// a pseudo-terminal does (always 0) or a failing device (-1); reads hand
// over as many bytes as the test has let arrive.
class InstantDevice : public SerialDevice {
public:
    InstantDevice(int32_t* reported, int32_t* arrived) : reported_(reported), arrived_(arrived) {}
    bool Open(const std::string&) override { return open_ = true; }
    bool SetupQueues(int32_t, int32_t) override { return true; }
    bool Configure(const SerialLineConfig&) override { return true; }
    void Close() override { open_ = false; }
    bool IsOpen() const override { return open_; }
    int32_t ReceiveCount() override { return 0; }
    int32_t TransmitCount() override { return *reported_; }
    int32_t Read(uint8_t*, int32_t max) override
    {
        const int32_t n = std::min(max, *arrived_);
        *arrived_ -= n;
        return n;
    }
    int32_t Write(const uint8_t*, int32_t count) override { return count; }

private:
    int32_t* reported_;
    int32_t* arrived_;
    bool open_ = false;
};

class LinePacedTest : public ::testing::Test {
protected:
    LinePacedTest()
    {
        device.Open("line");
        SerialLineConfig config;
        config.baudRate = 9600;  // 8N1: ten bits, 1.04 ms a character
        device.Configure(config);
    }
    void Send(int32_t n)
    {
        std::vector<uint8_t> bytes(static_cast<size_t>(n), 0x55);
        ASSERT_EQ(device.Write(bytes.data(), n), n);
    }

    ManualTimeGuard clock;
    // Reads the bytes that arrived, as the protocol driver does.
    void Receive(int32_t n)
    {
        arrived = n;
        uint8_t buffer[512];
        ASSERT_EQ(device.Read(buffer, sizeof buffer), n);
    }

    int32_t reported = 0;
    int32_t arrived = 0;
    LinePacedDevice device{std::make_unique<InstantDevice>(&reported, &arrived)};
};

TEST_F(LinePacedTest, BacklogDrainsAtTheLineSpeed)
{
    Send(96);
    EXPECT_EQ(device.ModelledBacklog(), 96);
    clock->Advance(50);
    EXPECT_EQ(device.ModelledBacklog(), 48);
    // More bytes queue behind those still on the line.
    Send(48);
    EXPECT_EQ(device.ModelledBacklog(), 96);
    clock->Advance(99);
    EXPECT_EQ(device.ModelledBacklog(), 1);
    clock->Advance(1);
    EXPECT_EQ(device.ModelledBacklog(), 0);
    // An idle line does not store up credit.
    clock->Advance(5000);
    Send(10);
    EXPECT_EQ(device.ModelledBacklog(), 10);
}

TEST_F(LinePacedTest, LastBytesAreInTheFifo)
{
    // 12 ms of the line: 12 characters at 9600 baud, 47 at 38400.
    EXPECT_EQ(device.FifoBytes(), 12);
    Send(96);
    EXPECT_EQ(device.TransmitCount(), 96 - 12);
    clock->Advance(75);  // 72 characters gone
    EXPECT_EQ(device.TransmitCount(), 24 - 12);
    clock->Advance(13);
    EXPECT_EQ(device.TransmitCount(), 0);
    EXPECT_EQ(device.ModelledBacklog(), 12);
    SerialLineConfig fast;
    fast.baudRate = 38400;
    device.Configure(fast);
    EXPECT_EQ(device.FifoBytes(), 47);
}

TEST_F(LinePacedTest, FramingAndSpeedSetTheCharacterTime)
{
    SerialLineConfig config;
    config.baudRate = 38400;
    config.parity = kParityEven;
    config.stopBits = kStopTwo;  // 12 bits: 3200 characters a second
    device.Configure(config);
    Send(320);
    clock->Advance(50);
    EXPECT_EQ(device.ModelledBacklog(), 160);
}

TEST_F(LinePacedTest, DeviceCountAndFailureWinAndAPurgeEmptiesTheLine)
{
    Send(100);
    reported = 500;  // a real driver that knows better
    EXPECT_EQ(device.TransmitCount(), 500);
    reported = -1;
    EXPECT_EQ(device.TransmitCount(), -1);
    reported = 0;
    device.SetupQueues(100, 100);
    EXPECT_EQ(device.TransmitCount(), 0);
    Send(100);
    device.Close();
    device.Open("line");
    EXPECT_EQ(device.ModelledBacklog(), 0);
}

TEST_F(LinePacedTest, FarEndFasterThanTheLineStopsThePacing)
{
    // A radio behind a real (or simulated) line: the answer to a 22-byte
    // request trickles in at 9600 baud and the pacing stays.
    Send(22);
    clock->Advance(40);
    Receive(16);
    clock->Advance(30);
    Receive(28);
    clock->Advance(20);
    Receive(18);
    EXPECT_FALSE(device.Unpaced());
    Send(96);
    EXPECT_EQ(device.ModelledBacklog(), 96);

    // A far end without wire time: the 62-byte answer is there 5 ms after
    // the request, far sooner than 9600 baud could carry it.
    clock->Advance(200);
    Send(22);
    clock->Advance(5);
    Receive(62);
    EXPECT_TRUE(device.Unpaced());
    Send(1000);
    EXPECT_EQ(device.ModelledBacklog(), 0);
    EXPECT_EQ(device.TransmitCount(), 0);
    reported = 7;
    EXPECT_EQ(device.TransmitCount(), 7);
    // It stays so after the port is opened again.
    device.Close();
    device.Open("line");
    Send(100);
    reported = 0;
    EXPECT_EQ(device.TransmitCount(), 0);
}

}  // namespace
}  // namespace xtr::test
