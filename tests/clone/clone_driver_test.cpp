// The clone protocol driver against the simulated radio: the exchanges at
// both speeds, what reaches the radio, and one completion per operation.
#include "driver_fixture.h"

#include "clone/clone_protocol.h"
#include "clone/sim_identity.h"
#include "image/range_list.h"

#include <string>

namespace xtr::test {
namespace {

constexpr RangePair kNormalWrite[] = {{0x0100, 0x1FFF}, kRangeEnd};
constexpr RangePair kMakerWrite[] = {{0x0000, 0x1FFF}, kRangeEnd};

void FillPattern(cmcEeprom& image, uint8_t seed)
{
    for (int32_t a = 0; a < image.Size(); ++a) {
        image.SetByte(a, static_cast<uint8_t>(a * 7 + seed + (a >> 8)));
    }
}

std::string EndCountText(const SimFrameRecord& end)
{
    return std::string(end.bytes.end() - 2, end.bytes.end());
}

TEST_F(DriverTest, IdentifyAtLowSpeedBringsRadioBackFromHighSpeed)
{
    radio.SetBaud(38400);  // left there by an earlier fast transfer
    radio.Identity().comment1 = "FLEET 7";
    radio.Identity().revision = 0x12;

    ASSERT_TRUE(driver.StartIdentify(&DriverTest::OnDone, this));
    EXPECT_TRUE(driver.IsBusy());
    ASSERT_TRUE(Run());

    ASSERT_EQ(done.size(), 1u);
    const Completed& result = done[0];
    EXPECT_EQ(result.kind, kCloneIdentify);
    EXPECT_EQ(result.code, kCloneOk);
    EXPECT_EQ(result.identity1, 0x2527);
    EXPECT_EQ(result.identity2, 0x0000);
    EXPECT_EQ(result.payload, IdentityPayload(radio.Identity()));
    EXPECT_FALSE(result.portOpen);

    // The switch frame went out at 38400 baud with 20 preamble bytes and
    // the speed bytes for 9600; the identify followed at 9600 baud.
    const auto speed = FramesOf(clone::kCmdSpeed);
    ASSERT_EQ(speed.size(), 1u);
    EXPECT_EQ(speed[0].baud, 38400u);
    EXPECT_EQ(speed[0].preambleBytes, 20);
    EXPECT_EQ(speed[0].bytes, (std::vector<uint8_t>{0xFE, 0xEE, 0xEF, 0xE8, 0x25, 0x27, 0x00, 0x00, 0x01, 0x32, 0x37}));
    const auto identify = FramesOf(clone::kCmdIdentify);
    ASSERT_EQ(identify.size(), 1u);
    EXPECT_EQ(identify[0].baud, 9600u);
    EXPECT_EQ(identify[0].preambleBytes, 14);
    EXPECT_EQ(identify[0].bytes, (std::vector<uint8_t>{0xFE, 0xEE, 0xEF, 0xE0, 0x25, 0x27, 0x00, 0x00}));
    EXPECT_EQ(radio.Baud(), 9600u);
    EXPECT_EQ(link.ConfiguredSpeeds(), (std::vector<uint32_t>{38400, 9600}));
}

TEST_F(DriverTest, IdentifyAtHighSpeed)
{
    UseSpeed(true);
    ASSERT_TRUE(driver.StartIdentify(&DriverTest::OnDone, this));
    ASSERT_TRUE(Run());
    ASSERT_EQ(done.size(), 1u);
    EXPECT_EQ(done[0].code, kCloneOk);
    const auto speed = FramesOf(clone::kCmdSpeed);
    ASSERT_EQ(speed.size(), 1u);
    EXPECT_EQ(speed[0].baud, 9600u);
    EXPECT_EQ(speed[0].bytes[9], 0x30);
    EXPECT_EQ(speed[0].bytes[10], 0x39);
    const auto identify = FramesOf(clone::kCmdIdentify);
    ASSERT_EQ(identify.size(), 1u);
    EXPECT_EQ(identify[0].baud, 38400u);
    EXPECT_EQ(identify[0].preambleBytes, 50);
}

class DriverSpeedTest : public DriverTest, public ::testing::WithParamInterface<bool> {};

TEST_P(DriverSpeedTest, ReadBringsTheCloneAreaAcross)
{
    const bool high = GetParam();
    UseSpeed(high);
    FillPattern(radio.Memory(), 3);

    ASSERT_TRUE(driver.StartRead(kCloneAreaRanges, &DriverTest::OnDone, this));
    ASSERT_TRUE(Run());
    ASSERT_EQ(done.size(), 1u);
    const Completed& result = done[0];
    EXPECT_EQ(result.kind, kCloneRead);
    EXPECT_EQ(result.code, kCloneOk);
    EXPECT_EQ(driver.FrameCount(), 512);
    EXPECT_EQ(driver.DataByteCount(), 8192);
    ASSERT_EQ(result.image.Size(), kImageSize);
    for (int32_t a = 0; a < kImageSize; ++a) {
        ASSERT_EQ(result.image.GetByte(a), a < 0x2000 ? radio.Memory().GetByte(a) : 0) << "address " << a;
    }
    EXPECT_EQ(result.receivedMap, std::vector<uint8_t>(0x2000 / 8, 0xFF));

    const auto start = FramesOf(clone::kCmdReadStart);
    ASSERT_EQ(start.size(), 1u);
    EXPECT_EQ(start[0].baud, high ? 38400u : 9600u);
    EXPECT_EQ(start[0].preambleBytes, high ? 50 : 14);
}

TEST_P(DriverSpeedTest, WriteSendsTheRangesAndIsAccepted)
{
    const bool high = GetParam();
    UseSpeed(high);
    cmcEeprom source;
    source.SetSize(kImageSize);
    FillPattern(source, 11);
    const cmcEeprom before = [&] { cmcEeprom copy; copy.CopyFrom(radio.Memory()); return copy; }();

    ASSERT_TRUE(driver.StartWrite(source, kNormalWrite, &DriverTest::OnDone, this));
    ASSERT_TRUE(Run());
    ASSERT_EQ(done.size(), 1u);
    EXPECT_EQ(done[0].kind, kCloneWrite);
    EXPECT_EQ(done[0].code, kCloneOk);
    EXPECT_EQ(radio.LastAckStatus(), 0);

    // 0x0000-0x00FF stay as the radio had them.
    for (int32_t a = 0; a < 0x2000; ++a) {
        ASSERT_EQ(radio.Memory().GetByte(a), a < 0x100 ? before.GetByte(a) : source.GetByte(a)) << "address " << a;
    }
    const auto data = FramesOf(clone::kCmdData);
    ASSERT_EQ(data.size(), 496u);
    const std::string first(data[0].bytes.begin() + 4, data[0].bytes.begin() + 10);
    EXPECT_EQ(first, "010010");
    EXPECT_EQ(data[0].preambleBytes, high ? 14 : 2);
    EXPECT_EQ(data[0].baud, high ? 38400u : 9600u);
    const auto end = FramesOf(clone::kCmdEnd);
    ASSERT_EQ(end.size(), 1u);
    EXPECT_EQ(end[0].preambleBytes, 2);
    EXPECT_EQ(EndCountText(end[0]), "F0");
    EXPECT_EQ(FramesOf(clone::kCmdWriteStart).at(0).preambleBytes, high ? 50 : 14);
}

INSTANTIATE_TEST_SUITE_P(BothSpeeds, DriverSpeedTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "High" : "Low"; });

TEST_F(DriverTest, MakerWriteCoversEverythingAndCountWraps)
{
    cmcEeprom source;
    source.SetSize(kImageSize);
    FillPattern(source, 5);
    radio.SetWireTime(false);
    ASSERT_TRUE(driver.StartWrite(source, kMakerWrite, &DriverTest::OnDone, this));
    ASSERT_TRUE(Run());
    ASSERT_EQ(done.size(), 1u);
    EXPECT_EQ(done[0].code, kCloneOk);
    EXPECT_EQ(FramesOf(clone::kCmdData).size(), 512u);
    EXPECT_EQ(EndCountText(FramesOf(clone::kCmdEnd).at(0)), "00");
    EXPECT_EQ(driver.DataByteCount(), 8192);
    for (int32_t a = 0; a < 0x2000; ++a) {
        ASSERT_EQ(radio.Memory().GetByte(a), source.GetByte(a));
    }
}

TEST_F(DriverTest, SeveralRangesWithAShortLastBlock)
{
    constexpr RangePair kRanges[] = {{0x0200, 0x0213}, {0x0300, 0x0300}, kRangeEnd};
    radio.SetWireTime(false);
    FillPattern(radio.Memory(), 9);

    ASSERT_TRUE(driver.StartRead(kRanges, &DriverTest::OnDone, this));
    ASSERT_TRUE(Run());
    // The radio sends its whole clone area: more than was asked for.
    EXPECT_EQ(done.at(0).code, kCloneOutside);

    cmcEeprom source;
    source.SetSize(kImageSize);
    FillPattern(source, 1);
    radio.ClearReceived();
    ASSERT_TRUE(driver.StartWrite(source, kRanges, &DriverTest::OnDone, this));
    ASSERT_TRUE(Run());
    EXPECT_EQ(done.at(1).code, kCloneOk);
    const auto data = FramesOf(clone::kCmdData);
    ASSERT_EQ(data.size(), 3u);
    auto header = [](const SimFrameRecord& f) { return std::string(f.bytes.begin() + 4, f.bytes.begin() + 10); };
    EXPECT_EQ(header(data[0]), "020010");
    EXPECT_EQ(header(data[1]), "021004");
    EXPECT_EQ(header(data[2]), "030001");
    EXPECT_EQ(EndCountText(FramesOf(clone::kCmdEnd).at(0)), "03");
}

TEST_F(DriverTest, StartingWhileBusyIsRefusedAndChangesNothing)
{
    ASSERT_TRUE(driver.StartIdentify(&DriverTest::OnDone, this));
    clock->Advance(30);
    const auto state = driver.CurrentState();
    EXPECT_FALSE(driver.StartIdentify(&DriverTest::OnDone, this));
    EXPECT_FALSE(driver.StartRead(kCloneAreaRanges, &DriverTest::OnDone, this));
    EXPECT_FALSE(driver.SetImageSize(16));
    EXPECT_FALSE(driver.SetPort(3, "9600,N,8,1"));
    EXPECT_EQ(driver.CurrentState(), state);
    EXPECT_EQ(driver.ImageSize(), kImageSize);
    ASSERT_TRUE(Run());
    clock->Advance(5000);
    ASSERT_EQ(done.size(), 1u);
    EXPECT_EQ(done[0].code, kCloneOk);
    EXPECT_EQ(FramesOf(clone::kCmdIdentify).size(), 1u);
}

// A completion that starts the next operation, as the clone manager does
// when a read follows the identify.
struct Chain {
    DriverTest* test;
    cmcCloneDrv* driver;
    std::vector<uint8_t> codes;
    static void AfterIdentify(void* context, dst_CDrv_Result* result)
    {
        auto* chain = static_cast<Chain*>(context);
        chain->codes.push_back(result->code);
        EXPECT_FALSE(chain->driver->IsBusy());
        EXPECT_TRUE(chain->driver->StartRead(kCloneAreaRanges, &Chain::AfterRead, chain));
    }
    static void AfterRead(void* context, dst_CDrv_Result* result)
    {
        static_cast<Chain*>(context)->codes.push_back(result->code);
    }
};

TEST_F(DriverTest, CompletionMayStartTheNextOperation)
{
    radio.SetWireTime(false);
    Chain chain{this, &driver, {}};
    ASSERT_TRUE(driver.StartIdentify(&Chain::AfterIdentify, &chain));
    ASSERT_TRUE(clock->AdvanceUntil([&] { return chain.codes.size() == 2; }, 60000, 10));
    EXPECT_EQ(chain.codes, (std::vector<uint8_t>{kCloneOk, kCloneOk}));
    EXPECT_FALSE(driver.IsBusy());
    EXPECT_EQ(clock->EnabledTimers(), 0);  // step task and pump both stopped
}

struct Owner {
    std::unique_ptr<cmcCloneDrv> driver;
    int calls = 0;
    static void DestroyDriver(void* context, dst_CDrv_Result*)
    {
        auto* owner = static_cast<Owner*>(context);
        ++owner->calls;
        owner->driver.reset();
    }
};

TEST_F(DriverTest, CompletionMayDestroyTheDriver)
{
    Owner owner;
    owner.driver = std::make_unique<cmcCloneDrv>(link.NewDevice());
    owner.driver->SetTarget(0x2527, 0);
    ConfigureCloneSpeed(*owner.driver, 1, false);
    ASSERT_TRUE(owner.driver->StartIdentify(&Owner::DestroyDriver, &owner));
    ASSERT_TRUE(clock->AdvanceUntil([&] { return owner.calls > 0; }, 10000, 10));
    clock->Advance(100);
    EXPECT_EQ(owner.calls, 1);
    EXPECT_EQ(link.OpenDevices(), 0);
}

TEST_F(DriverTest, RangesOutsideTheImageAreRefusedWithoutTouchingThePort)
{
    constexpr RangePair kBeyond[] = {{0x3FF0, 0x400F}, kRangeEnd};
    constexpr RangePair kNegative[] = {{-16, 15}, kRangeEnd};
    cmcEeprom source;
    source.SetSize(kImageSize);
    ASSERT_TRUE(driver.StartWrite(source, kBeyond, &DriverTest::OnDone, this));
    ASSERT_TRUE(Run());
    ASSERT_TRUE(driver.StartRead(kNegative, &DriverTest::OnDone, this));
    ASSERT_TRUE(Run());
    ASSERT_EQ(done.size(), 2u);
    EXPECT_EQ(done[0].code, kCloneOutside);
    EXPECT_EQ(done[1].code, kCloneOutside);
    EXPECT_EQ(link.Opens(), 0);
}

// The states an operation passes through, each once in this order, then
// idle: the protocol's order of exchanges.
std::vector<cmcCloneDrv::State> PathOf(cmcCloneDrv& driver, ManualTimeGuard& clock)
{
    std::vector<cmcCloneDrv::State> path{driver.CurrentState()};
    clock->AdvanceUntil(
        [&] {
            if (driver.CurrentState() != path.back()) {
                path.push_back(driver.CurrentState());
            }
            return !driver.IsBusy();
        },
        120000, 10);
    return path;
}

TEST_F(DriverTest, EachOperationTakesItsStatesInTheProtocolsOrder)
{
    using S = cmcCloneDrv::State;
    const std::vector<S> prologue = {S::kBegin, S::kSpeedScript, S::kReopen};
    auto with = [&](std::vector<S> tail) {
        std::vector<S> path = prologue;
        path.insert(path.end(), tail.begin(), tail.end());
        return path;
    };
    for (bool high : {false, true}) {
        UseSpeed(high);
        ASSERT_TRUE(driver.StartIdentify(&DriverTest::OnDone, this));
        EXPECT_EQ(PathOf(driver, clock), with({S::kSendIdentify, S::kAwaitIdentity, S::kDrain, S::kIdle}))
            << high;
        ASSERT_TRUE(driver.StartRead(kCloneAreaRanges, &DriverTest::OnDone, this));
        EXPECT_EQ(PathOf(driver, clock), with({S::kSendRead, S::kReceiveData, S::kDrain, S::kIdle})) << high;
        cmcEeprom source;
        source.SetSize(kImageSize);
        ASSERT_TRUE(driver.StartWrite(source, kNormalWrite, &DriverTest::OnDone, this));
        EXPECT_EQ(PathOf(driver, clock),
                  with({S::kSendWrite, S::kSendData, S::kSendEnd, S::kAwaitAck, S::kDrain, S::kIdle}))
            << high;
    }
    ASSERT_EQ(done.size(), 6u);
    for (const Completed& c : done) {
        EXPECT_EQ(c.code, kCloneOk) << int(c.kind);
    }

    // Refused ranges go straight to the drain.
    constexpr RangePair kBeyond[] = {{0x3FF0, 0x400F}, kRangeEnd};
    ASSERT_TRUE(driver.StartRead(kBeyond, &DriverTest::OnDone, this));
    EXPECT_EQ(PathOf(driver, clock), (std::vector<S>{S::kBegin, S::kDrain, S::kIdle}));
}

}  // namespace
}  // namespace xtr::test
