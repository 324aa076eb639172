// The tone codec: CTCSS items, DTCS codes, no tone, the transmit tone that
// follows the receive tone, and the answers of the tone list.
#include "cell_rig.h"

#include "cells/codec_tone.h"

#include <gtest/gtest.h>

namespace xtr {
namespace {

using test::GridRequest;

// Item texts: three tones, empty lines up to "no tone" (52) and DTCS (53).
std::string Overlay()
{
    std::string text =
        "#GI_Sheet_Sel_Ctcss_Cells\n"
        "{S(%Flex0[0])}67.0|{S(%Flex0[2])}71.9\n"
        "{S(%Flex0[1])}69.3|{S(%Flex0[52])}None\n"
        "{S(%FlexDtcs[53])}DTCS\n"
        "#GI_AppItem_Ctcss\n"
        "67.0,670\n69.3\n71.9\n";
    for (int i = 3; i < 52; ++i) {
        text += "\n";
    }
    text += "OFF,None\nDTCS\n#End_Of_Ovl\n";
    return text;
}

datTone Ctcss(std::uint16_t n)
{
    datTone t;
    t.flags = datTone::kInUse;
    t.ctcss = n;
    return t;
}

datTone Dtcs(std::uint16_t code, bool inverted)
{
    datTone t;
    t.flags = datTone::kInUse | datTone::kDtcs | (inverted ? datTone::kInverted : 0);
    t.dtcs = code;
    return t;
}

class ToneCodec : public ::testing::Test {
protected:
    std::string Show(ToneSide side)
    {
        CodecTone(g.Fresh(), g.editor, rig.host.SelectionLists(), tones, side);
        return g.rq.displayText;
    }
    bool Type(const std::string& text, ToneSide side = ToneSide::Receive)
    {
        return CodecTone(g.Typed(text), g.editor, rig.host.SelectionLists(), tones, side);
    }
    bool Key(std::int32_t key, ToneSide side = ToneSide::Receive)
    {
        return CodecTone(g.Key(key), g.editor, rig.host.SelectionLists(), tones, side);
    }

    test::CellRig rig{Overlay()};
    GridRequest g;
    datChTones tones;
};

TEST_F(ToneCodec, ShowsTheItemTheDtcsCodeOrTheArrow)
{
    tones.rx = Ctcss(1);
    tones.tx = Dtcs(023, true);
    EXPECT_EQ(Show(ToneSide::Receive), "69.3");
    EXPECT_EQ(Show(ToneSide::Transmit), "023i");
    tones.tx = tones.rx;
    EXPECT_EQ(Show(ToneSide::Transmit), "<-");
    EXPECT_EQ(g.cell.Alignment(), 1);
    tones.rx = datTone{};
    tones.tx = datTone{};
    EXPECT_EQ(Show(ToneSide::Receive), "None");
    EXPECT_EQ(Show(ToneSide::Transmit), "None") << "no arrow while the receive side has no tone";
}

TEST_F(ToneCodec, TypedTextsPickTheItemTheyBeginOrADtcsCode)
{
    EXPECT_TRUE(Type(" 69"));
    EXPECT_EQ(tones.rx, Ctcss(1));
    EXPECT_TRUE(Type("670"));
    EXPECT_EQ(tones.rx, Ctcss(0));
    EXPECT_FALSE(Type("6")) << "one character that begins several items";
    EXPECT_TRUE(Type("7"));
    EXPECT_EQ(tones.rx, Ctcss(2));
    EXPECT_TRUE(Type("off"));
    EXPECT_FALSE(tones.rx.InUse());
    EXPECT_TRUE(Type("023n"));
    EXPECT_EQ(tones.rx, Dtcs(023, false));
    EXPECT_TRUE(Type("d754I"));
    EXPECT_EQ(tones.rx.dtcs, 0754);
    EXPECT_NE(tones.rx.flags & datTone::kInverted, 0);
    EXPECT_FALSE(Type("089N")) << "not octal";
    EXPECT_FALSE(Type("123"));
}

TEST_F(ToneCodec, TheTransmitToneFollowsWhileItEqualsTheReceiveTone)
{
    tones.rx = Ctcss(0);
    tones.tx = Ctcss(0);
    Type("71.9");
    EXPECT_EQ(tones.tx, Ctcss(2));
    Key(cellkey::kBackspace);  // steps the receive tone in list order
    EXPECT_EQ(tones.rx, Ctcss(1));
    EXPECT_EQ(tones.tx, tones.rx);

    tones.tx = Ctcss(0);
    Type("71.9");
    EXPECT_EQ(tones.tx, Ctcss(0));
    EXPECT_EQ(tones.rx, Ctcss(2));
    Type("None", ToneSide::Transmit);
    EXPECT_FALSE(tones.tx.InUse());
    EXPECT_EQ(tones.rx, Ctcss(2));
}

TEST_F(ToneCodec, KeysToggleThePolarityStepOrOpenTheList)
{
    tones.rx = Dtcs(0152, false);
    EXPECT_TRUE(Key(cellkey::kBackspace));
    EXPECT_EQ(g.rq.displayText, "152i");
    EXPECT_EQ(tones.rx.dtcs, 0152);

    tones.rx = Ctcss(2);
    Key(cellkey::kSpace);
    EXPECT_EQ(g.rq.displayText, "None") << "layout order: 67.0, 69.3, 71.9, None";
    Key(cellkey::kSpace);
    EXPECT_EQ(tones.rx, Ctcss(0));

    Key(cellkey::kEnter);
    EXPECT_EQ(g.editor, celleditor::kDropDown);
    ASSERT_EQ(rig.ui.opened.size(), 1u);
    EXPECT_EQ(rig.ui.opened[0].list, "GI_Sheet_Sel_Ctcss");
    EXPECT_EQ(rig.ui.opened[0].value, 0);

    Key('0');
    EXPECT_EQ(g.editor, celleditor::kInPlace);
    EXPECT_EQ(g.rq.displayText, "0");
}

struct Refreshed {
    int calls = 0;
    std::string text;
};

void OnRefresh(void* context, const cmcCellCapsule& rq)
{
    auto* r = static_cast<Refreshed*>(context);
    ++r->calls;
    r->text = rq.displayText;
}

TEST_F(ToneCodec, TheListAnswersWithAnItemOrTheDtcsEditor)
{
    cmcCellObj item;
    cmcCellCapsule itemRequest;
    itemRequest.cell = &item;
    auto pick = [&](std::int32_t itemCell, std::int32_t value) {
        item.cellId = itemCell;
        item.index = value;
        g.Fresh().owner = &itemRequest;
        g.rq.commitMode = cellcommit::kPreview;
        return CodecTone(g.rq, g.editor, rig.host.SelectionLists(), tones, ToneSide::Receive);
    };

    EXPECT_TRUE(pick(Flex0, 2));
    EXPECT_EQ(tones.rx, Ctcss(2));
    EXPECT_TRUE(pick(Flex0, kToneItemNone));
    EXPECT_FALSE(tones.rx.InUse());

    tones.rx = Dtcs(0411, true);
    Refreshed refreshed;
    g.Fresh();
    item.cellId = FlexDtcs;
    g.rq.owner = &itemRequest;
    g.rq.commitMode = cellcommit::kPreview;
    g.rq.editorRefresh = OnRefresh;
    g.rq.editorContext = &refreshed;
    EXPECT_FALSE(CodecTone(g.rq, g.editor, rig.host.SelectionLists(), tones, ToneSide::Receive));
    EXPECT_EQ(refreshed.calls, 1);
    EXPECT_EQ(refreshed.text, "411i");
    EXPECT_EQ(tones.rx, Dtcs(0411, true));
}

}  // namespace
}  // namespace xtr
