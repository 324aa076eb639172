// The integer codec through cells bound to image fields as the cell map
// binds them.
#include "cell_rig.h"

#include "cells/codec_integer.h"

#include <gtest/gtest.h>

namespace xtr {
namespace {

using test::CellRig;

const char kOverlay[] = "#GI_AppInd_TimerOff2\nOff\n#End_Of_Ovl\n";

constexpr std::int32_t kMargin = 0x0ED0;
constexpr std::int32_t kGroupCode = 0x0430;
constexpr std::int32_t kTalk = 0x0141;
constexpr std::int32_t kRssi = 0x0FAB;
constexpr std::int32_t kBeep = 0x0138;
constexpr std::int32_t kLa = 0x0E00;
constexpr std::int32_t kT0 = 0x0F8A;

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
        r.Register(CL_Comm_BeepFreq_Low,
                   [](CellCall& c) { CodecInt16(c.rq, c.editorKind, c.image.Data() + kBeep, 400, 3000); });
        r.Register(CL_NetId_LA,
                   [](CellCall& c) { CodecIntByteClamped(c.rq, c.editorKind, c.image.Data() + kLa, 0, 9); });
        r.Register(CL_Map27_T0, [](CellCall& c) { CodecInt32(c.rq, c.editorKind, c.image.Data() + kT0, 0, 15000); });
    }
    CellRig rig{kOverlay};
};

TEST_F(IntegerCodec, EntriesWithAStepRoundToTheNearestStep)
{
    EXPECT_EQ(rig.Commit(CL_RSSIMarginLM1, "4"), "3");
    EXPECT_EQ(*rig.At(kMargin), 3);
    EXPECT_EQ(rig.Commit(CL_RSSIMarginLM1, "5"), "6");
    EXPECT_EQ(rig.Commit(CL_RSSIMarginLM1, "4.5"), "6") << "4.5 rounds to 5, then to the step";
    EXPECT_EQ(rig.Commit(CL_RSSIMarginLM1, "31"), "30");
    EXPECT_EQ(rig.Commit(CL_RSSIMarginLM1, "-3"), "0");
    EXPECT_EQ(rig.Commit(CL_RSSIMarginLM1, "dB"), "0") << "nothing typed that is a number";
}

TEST_F(IntegerCodec, SpaceAndBackspaceStepAndWrapAtTheLimits)
{
    *rig.At(kMargin) = 30;
    EXPECT_EQ(rig.Key(CL_RSSIMarginLM1, cellkey::kSpace), "0");
    EXPECT_EQ(rig.Key(CL_RSSIMarginLM1, cellkey::kBackspace), "30");
    EXPECT_EQ(rig.Key(CL_RSSIMarginLM1, cellkey::kBackspace), "27");
    *rig.At(kMargin) = 29;  // off the step: stepping lands on a multiple of it
    EXPECT_EQ(rig.Key(CL_RSSIMarginLM1, cellkey::kBackspace), "24");
    EXPECT_EQ(rig.Key(CL_RSSIMarginLM1, cellkey::kSpace), "27");

    // Keys count only in a grid.
    rig.Request(CL_RSSIMarginLM1).key = cellkey::kSpace;
    rig.rq.grid = nullptr;
    rig.Run();
    EXPECT_EQ(rig.rq.displayText, "27");
    EXPECT_EQ(*rig.At(kMargin), 27);
}

TEST_F(IntegerCodec, TheShownNumberIsOffsetFromTheStoredOne)
{
    *rig.At(kGroupCode) = 2;
    EXPECT_EQ(rig.Show(CL_Scrm_GroupCode), "3");
    EXPECT_EQ(rig.Commit(CL_Scrm_GroupCode, "4"), "4");
    EXPECT_EQ(*rig.At(kGroupCode), 3);
}

TEST_F(IntegerCodec, KeysThatBeginAnEntryOpenTheEditor)
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
    EXPECT_EQ(rig.editor, celleditor::kInPlace);
    EXPECT_EQ(rig.rq.displayText, "12");
    EXPECT_EQ(rig.rq.selLength, 2);

    rig.Key(CL_Comm_TalkATimer, '-');
    EXPECT_EQ(rig.editor, celleditor::kNone) << "no negative values here";
    rig.Key(CL_Comm_RSSIL0, '-');
    EXPECT_EQ(rig.editor, celleditor::kInPlace);
}

TEST_F(IntegerCodec, FieldsAreReadAndWrittenBigEndianAndSigned)
{
    *rig.At(kRssi) = 0x88;
    EXPECT_EQ(rig.Show(CL_Comm_RSSIL0), "-120");
    rig.Commit(CL_Comm_RSSIL0, "-100");
    EXPECT_EQ(*rig.At(kRssi), 0x9C);
    EXPECT_EQ(rig.Commit(CL_Comm_RSSIL0, "-130"), "-120");

    rig.Commit(CL_Comm_BeepFreq_Low, "3000");
    EXPECT_EQ(*rig.At(kBeep), 0x0B);
    EXPECT_EQ(*rig.At(kBeep + 1), 0xB8);

    // Typing stops after nine characters.
    rig.Commit(CL_Map27_T0, "0000123456");
    EXPECT_EQ(rig.Show(CL_Map27_T0), "12345");
    EXPECT_EQ(*rig.At(kT0 + 2), 0x30);
    EXPECT_EQ(*rig.At(kT0 + 3), 0x39);
}

TEST_F(IntegerCodec, ClampedFieldsAreBroughtIntoRangeWhenShown)
{
    *rig.At(kLa) = 200;
    EXPECT_EQ(rig.Show(CL_NetId_LA), "9");
    EXPECT_EQ(*rig.At(kLa), 9);
    rig.Commit(CL_NetId_LA, "2.5");
    EXPECT_EQ(*rig.At(kLa), 3) << "halves round away from zero";
}

}  // namespace
}  // namespace xtr
