// Timer and fixed-point codecs: seconds with milliseconds, off, stepping,
// and decimal fractions of signed values.
#include "cell_rig.h"

#include "cells/codecs/codec_fixed.h"
#include "cells/codecs/codec_timer.h"

#include <gtest/gtest.h>

namespace xtr {
namespace {

using test::GridRequest;

const TimerSpec kDtmfTimer{100};
const TimerSpec kBurstTimer{100, 0, 255, true};
const TimerSpec kUserCtcss{10, 600, 3000, false, 2};

class TimerCodec : public ::testing::Test {
protected:
    std::unique_ptr<test::OverlayGuard> overlay = test::OverlayGuard::FromText("#GI_AppInd_TimerOff\nOFF\n#End_Of_Ovl\n");
    GridRequest g;
    std::int32_t v = 0;
};

TEST_F(TimerCodec, EntriesInSecondsBecomeUnits)
{
    EXPECT_TRUE(CodecTimer(g.Typed("0.25"), g.editor, v, kDtmfTimer));
    EXPECT_EQ(v, 25);
    EXPECT_EQ(g.rq.displayText, "  0.250");
    CodecTimer(g.Typed("1.999"), g.editor, v, kDtmfTimer);
    EXPECT_EQ(v, 199) << "parts of a unit are dropped";
    CodecTimer(g.Typed("9"), g.editor, v, kDtmfTimer);
    EXPECT_EQ(v, 255);
    EXPECT_FALSE(CodecTimer(g.Typed("s"), g.editor, v, kDtmfTimer));
}

TEST_F(TimerCodec, OffIsTypedAsOffAndShownFromTheOverlay)
{
    v = 30;
    EXPECT_TRUE(CodecTimer(g.Typed("Off"), g.editor, v, kBurstTimer));
    EXPECT_EQ(v, 0);
    CodecTimer(g.Fresh(), g.editor, v, kBurstTimer);
    EXPECT_EQ(g.rq.displayText, "OFF");
    EXPECT_EQ(g.canvas.color, kColorIndication);
    CodecTimer(g.Fresh(), g.editor, v, kDtmfTimer);
    EXPECT_EQ(g.rq.displayText, "  0.000") << "this timer has no off";

    CodecTimer(g.Key(cellkey::kEnter), g.editor, v, kBurstTimer);
    EXPECT_EQ(g.rq.displayText, "0.000") << "the editor opens on the number";
    CodecTimer(g.Key('o'), g.editor, v, kBurstTimer);
    EXPECT_EQ(g.rq.displayText, "o");
}

// The user CTCSS frequency cannot be off: 0 Hz lies below its range.
TEST_F(TimerCodec, OffIsRefusedWhereZeroIsOutOfRange)
{
    v = 885;
    EXPECT_FALSE(CodecTimer(g.Typed("OFF"), g.editor, v, kUserCtcss));
    EXPECT_EQ(v, 885);
    EXPECT_EQ(g.rq.displayText, " 88.5");
    CodecTimer(g.Typed("5"), g.editor, v, kUserCtcss);
    EXPECT_EQ(v, 600);
}

TEST_F(TimerCodec, SpaceAndBackspaceStepOneUnitAndWrap)
{
    std::uint8_t field = 255;
    EXPECT_TRUE(CodecTimerByte(g.Key(cellkey::kSpace), g.editor, &field, kDtmfTimer));
    EXPECT_EQ(field, 0);
    CodecTimerByte(g.Key(cellkey::kBackspace), g.editor, &field, kDtmfTimer);
    EXPECT_EQ(field, 255);
    v = 600;
    CodecTimer(g.Key(cellkey::kBackspace), g.editor, v, kUserCtcss);
    EXPECT_EQ(v, 3000);
}

// The maker's IF: Hz shown in MHz with four decimals, 12.5 kHz steps.
const FixedSpec kIf{6, 4, -99.975, 99.975, 12500, 0};

TEST(FixedCodec, EntriesAreCutToTheStepAndSmallNegativesKeepTheirSign)
{
    GridRequest g;
    std::int32_t v = 0;
    EXPECT_TRUE(CodecFixed(g.Typed("45.05"), g.editor, v, kIf));
    EXPECT_EQ(g.rq.displayText, " 45.0500");
    CodecFixed(g.Typed("-1.0124"), g.editor, v, kIf);
    EXPECT_EQ(v, -1'000'000) << "cut toward zero";
    CodecFixed(g.Typed("150"), g.editor, v, kIf);
    EXPECT_EQ(v, 99'975'000);
    CodecFixed(g.Typed("-0.0125"), g.editor, v, kIf);
    EXPECT_EQ(g.rq.displayText, " -0.0125");
}

TEST(FixedCodec, StepsWrapAndZerosAreStripped)
{
    GridRequest g;
    const FixedSpec stripped{6, 4, 0, 99.975, 12500, 4};
    std::int32_t v = 99'975'000;
    CodecFixed(g.Key(cellkey::kSpace), g.editor, v, stripped);
    EXPECT_EQ(g.rq.displayText, "  0");
    CodecFixed(g.Key(cellkey::kBackspace), g.editor, v, stripped);
    EXPECT_EQ(g.rq.displayText, " 99.975");
    CodecFixed(g.Key('.'), g.editor, v, stripped);
    EXPECT_EQ(g.rq.displayText, "99.975");
    EXPECT_EQ(g.rq.selStart, 3);
}

}  // namespace
}  // namespace xtr
