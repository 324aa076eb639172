// The integer codec through cells bound to image fields as the cell map
// binds them.
#include "cell_rig.h"

#include "cells/codecs/codec_integer.h"

#include <gtest/gtest.h>

namespace xtr {
namespace {

constexpr std::int32_t kMargin = 0x0ED0, kGroupCode = 0x0430, kTalk = 0x0141, kRssi = 0x0FAB, kLa = 0x0E00,
                       kT0 = 0x0F8A;

class IntegerCodec : public ::testing::Test {
protected:
    IntegerCodec()
    {
        auto& r = rig.registry;
        r.Register(CL_RSSIMarginLM1, [](CellCall& c) {
            CodecIntByteStep(c.rq, c.editorKind, c.image.Data() + kMargin, {0, 30, 0, 3, nullptr, true});
        });
        r.Register(CL_Scrm_GroupCode, [](CellCall& c) {
            CodecIntByteStep(c.rq, c.editorKind, c.image.Data() + kGroupCode, {0, 3, 1});
        });
        r.Register(CL_Comm_TalkATimer, [](CellCall& c) {
            CodecIntByteStep(c.rq, c.editorKind, c.image.Data() + kTalk, {0, 255, 0, 1, "GI_AppInd_TimerOff2"});
        });
        r.Register(CL_Comm_RSSIL0,
                   [](CellCall& c) { CodecIntByte(c.rq, c.editorKind, c.image.Data() + kRssi, -120, -100); });
        r.Register(CL_NetId_LA,
                   [](CellCall& c) { CodecIntByteClamped(c.rq, c.editorKind, c.image.Data() + kLa, 0, 9); });
        r.Register(CL_Map27_T0, [](CellCall& c) { CodecInt32(c.rq, c.editorKind, c.image.Data() + kT0, 0, 15000); });
    }
    test::CellRig rig{"#GI_AppInd_TimerOff2\nOff\n#End_Of_Ovl\n"};
};

TEST_F(IntegerCodec, EntriesRoundToTheStepAndStayInRange)
{
    EXPECT_EQ(rig.Commit(CL_RSSIMarginLM1, "4"), "3");
    EXPECT_EQ(*rig.At(kMargin), 3);
    EXPECT_EQ(rig.Commit(CL_RSSIMarginLM1, "5"), "6");
    EXPECT_EQ(rig.Commit(CL_RSSIMarginLM1, "4.5"), "6") << "4.5 rounds to 5, then to the step";
    EXPECT_EQ(rig.Commit(CL_RSSIMarginLM1, "31"), "30");
    EXPECT_EQ(rig.Commit(CL_RSSIMarginLM1, "dB"), "30") << "nothing typed that is a number";
    EXPECT_EQ(rig.Commit(CL_NetId_LA, "2.5"), "3") << "halves round away from zero";
    // The shown number is offset from the stored one.
    EXPECT_EQ(rig.Commit(CL_Scrm_GroupCode, "4"), "4");
    EXPECT_EQ(*rig.At(kGroupCode), 3);
}

TEST_F(IntegerCodec, SpaceAndBackspaceStepAndWrapAtTheLimits)
{
    *rig.At(kMargin) = 30;
    EXPECT_EQ(rig.Key(CL_RSSIMarginLM1, cellkey::kSpace), "0");
    EXPECT_EQ(rig.Key(CL_RSSIMarginLM1, cellkey::kBackspace), "30");
    *rig.At(kMargin) = 29;  // off the step: stepping lands on a multiple of it
    EXPECT_EQ(rig.Key(CL_RSSIMarginLM1, cellkey::kBackspace), "24");

    rig.Request(CL_RSSIMarginLM1).key = cellkey::kSpace;
    rig.rq.grid = nullptr;  // keys count only in a grid
    rig.Run();
    EXPECT_EQ(*rig.At(kMargin), 24);
}

TEST_F(IntegerCodec, ZeroTextAndTheKeysThatOpenTheEditor)
{
    EXPECT_EQ(rig.Show(CL_Comm_TalkATimer), "Off");
    EXPECT_EQ(rig.canvas.color, kColorIndication);
    rig.Key(CL_Comm_TalkATimer, '7');
    EXPECT_EQ(rig.editor, celleditor::kInPlace);
    EXPECT_EQ(rig.rq.displayText, "7");
    EXPECT_EQ(rig.rq.selStart, 1);
    EXPECT_EQ(rig.rq.selLength, 0);

    *rig.At(kTalk) = 12;
    rig.Key(CL_Comm_TalkATimer, cellkey::kEnter);
    EXPECT_EQ(rig.rq.displayText, "12");
    EXPECT_EQ(rig.rq.selLength, 2);
    rig.Key(CL_Comm_TalkATimer, '-');
    EXPECT_EQ(rig.editor, celleditor::kNone) << "no negative values here";
    rig.Key(CL_Comm_RSSIL0, '-');
    EXPECT_EQ(rig.editor, celleditor::kInPlace);
}

// What the cell shows for 0 reads back: the zero text typed (in any letter
// case, blanks around it ignored) stores 0; a text that only contains it
// is no number and changes nothing.
TEST_F(IntegerCodec, TheZeroTextTypedStoresZero)
{
    *rig.At(kTalk) = 12;
    EXPECT_EQ(rig.Commit(CL_Comm_TalkATimer, " off "), "Off");
    EXPECT_EQ(*rig.At(kTalk), 0);
    *rig.At(kTalk) = 12;
    EXPECT_EQ(rig.Commit(CL_Comm_TalkATimer, "Off now"), "12");
    EXPECT_EQ(*rig.At(kTalk), 12);
    // A cell without a zero text takes no word for 0.
    *rig.At(kMargin) = 9;
    EXPECT_EQ(rig.Commit(CL_RSSIMarginLM1, "Off"), "9");
}

TEST_F(IntegerCodec, FieldsAreBigEndianSignedAndClampedWhereAsked)
{
    *rig.At(kRssi) = 0x88;
    EXPECT_EQ(rig.Show(CL_Comm_RSSIL0), "-120");
    rig.Commit(CL_Comm_RSSIL0, "-100");
    EXPECT_EQ(*rig.At(kRssi), 0x9C);

    rig.Commit(CL_Map27_T0, "0000123456");  // typing stops after nine characters
    EXPECT_EQ(rig.Show(CL_Map27_T0), "12345");
    EXPECT_EQ(*rig.At(kT0 + 2), 0x30);
    EXPECT_EQ(*rig.At(kT0 + 3), 0x39);

    *rig.At(kLa) = 200;
    EXPECT_EQ(rig.Show(CL_NetId_LA), "9");
    EXPECT_EQ(*rig.At(kLa), 9);
}

}  // namespace
}  // namespace xtr
