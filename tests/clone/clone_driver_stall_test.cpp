// A computer too busy to run the driver for longer than the silence time-out
// while the radio answers: when the driver runs again, the answer is
// waiting in the port, and the operation goes on instead of ending in
// silence, even when more bytes wait than one step reads. A radio that
// really went quiet still ends in silence. The stall is a jump of the
// manual clock with no timer run in between.
#include "driver_fixture.h"

#include "clone/clone_protocol.h"

namespace xtr::test {
namespace {

constexpr RangePair kSmallWrite[] = {{0x0100, 0x013F}, kRangeEnd};

// Every radio frame comes after 300 preamble bytes, more than one step of
// the driver reads from the port.
constexpr int32_t kLongPreamble = 300;

class DriverStallTest : public DriverTest {
protected:
    // The process is not scheduled for ms: time passes, no timer runs.
    void Stall(uint32_t ms) { clock->SetTickCount(Time().TickCount() + ms); }

    // Runs until the radio has taken a frame with the command (the driver
    // still waiting).
    bool RunUntilRadioTook(uint8_t command)
    {
        return clock->AdvanceUntil([&] { return !FramesOf(command).empty(); }, 60000, 1) && done.empty();
    }

    // Lets the answer cross the line without running the driver.
    void StallPastTheSilenceTimeOut() { Stall(cmcCloneDrv::kAckSilenceMs + 500); }
};

TEST_F(DriverStallTest, AnIdentityAnswerWaitingAfterAStallIsTaken)
{
    radio.Faults().extraPreamble = kLongPreamble;
    ASSERT_TRUE(driver.StartIdentify(&DriverTest::OnDone, this));
    ASSERT_TRUE(RunUntilRadioTook(clone::kCmdIdentify));
    StallPastTheSilenceTimeOut();
    ASSERT_TRUE(Run());
    ASSERT_EQ(done.size(), 1u);
    EXPECT_EQ(done[0].code, kCloneOk);
    EXPECT_EQ(done[0].identity1, 0x2527);
}

TEST_F(DriverStallTest, AnAcknowledgementWaitingAfterAStallIsTaken)
{
    radio.Faults().extraPreamble = kLongPreamble;
    cmcEeprom source;
    source.SetSize(kImageSize);
    source.SetByte(0x0120, 0x42);
    ASSERT_TRUE(driver.StartWrite(source, kSmallWrite, &DriverTest::OnDone, this));
    ASSERT_TRUE(RunUntilRadioTook(clone::kCmdEnd));
    StallPastTheSilenceTimeOut();
    ASSERT_TRUE(Run());
    ASSERT_EQ(done.size(), 1u);
    EXPECT_EQ(done[0].code, kCloneOk);
    EXPECT_EQ(radio.Memory().GetByte(0x0120), 0x42);
}

TEST_F(DriverStallTest, DataWaitingAfterStallsInTheMiddleOfAReadIsTaken)
{
    radio.Faults().noiseBytes = kLongPreamble;  // noise between the frames
    radio.Memory().SetByte(0x1FFF, 0xA5);
    ASSERT_TRUE(driver.StartRead(kCloneAreaRanges, &DriverTest::OnDone, this));
    // Stalls at many places of the stream, so that some fall where the next
    // step's bytes hold no complete frame.
    for (int32_t frames = 10; frames <= 500 && driver.IsBusy(); frames += 7) {
        ASSERT_TRUE(clock->AdvanceUntil([&] { return driver.FrameCount() >= frames || !driver.IsBusy(); }, 60000, 1));
        Stall(cmcCloneDrv::kSilenceMs + 100);
        clock->Advance(cmcCloneDrv::kStepMs);
    }
    ASSERT_TRUE(Run());
    ASSERT_EQ(done.size(), 1u);
    EXPECT_EQ(done[0].code, kCloneOk);
    EXPECT_EQ(done[0].image.GetByte(0x1FFF), 0xA5);
}

TEST_F(DriverStallTest, OnlyNoiseWaitingAfterAStallIsStillSilence)
{
    radio.Faults().stallAfter = 5;
    radio.Faults().noiseBytes = kLongPreamble;
    ASSERT_TRUE(driver.StartRead(kCloneAreaRanges, &DriverTest::OnDone, this));
    ASSERT_TRUE(clock->AdvanceUntil([&] { return driver.FrameCount() >= 4; }, 60000, 1));
    Stall(cmcCloneDrv::kSilenceMs + 100);
    ASSERT_TRUE(Run());
    ASSERT_EQ(done.size(), 1u);
    EXPECT_EQ(done[0].code, kCloneSilence);
}

}  // namespace
}  // namespace xtr::test
