// How the driver ends when the radio, the line or the port misbehave: each
// fault gives its result code, silence ends an operation after its time-out
// measured on the manual clock, and every operation still completes once
// with the port closed.
#include "driver_fixture.h"

#include "clone/clone_protocol.h"

#include <functional>
#include <string>

namespace xtr::test {
namespace {

constexpr RangePair kNormalWrite[] = {{0x0100, 0x1FFF}, kRangeEnd};

struct FaultCase {
    const char* name;
    uint8_t kind;
    std::function<void(SimRadio&)> inject;
    uint8_t code;
};

class DriverFaultTest : public DriverTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(DriverFaultTest, EndsWithItsResultCode)
{
    const FaultCase& fault = GetParam();
    fault.inject(radio);
    cmcEeprom source;
    source.SetSize(kImageSize);
    switch (fault.kind) {
    case kCloneIdentify: ASSERT_TRUE(driver.StartIdentify(&DriverTest::OnDone, this)); break;
    case kCloneRead: ASSERT_TRUE(driver.StartRead(kCloneAreaRanges, &DriverTest::OnDone, this)); break;
    default: ASSERT_TRUE(driver.StartWrite(source, kNormalWrite, &DriverTest::OnDone, this)); break;
    }
    ASSERT_TRUE(Run());
    clock->Advance(3000);
    ASSERT_EQ(done.size(), 1u);
    EXPECT_EQ(done[0].code, fault.code);
    EXPECT_EQ(done[0].kind, fault.kind);
    EXPECT_FALSE(done[0].portOpen);
    EXPECT_EQ(link.OpenDevices(), 0);
}

const FaultCase kFaults[] = {
    {"SilentRadioIdentify", kCloneIdentify, [](SimRadio& r) { r.Faults().silent = true; }, kCloneSilence},
    {"SilentRadioRead", kCloneRead, [](SimRadio& r) { r.Faults().silent = true; }, kCloneSilence},
    {"SilentRadioWrite", kCloneWrite, [](SimRadio& r) { r.Faults().silent = true; }, kCloneSilence},
    {"IdentityNotPackedDecimal", kCloneIdentify, [](SimRadio& r) { r.Identity().modelCode = 0x25A7; }, kCloneMalformed},
    // Model and payload checks belong to the caller: the driver passes them on.
    {"OtherModelPassedOn", kCloneIdentify, [](SimRadio& r) { r.Identity().modelCode = 0x2530; }, kCloneOk},
    {"ShortPayloadPassedOn", kCloneIdentify, [](SimRadio& r) { r.Identity().payloadLength = 51; }, kCloneOk},
    {"BadChecksum", kCloneRead, [](SimRadio& r) { r.Faults().badChecksumFrame = 7; }, kCloneMalformed},
    {"LowerCaseHex", kCloneRead, [](SimRadio& r) { r.Faults().lowerCaseFrame = 0; }, kCloneMalformed},
    {"WrongFrameCount", kCloneRead, [](SimRadio& r) { r.Faults().frameCountOffset = 1; }, kCloneFrameCount},
    {"MissingBlock", kCloneRead, [](SimRadio& r) { r.Faults().missingFrame = 100; }, kCloneMissing},
    {"DataBeyondImage", kCloneRead, [](SimRadio& r) { r.Faults().extraBlockAddress = 0x3FF8; }, kCloneOutside},
    {"DataOutsideRanges", kCloneRead, [](SimRadio& r) { r.Faults().extraBlockAddress = 0x2000; }, kCloneOutside},
    {"StallMidRead", kCloneRead, [](SimRadio& r) { r.Faults().stallAfter = 40; }, kCloneSilence},
    {"NoiseBetweenFrames", kCloneRead, [](SimRadio& r) { r.Faults().noiseBytes = 5; }, kCloneOk},
    {"ExtraPreamble", kCloneRead, [](SimRadio& r) { r.Faults().extraPreamble = 9; }, kCloneOk},
    {"NoiseAndPreambleOnIdentify", kCloneIdentify,
     [](SimRadio& r) {
         r.Faults().noiseBytes = 3;
         r.Faults().extraPreamble = 4;
     },
     kCloneOk},
    {"NegativeAcknowledgement", kCloneWrite, [](SimRadio& r) { r.Faults().ackStatus = 1; }, kCloneNotAccepted},
};

INSTANTIATE_TEST_SUITE_P(Radio, DriverFaultTest, ::testing::ValuesIn(kFaults),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DriverTest, SilenceTimeOutsAreMeasuredFromTheLastProgress)
{
    radio.Faults().silent = true;
    ASSERT_TRUE(driver.StartIdentify(&DriverTest::OnDone, this));
    ASSERT_TRUE(Run());
    // E0 reaches the radio about 20 ms after it was queued (wire time).
    const uint32_t e0 = FramesOf(clone::kCmdIdentify).at(0).tick;
    EXPECT_GE(done.at(0).tick - e0, 950u);
    EXPECT_LE(done.at(0).tick - e0, 1050u);

    // After the write's end frame the radio has two seconds to answer.
    radio.ClearReceived();
    cmcEeprom source;
    source.SetSize(kImageSize);
    ASSERT_TRUE(driver.StartWrite(source, kNormalWrite, &DriverTest::OnDone, this));
    ASSERT_TRUE(Run());
    EXPECT_EQ(done.at(1).code, kCloneSilence);
    const uint32_t end = FramesOf(clone::kCmdEnd).at(0).tick;
    EXPECT_GE(done.at(1).tick - end, 1950u);
    EXPECT_LE(done.at(1).tick - end, 2050u);

    // A radio that stops sending in the middle of its data.
    radio.Faults() = {};
    radio.Faults().stallAfter = 10;
    ASSERT_TRUE(driver.StartRead(kCloneAreaRanges, &DriverTest::OnDone, this));
    uint32_t lastFrame = 0;
    int32_t frames = 0;
    while (driver.IsBusy()) {
        clock->Advance(10);
        if (driver.FrameCount() != frames) {
            frames = driver.FrameCount();
            lastFrame = Time().TickCount();
        }
    }
    EXPECT_EQ(frames, 10);
    EXPECT_EQ(done.at(2).code, kCloneSilence);
    EXPECT_GE(done.at(2).tick - lastFrame, 990u);
    EXPECT_LE(done.at(2).tick - lastFrame, 1050u);
}

TEST_F(DriverTest, PortThatCannotBeOpened)
{
    link.SetOpenRefused(true);
    ASSERT_TRUE(driver.StartRead(kCloneAreaRanges, &DriverTest::OnDone, this));
    ASSERT_TRUE(Run(500));
    ASSERT_EQ(done.size(), 1u);
    EXPECT_EQ(done[0].code, kClonePortError);
    EXPECT_TRUE(radio.Received().empty());

    // Without a speed script the first open is the one at the working speed.
    driver.SetScript("");
    ASSERT_TRUE(driver.StartIdentify(&DriverTest::OnDone, this));
    ASSERT_TRUE(Run(500));
    ASSERT_EQ(done.size(), 2u);
    EXPECT_EQ(done[1].code, kClonePortError);
}

TEST_F(DriverTest, PortVanishingMidTransferEndsOnceWithSilence)
{
    ASSERT_TRUE(driver.StartRead(kCloneAreaRanges, &DriverTest::OnDone, this));
    ASSERT_TRUE(clock->AdvanceUntil([&] { return driver.FrameCount() >= 50; }, 60000, 10));
    link.Unplug();
    ASSERT_TRUE(Run(5000));
    clock->Advance(3000);
    ASSERT_EQ(done.size(), 1u);
    EXPECT_EQ(done[0].code, kCloneSilence);
    EXPECT_FALSE(driver.Port().IsOpen());
    EXPECT_EQ(link.OpenDevices(), 0);
    EXPECT_EQ(clock->EnabledTimers(), 0);

    // The same during a write, where every frame now goes nowhere.
    link.Plug();
    cmcEeprom source;
    source.SetSize(kImageSize);
    ASSERT_TRUE(driver.StartWrite(source, kNormalWrite, &DriverTest::OnDone, this));
    ASSERT_TRUE(clock->AdvanceUntil([&] { return driver.FrameCount() >= 20; }, 60000, 10));
    link.Unplug();
    ASSERT_TRUE(Run(10000));
    ASSERT_EQ(done.size(), 2u);
    EXPECT_EQ(done[1].code, kCloneSilence);
    EXPECT_EQ(link.OpenDevices(), 0);
}

// A port whose transmit queue never empties (a stuck driver or adapter).
class StuckDevice : public SerialDevice {
public:
    bool Open(const std::string&) override { return open_ = true; }
    bool SetupQueues(int32_t, int32_t) override { return true; }
    bool Configure(const SerialLineConfig&) override { return true; }
    void Close() override { open_ = false; }
    bool IsOpen() const override { return open_; }
    int32_t ReceiveCount() override { return 0; }
    int32_t TransmitCount() override { return 7; }
    int32_t Read(uint8_t*, int32_t) override { return 0; }
    int32_t Write(const uint8_t*, int32_t count) override { return count; }

private:
    bool open_ = false;
};

TEST(DriverStuckPort, EndsOnceInsteadOfWaitingForEver)
{
    ManualTimeGuard clock;
    cmcCloneDrv driver(std::make_unique<StuckDevice>());
    driver.SetTarget(0x2527, 0);
    ConfigureCloneSpeed(driver, 1, false);
    std::vector<uint8_t> codes;
    const auto done = [](void* context, dst_CDrv_Result* result) {
        static_cast<std::vector<uint8_t>*>(context)->push_back(result->code);
    };
    ASSERT_TRUE(driver.StartIdentify(done, &codes));
    EXPECT_TRUE(clock->AdvanceUntil([&] { return !driver.IsBusy(); }, 5000, 10));
    EXPECT_EQ(codes, (std::vector<uint8_t>{kCloneSilence}));
    EXPECT_FALSE(driver.Port().IsOpen());
}

TEST_F(DriverTest, FailedReadKeepsWhatArrivedForTheCaller)
{
    radio.Faults().missingFrame = 3;
    radio.Memory().SetByte(0x0010, 0x5A);
    radio.Memory().SetByte(0x0030, 0x6B);  // in the missing block
    ASSERT_TRUE(driver.StartRead(kCloneAreaRanges, &DriverTest::OnDone, this));
    ASSERT_TRUE(Run());
    ASSERT_EQ(done.at(0).code, kCloneMissing);
    EXPECT_EQ(done[0].image.GetByte(0x0010), 0x5A);
    EXPECT_EQ(done[0].image.GetByte(0x0030), 0x00);
    EXPECT_EQ(done[0].receivedMap.at(0x30 / 8), 0x00);
    EXPECT_EQ(done[0].receivedMap.at(0x10 / 8), 0xFF);
}

}  // namespace
}  // namespace xtr::test
