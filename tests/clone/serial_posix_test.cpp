// The system serial port over real pseudo-terminals: raw bytes both ways,
// line speed, exclusivity, the other side going away, and the whole clone
// protocol against the simulated radio behind a pseudo-terminal.
//
// The kernel moves the bytes, so these tests wait for what they expect to
// arrive; the limits of those waits only end a hung test. The protocol's
// own time-outs run on the manual clock, stepped while the bytes flow.
#ifndef _WIN32

#include "clone/clone_driver.h"
#include "clone/clone_speed.h"
#include "clone/comm.h"
#include "clone/sim_pty_bridge.h"
#include "clone/sim_radio.h"
#include "platform/scoped_env.h"
#include "platform/serial_pty.h"
#include "support/manual_time.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <unistd.h>
#include <vector>

namespace xtr {
namespace {

using namespace std::chrono_literals;

// Far beyond what a loaded machine needs: reaching it means a hung test.
constexpr auto kHungLimit = 60s;

// Waits (real time) until pred holds.
template <typename Pred>
bool WaitFor(Pred pred)
{
    const auto deadline = std::chrono::steady_clock::now() + kHungLimit;
    while (!pred()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(1ms);
    }
    return true;
}

std::vector<uint8_t> AllByteValues()
{
    std::vector<uint8_t> bytes(256);
    for (int i = 0; i < 256; ++i) {
        bytes[i] = static_cast<uint8_t>(i);
    }
    return bytes;
}

class PtyPortTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        terminal = OpenPseudoTerminal();
        ASSERT_NE(terminal, nullptr);
    }

    std::vector<uint8_t> ReadFromMaster(size_t count)
    {
        std::vector<uint8_t> got;
        uint8_t buffer[512];
        EXPECT_TRUE(WaitFor([&] {
            const int32_t n = terminal->Read(buffer, sizeof buffer);
            if (n > 0) {
                got.insert(got.end(), buffer, buffer + n);
            }
            return got.size() >= count;
        })) << "only " << got.size() << " of " << count << " bytes arrived";
        return got;
    }

    test::ManualTimeGuard clock;
    std::unique_ptr<PseudoTerminal> terminal;
    cmcComm port{CreateSystemSerialDevice()};
};

TEST_F(PtyPortTest, MovesEveryByteValueUnchangedBothWays)
{
    ASSERT_TRUE(port.OpenDevice(terminal->SlavePath(), "38400,N,8,1"));
    EXPECT_EQ(terminal->SlaveBaud(), 38400u);

    const std::vector<uint8_t> bytes = AllByteValues();
    port.Write(bytes.data(), static_cast<int32_t>(bytes.size()));
    clock->Advance(1);  // the pump hands them over
    EXPECT_EQ(ReadFromMaster(bytes.size()), bytes);
    EXPECT_TRUE(WaitFor([&] { return port.Pending() == 0; }));

    ASSERT_EQ(terminal->Write(bytes.data(), 256), 256);
    ASSERT_TRUE(WaitFor([&] { return port.InQueue() == 256; }));
    std::vector<uint8_t> got(300);
    EXPECT_EQ(port.Read(got.data(), 200), 200);
    EXPECT_EQ(port.Read(got.data() + 200, 100), 56);
    got.resize(256);
    EXPECT_EQ(got, bytes);

    // Reopening at another speed changes the line; the old input is purged:
    // a byte sent after the reopening is the first one to be read.
    ASSERT_EQ(terminal->Write(bytes.data(), 10), 10);
    ASSERT_TRUE(WaitFor([&] { return port.InQueue() == 10; }));
    port.Close();
    ASSERT_TRUE(port.OpenDevice(terminal->SlavePath(), "9600,N,8,1"));
    EXPECT_EQ(terminal->SlaveBaud(), 9600u);
    const uint8_t marker = 0xA5;
    ASSERT_EQ(terminal->Write(&marker, 1), 1);
    ASSERT_TRUE(WaitFor([&] { return port.InQueue() >= 1; }));
    uint8_t after[16] = {};
    EXPECT_EQ(port.Read(after, sizeof after), 1);
    EXPECT_EQ(after[0], marker);
}

TEST_F(PtyPortTest, OpensByNumberThroughTheEnvironment)
{
    test::ScopedEnv env("XTR450_PORT_3", terminal->SlavePath());
    ASSERT_TRUE(port.Open(3, "9600,N,8,1"));
    EXPECT_EQ(port.PortNumber(), 3);
}

TEST_F(PtyPortTest, RefusesWhatIsNotASerialDeviceOrIsInUse)
{
    test::TempDir dir;
    EXPECT_FALSE(port.OpenDevice(dir.Write("plain.txt", "not a terminal"), "9600,N,8,1"));
    EXPECT_FALSE(port.OpenDevice(dir.File("missing"), "9600,N,8,1"));
    EXPECT_FALSE(port.IsOpen());

    // Speeds and character sizes a tty cannot do.
    EXPECT_FALSE(port.OpenDevice(terminal->SlavePath(), "12345,N,8,1"));
    EXPECT_FALSE(port.OpenDevice(terminal->SlavePath(), "9600,N,4,1"));
    EXPECT_FALSE(port.IsOpen());

    ASSERT_TRUE(port.OpenDevice(terminal->SlavePath(), "9600,N,8,1"));
    cmcComm other(CreateSystemSerialDevice());
    if (::geteuid() != 0) {  // the superuser may open an exclusive tty anyway
        EXPECT_FALSE(other.OpenDevice(terminal->SlavePath(), "9600,N,8,1"));
    }
    port.Close();
    EXPECT_TRUE(other.OpenDevice(terminal->SlavePath(), "9600,N,8,1"));
}

TEST_F(PtyPortTest, OtherSideClosingLeavesAQuietPortThatStillCloses)
{
    ASSERT_TRUE(port.OpenDevice(terminal->SlavePath(), "9600,N,8,1"));
    terminal.reset();
    uint8_t buffer[64];
    EXPECT_EQ(port.Read(buffer, sizeof buffer), 0);
    EXPECT_EQ(port.InQueue(), 0);
    const uint8_t bytes[100] = {};
    port.Write(bytes, sizeof bytes);
    clock->Advance(50);
    EXPECT_EQ(port.Pending(), 0);  // the refused bytes are dropped
    EXPECT_FALSE(port.PumpRunning());
    port.Close();
    EXPECT_FALSE(port.IsOpen());
}

// The driver with the system serial device and the simulated radio behind a
// pseudo-terminal. The manual clock moves a millisecond per step, and each
// step waits at least a millisecond of real time for the kernel to move the
// bytes: a machine too busy to run this process stops the clock with it, so
// no time-out of the protocol fires because of load, while a line that
// really went quiet still ends in the driver's time-out after a thousand
// steps (a second or more of real time without a byte).
class PtyCloneTest : public ::testing::Test {
protected:
    PtyCloneTest()
    {
        terminal = OpenPseudoTerminal();
        if (terminal) {
            bridge = std::make_unique<SimPtyBridge>(radio, *terminal);
            serve = std::make_unique<cmcTask>();
            serve->SetHandler(&PtyCloneTest::Serve, this);
            serve->SetPeriod(2);
            driver = std::make_unique<cmcCloneDrv>(CreateSystemSerialDevice());
            driver->SetTarget(0x2527, 0);
            driver->SetImageSize(0x4000);
            driver->SetDevicePath(terminal->SlavePath());
        }
    }
    ~PtyCloneTest() override
    {
        driver.reset();
        serve.reset();
    }

    static void Serve(void* context, cmcTask*)
    {
        auto* self = static_cast<PtyCloneTest*>(context);
        if (self->bridge) {
            self->bridge->Poll();
        }
    }
    static void OnDone(void* context, dst_CDrv_Result* result)
    {
        auto* self = static_cast<PtyCloneTest*>(context);
        self->codes.push_back(result->code);
        self->image.CopyFrom(result->image);
    }
    template <typename Pred>
    bool RunPaced(Pred done)
    {
        const auto deadline = std::chrono::steady_clock::now() + kHungLimit;
        while (!done()) {
            if (std::chrono::steady_clock::now() > deadline) {
                return false;
            }
            clock->Advance(1);
            std::this_thread::sleep_for(1ms);
        }
        return true;
    }
    bool Run() { return RunPaced([this] { return !driver->IsBusy(); }); }

    test::ManualTimeGuard clock;  // first: every task below takes its timer from it
    SimRadio radio;
    std::unique_ptr<PseudoTerminal> terminal;
    std::unique_ptr<SimPtyBridge> bridge;
    std::unique_ptr<cmcTask> serve;
    std::unique_ptr<cmcCloneDrv> driver;
    std::vector<uint8_t> codes;
    cmcEeprom image;
};

TEST_F(PtyCloneTest, IdentifyAndReadThroughAPseudoTerminal)
{
    ASSERT_NE(terminal, nullptr);
    radio.SetWireTime(false);
    radio.Memory().SetByte(0x1FFF, 0xA5);
    ConfigureCloneSpeed(*driver, 1, true);
    ASSERT_TRUE(driver->StartIdentify(&PtyCloneTest::OnDone, this));
    ASSERT_TRUE(Run());
    ConfigureCloneSpeed(*driver, 1, false);
    ASSERT_TRUE(driver->StartRead(kCloneAreaRanges, &PtyCloneTest::OnDone, this));
    ASSERT_TRUE(Run());
    EXPECT_EQ(codes, (std::vector<uint8_t>{kCloneOk, kCloneOk}));
    EXPECT_EQ(image.GetByte(0x1FFF), 0xA5);
    EXPECT_EQ(radio.Baud(), 9600u);
}

TEST_F(PtyCloneTest, SimulatorGoingAwayMidReadEndsWithSilence)
{
    ASSERT_NE(terminal, nullptr);
    radio.SetWireTime(true);  // slow enough to pull the plug in the middle
    ConfigureCloneSpeed(*driver, 1, true);
    ASSERT_TRUE(driver->StartRead(kCloneAreaRanges, &PtyCloneTest::OnDone, this));
    ASSERT_TRUE(RunPaced([this] { return driver->FrameCount() >= 20 || !driver->IsBusy(); }));
    ASSERT_TRUE(driver->IsBusy()) << "the read ended before the plug was pulled";
    bridge.reset();
    terminal.reset();
    const uint32_t pulled = Time().TickCount();
    ASSERT_TRUE(Run());
    EXPECT_EQ(codes, (std::vector<uint8_t>{kCloneSilence}));
    EXPECT_GE(Time().TickCount() - pulled, cmcCloneDrv::kSilenceMs - cmcCloneDrv::kStepMs);
    EXPECT_FALSE(driver->Port().IsOpen());
}

}  // namespace
}  // namespace xtr

#endif  // !_WIN32
