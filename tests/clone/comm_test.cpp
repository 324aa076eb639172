// The serial port object over a scripted device: opening, line settings,
// non-blocking reads and the transmit pump's chunking.
#include "clone/comm.h"
#include "clone/line_settings.h"
#include "platform/scoped_env.h"
#include "platform/serial_port_names.h"
#include "support/manual_time.h"

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <vector>

namespace xtr {
namespace {

// What the scripted device was told and what it answers.
struct DeviceScript {
    bool openOk = true;
    bool setupOk = true;
    bool configureOk = true;
    bool statusOk = true;
    int32_t acceptPerWrite = -1;  // -1: everything
    bool open = false;
    std::string name;
    int configures = 0;
    SerialLineConfig config;
    std::deque<uint8_t> incoming;
    int32_t transmitQueue = 0;
    std::vector<std::vector<uint8_t>> writes;
    std::vector<uint32_t> writeTicks;
};

class ScriptedDevice : public SerialDevice {
public:
    explicit ScriptedDevice(std::shared_ptr<DeviceScript> script) : s_(std::move(script)) {}
    bool Open(const std::string& name) override
    {
        s_->name = name;
        return s_->open = s_->openOk;
    }
    bool SetupQueues(int32_t, int32_t) override { return s_->setupOk; }
    bool Configure(const SerialLineConfig& config) override
    {
        ++s_->configures;
        s_->config = config;
        return s_->configureOk;
    }
    void Close() override { s_->open = false; }
    bool IsOpen() const override { return s_->open; }
    int32_t ReceiveCount() override { return s_->statusOk ? static_cast<int32_t>(s_->incoming.size()) : -1; }
    int32_t TransmitCount() override { return s_->statusOk ? s_->transmitQueue : -1; }
    int32_t Read(uint8_t* buffer, int32_t max) override
    {
        int32_t n = 0;
        while (n < max && !s_->incoming.empty()) {
            buffer[n++] = s_->incoming.front();
            s_->incoming.pop_front();
        }
        return n;
    }
    int32_t Write(const uint8_t* bytes, int32_t count) override
    {
        const int32_t taken = s_->acceptPerWrite < 0 ? count : std::min(count, s_->acceptPerWrite);
        s_->writes.emplace_back(bytes, bytes + taken);
        s_->writeTicks.push_back(Time().TickCount());
        s_->transmitQueue += taken;
        return taken;
    }

private:
    std::shared_ptr<DeviceScript> s_;
};

class CommTest : public ::testing::Test {
protected:
    test::ManualTimeGuard clock;
    std::shared_ptr<DeviceScript> device = std::make_shared<DeviceScript>();
    cmcComm port{std::make_unique<ScriptedDevice>(device)};
};

TEST_F(CommTest, OpensOnceWithTheGivenSettings)
{
    test::ScopedEnv env("XTR450_PORT_4", "/dev/ttyS9");
    ASSERT_TRUE(port.Open(4, "38400,N,8,1"));
    EXPECT_TRUE(port.IsOpen());
    EXPECT_EQ(device->name, "/dev/ttyS9");
    EXPECT_EQ(device->config.baudRate, 38400u);
    EXPECT_EQ(device->config.flags, 0x1081);  // binary, continue after XOFF, RTS on
    EXPECT_EQ(device->config.xonLimit, 16000);
    EXPECT_EQ(device->config.xoffLimit, 24000);
    EXPECT_EQ(device->config.eofChar, 0xFD);
    EXPECT_EQ(device->config.eventChar, 0xFE);

    // A second open fails and keeps the port as it was.
    EXPECT_FALSE(port.Open(5, "9600,N,8,1"));
    EXPECT_FALSE(port.OpenDevice("/dev/ttyS1", "9600,N,8,1"));
    EXPECT_TRUE(port.IsOpen());
    EXPECT_EQ(port.PortNumber(), 4);
    EXPECT_EQ(port.LineConfig().baudRate, 38400u);
    EXPECT_EQ(device->configures, 1);
}

TEST_F(CommTest, FailedOpenLeavesThePortClosed)
{
    device->openOk = false;
    EXPECT_FALSE(port.Open(1, "9600,N,8,1"));
    EXPECT_FALSE(port.IsOpen());

    device->openOk = true;
    device->setupOk = false;
    EXPECT_FALSE(port.Open(1, "9600,N,8,1"));
    EXPECT_FALSE(device->open);

    device->setupOk = true;
    device->configureOk = false;
    EXPECT_FALSE(port.Open(1, "9600,N,8,1"));
    EXPECT_FALSE(device->open);

    EXPECT_FALSE(port.Open(0, "9600,N,8,1"));  // no such port number
}

TEST_F(CommTest, ReadsNeverMoreThanAskedOrWaiting)
{
    uint8_t buffer[512];
    EXPECT_EQ(port.Read(buffer, 256), 0);  // closed
    ASSERT_TRUE(port.Open(1, "9600,N,8,1"));
    EXPECT_EQ(port.Read(buffer, 256), 0);  // nothing waiting
    for (int i = 0; i < 300; ++i) {
        device->incoming.push_back(static_cast<uint8_t>(i));
    }
    EXPECT_EQ(port.InQueue(), 300);
    EXPECT_EQ(port.Read(buffer, 256), 256);
    EXPECT_EQ(buffer[255], 255);
    EXPECT_EQ(device->incoming.size(), 44u);
    EXPECT_EQ(port.Read(buffer, 256), 44);
    EXPECT_EQ(buffer[0], 0);

    device->statusOk = false;
    device->incoming.push_back(1);
    EXPECT_EQ(port.InQueue(), 0);
    EXPECT_EQ(port.OutQueue(), 0);
    EXPECT_EQ(port.Read(buffer, 256), 0);
}

TEST_F(CommTest, PumpHandsOverChunksOnlyWhenTheDriverIsEmpty)
{
    ASSERT_TRUE(port.Open(1, "9600,N,8,1"));
    std::vector<uint8_t> bytes(3000);
    for (size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<uint8_t>(i % 251);
    }
    port.Write(bytes.data(), 3000);
    EXPECT_EQ(port.Pending(), 3000);
    EXPECT_TRUE(device->writes.empty());  // nothing is handed over inside Write

    clock->Advance(1);
    ASSERT_EQ(device->writes.size(), 1u);
    EXPECT_EQ(port.Pending(), 3000);  // 1024 in the driver, 1976 buffered
    clock->Advance(50);
    EXPECT_EQ(device->writes.size(), 1u);  // the driver is still busy

    device->transmitQueue = 0;
    clock->Advance(10);
    ASSERT_EQ(device->writes.size(), 2u);
    EXPECT_EQ(device->writeTicks[1] - device->writeTicks[0], 60u);
    device->transmitQueue = 0;
    clock->Advance(10);
    ASSERT_EQ(device->writes.size(), 3u);
    EXPECT_EQ(device->writes[0].size(), 1024u);
    EXPECT_EQ(device->writes[1].size(), 1024u);
    EXPECT_EQ(device->writes[2].size(), 952u);
    EXPECT_FALSE(port.PumpRunning());
    EXPECT_EQ(port.Pending(), 952);
    device->transmitQueue = 0;
    EXPECT_EQ(port.Pending(), 0);

    std::vector<uint8_t> sent;
    for (const auto& chunk : device->writes) {
        sent.insert(sent.end(), chunk.begin(), chunk.end());
    }
    EXPECT_EQ(sent, bytes);
}

TEST_F(CommTest, BytesTheDriverDoesNotTakeAreOfferedAgain)
{
    ASSERT_TRUE(port.Open(1, "9600,N,8,1"));
    device->acceptPerWrite = 100;
    const uint8_t bytes[250] = {1, 2, 3};
    port.Write(bytes, 250);
    for (int i = 0; i < 5; ++i) {
        clock->Advance(10);
        device->transmitQueue = 0;
    }
    ASSERT_EQ(device->writes.size(), 3u);
    EXPECT_EQ(device->writes[2].size(), 50u);
    EXPECT_EQ(device->writes[0][2], 3);
    EXPECT_EQ(port.Pending(), 0);
}

TEST_F(CommTest, CloseDropsQueuedBytesAndStopsThePump)
{
    ASSERT_TRUE(port.Open(1, "9600,N,8,1"));
    const uint8_t bytes[2000] = {};
    port.Write(bytes, 2000);
    clock->Advance(1);
    port.Close();
    EXPECT_FALSE(port.IsOpen());
    EXPECT_FALSE(port.PumpRunning());
    EXPECT_EQ(port.Pending(), 0);
    port.Close();  // harmless twice

    port.Write(bytes, 10);  // closed: nothing happens
    EXPECT_EQ(port.Pending(), 0);
    clock->Advance(100);
    EXPECT_EQ(device->writes.size(), 1u);
    EXPECT_EQ(clock->EnabledTimers(), 0);
}

TEST(LineSettings, ReadsSpeedParityDataAndStopBits)
{
    struct Case {
        const char* text;
        uint32_t baud;
        uint8_t parity;
        bool check;
        uint8_t dataBits;
        uint8_t stopBits;
    };
    const Case cases[] = {
        {"9600,N,8,1", 9600, kParityNone, false, 8, kStopOne},
        {"38400,N,8,1", 38400, kParityNone, false, 8, kStopOne},
        {"9600,n,8,1", 9600, kParityNone, false, 8, kStopOne},
        {"9600,N,9,1", 9600, kParityNone, false, 8, kStopOne},
        {"9600,N,3,1", 9600, kParityNone, false, 4, kStopOne},
        {"4800,E,7,2", 4800, kParityEven, true, 7, kStopTwo},
        {"4800,o,7,1.5", 4800, kParityOdd, true, 7, kStopOneAndHalf},
        {"1200,m,8,x", 1200, kParityMark, true, 8, kStopOne},
        {"1200,S,8,1", 1200, kParitySpace, true, 8, kStopOne},
        {"1200,Q,8,1", 1200, kParityNone, false, 8, kStopOne},
    };
    for (const Case& c : cases) {
        SerialLineConfig config;
        config.flags |= serial_flags::kParityCheck;  // must be cleared again for N
        ParseLineSettings(c.text, config);
        EXPECT_EQ(config.baudRate, c.baud) << c.text;
        EXPECT_EQ(config.parity, c.parity) << c.text;
        EXPECT_EQ((config.flags & serial_flags::kParityCheck) != 0, c.check) << c.text;
        EXPECT_EQ(config.dataBits, c.dataBits) << c.text;
        EXPECT_EQ(config.stopBits, c.stopBits) << c.text;
    }

    // Missing fields keep what the port had.
    SerialLineConfig config;
    config.dataBits = 7;
    ParseLineSettings("19200", config);
    EXPECT_EQ(config.baudRate, 19200u);
    EXPECT_EQ(config.dataBits, 7);
}

TEST(SerialPortNames, EnvironmentThenOverrideThenDefault)
{
#ifndef _WIN32
    EXPECT_EQ(DefaultSerialPortName(1), "/dev/ttyUSB0");
#endif
    EXPECT_EQ(SerialPortName(0), "");
    EXPECT_EQ(SerialPortName(-3), "");
    SetSerialPortOverride(7, "/dev/ttyACM2");
    EXPECT_EQ(SerialPortName(7), "/dev/ttyACM2");
    {
        test::ScopedEnv env("XTR450_PORT_7", "/dev/pts/5");
        EXPECT_EQ(SerialPortName(7), "/dev/pts/5");
    }
    SetSerialPortOverride(7, "");
    EXPECT_EQ(SerialPortName(7), DefaultSerialPortName(7));
    ClearSerialPortOverrides();
}

}  // namespace
}  // namespace xtr
