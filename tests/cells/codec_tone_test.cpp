// The tone codec: CTCSS items, DTCS codes, no tone, the transmit tone that
// follows the receive tone, and the answers of the tone list.
#include "cell_rig.h"

#include "cells/codecs/codec_tone.h"
#include "cells/fcache.h"

#include <gtest/gtest.h>

namespace xtr {
namespace {

// Item texts: three tones, empty lines up to "no tone" (52) and DTCS (53).
std::string Overlay()
{
    std::string text =
        "#GI_Sheet_Sel_Ctcss_Cells\n"
        "{S(%Flex0[0])}67.0|{S(%Flex0[2])}71.9\n"
        "{S(%Flex0[1])}69.3|{S(%Flex0[52])}None\n"
        "{S(%FlexDtcs[53])}DTCS\n"
        "#GI_AppItem_Ctcss\n67.0,670\n69.3\n71.9\n";
    text += std::string(49, '\n') + "OFF,None\nDTCS\n#End_Of_Ovl\n";
    return text;
}

datTone Ctcss(std::uint16_t n)
{
    return datTone{datTone::kInUse, n, 0};
}

datTone Dtcs(std::uint16_t code, bool inverted)
{
    return datTone{static_cast<std::uint8_t>(datTone::kInUse | datTone::kDtcs | (inverted ? datTone::kInverted : 0)),
                   0, code};
}

void KeepRefreshed(void* context, const cmcCellCapsule& rq)
{
    *static_cast<std::string*>(context) = rq.displayText;
}

class ToneCodec : public ::testing::Test {
protected:
    bool Run(cmcCellCapsule& rq, ToneSide side = ToneSide::Receive)
    {
        return CodecTone(rq, g.editor, rig.host.SelectionLists(), tones, side);
    }
    std::string Show(ToneSide side)
    {
        Run(g.Fresh(), side);
        return g.rq.displayText;
    }
    bool Type(const std::string& text, ToneSide side = ToneSide::Receive) { return Run(g.Typed(text), side); }
    // The tone list answering with item (itemCell, value).
    bool Pick(std::int32_t itemCell, std::int32_t value)
    {
        item.cellId = itemCell;
        item.index = value;
        itemRequest.cell = &item;
        g.Fresh().owner = &itemRequest;
        g.rq.commitMode = cellcommit::kPreview;
        return Run(g.rq);
    }

    test::CellRig rig{Overlay()};
    test::GridRequest g;
    datChTones tones;
    cmcCellObj item;
    cmcCellCapsule itemRequest;
};

TEST_F(ToneCodec, ShowsTheItemTheDtcsCodeOrTheArrow)
{
    tones = {Ctcss(1), Dtcs(023, true)};
    EXPECT_EQ(Show(ToneSide::Receive), "69.3");
    EXPECT_EQ(Show(ToneSide::Transmit), "023i");
    tones.tx = tones.rx;
    EXPECT_EQ(Show(ToneSide::Transmit), "<-");
    tones = {};
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
    EXPECT_EQ(tones.rx, Dtcs(0754, true));
    EXPECT_FALSE(Type("089N")) << "not octal";
}

TEST_F(ToneCodec, ATextNamingNoToneIsRefusedAndKeepsTheTone)
{
    tones.rx = Ctcss(1);
    for (const char* typed : {"6", "089N", "xyz"}) {
        EXPECT_FALSE(Type(typed)) << typed;
        EXPECT_TRUE(g.rq.Refused()) << typed;
        EXPECT_STREQ(g.rq.refusal, cellrefusal::kTone) << typed;
        EXPECT_EQ(tones.rx, Ctcss(1)) << typed;
    }
    EXPECT_TRUE(Type("71"));
    EXPECT_FALSE(g.rq.Refused());
    Type("  ");
    EXPECT_FALSE(g.rq.Refused()) << "blanks are no entry";
}

TEST_F(ToneCodec, TheTransmitToneFollowsWhileItEqualsTheReceiveTone)
{
    tones = {Ctcss(0), Ctcss(0)};
    Type("71.9");
    EXPECT_EQ(tones.tx, Ctcss(2));
    Run(g.Key(cellkey::kBackspace));  // steps the receive tone in list order
    EXPECT_EQ(tones.rx, Ctcss(1));
    EXPECT_EQ(tones.tx, tones.rx);

    tones.tx = Ctcss(0);
    Type("71.9");
    EXPECT_EQ(tones.tx, Ctcss(0));
    Type("None", ToneSide::Transmit);
    EXPECT_FALSE(tones.tx.InUse());
    EXPECT_EQ(tones.rx, Ctcss(2));
}

TEST_F(ToneCodec, KeysToggleThePolarityStepOrOpenTheList)
{
    tones.rx = Dtcs(0152, false);
    EXPECT_TRUE(Run(g.Key(cellkey::kBackspace)));
    EXPECT_EQ(g.rq.displayText, "152i");

    tones.rx = Ctcss(2);
    Run(g.Key(cellkey::kSpace));
    EXPECT_EQ(g.rq.displayText, "None") << "layout order: 67.0, 69.3, 71.9, None";

    Run(g.Key(cellkey::kEnter));
    EXPECT_EQ(g.editor, celleditor::kDropDown);
    ASSERT_EQ(rig.ui.opened.size(), 1u);
    EXPECT_EQ(rig.ui.opened[0].list, "GI_Sheet_Sel_Ctcss");
    EXPECT_EQ(rig.ui.opened[0].value, kToneItemNone);
}

TEST_F(ToneCodec, TheListAnswersWithAnItemOrTheDtcsEditor)
{
    EXPECT_TRUE(Pick(Flex0, 2));
    EXPECT_EQ(tones.rx, Ctcss(2));
    EXPECT_TRUE(Pick(Flex0, kToneItemNone));
    EXPECT_FALSE(tones.rx.InUse());

    // The DTCS item opens the editor on the code as it stands; the code is
    // stored only when it is typed.
    tones.rx = Dtcs(0411, true);
    std::string refreshed;
    item.cellId = FlexDtcs;
    cmcCellCapsule& rq = g.Fresh();
    rq.owner = &itemRequest;
    rq.commitMode = cellcommit::kPreview;
    rq.editorRefresh = KeepRefreshed;
    rq.editorContext = &refreshed;
    EXPECT_FALSE(Run(rq));
    EXPECT_EQ(refreshed, "411i");
}

// A typed character opens the editor with it and leaves the alignment and
// the text to the editor; keys do nothing outside a grid; the list's DTCS
// item keeps the polarity and the transmit tone follows a picked item too.
TEST_F(ToneCodec, PrintableKeysOpenTheEditorAndOnlyGridsTakeKeys)
{
    tones = {Ctcss(1), Ctcss(1)};
    g.cell.look = 0;
    EXPECT_FALSE(Run(g.Key('7')));
    EXPECT_EQ(g.editor, celleditor::kInPlace);
    EXPECT_EQ(g.rq.displayText, "7");
    EXPECT_EQ(g.cell.look, 0) << "the editor's text is not replaced by the shown tone";

    cmcCellCapsule& menu = g.Key(cellkey::kSpace);
    menu.grid = nullptr;
    EXPECT_FALSE(Run(menu));
    EXPECT_EQ(tones.rx, Ctcss(1));
    EXPECT_EQ(menu.displayText, "69.3");

    tones.rx = Dtcs(0152, true);
    tones.tx = tones.rx;
    EXPECT_TRUE(Pick(Flex0, kToneItemDtcs));
    EXPECT_EQ(tones.rx, Dtcs(0152, true)) << "the DTCS item keeps the code and its polarity";
    tones.rx = Ctcss(0);
    tones.tx = tones.rx;
    EXPECT_TRUE(Pick(Flex0, 2));
    EXPECT_EQ(tones.tx, Ctcss(2));

    // An answer of another list item is no tone at all.
    EXPECT_FALSE(Pick(CL_Comm_TOTTimer, 1));
    EXPECT_EQ(tones.rx, Ctcss(2));
}

TEST_F(ToneCodec, ADtcsCodeTypedWithoutPolarityKeepsTheOneItHad)
{
    tones.rx = Dtcs(023, true);
    EXPECT_TRUE(Type("D754"));
    EXPECT_EQ(tones.rx, Dtcs(0754, true));
    tones.rx = Ctcss(1);
    EXPECT_TRUE(Type("D754"));
    EXPECT_EQ(tones.rx, Dtcs(0754, false));
    EXPECT_FALSE(Type("754X"));
    EXPECT_FALSE(Type("  ")) << "an empty entry changes nothing";
    EXPECT_EQ(tones.rx, Dtcs(0754, false));
    EXPECT_EQ(g.rq.displayText, "754N");
}

// The shipped lists: every tone the list shows is found again by typing
// what it shows, and the words for no tone and DTCS are understood.
TEST(ShippedTones, EveryShownToneTypesBackToItself)
{
    auto overlay = test::OverlayGuard::Shipped();
    cmcFCache lists(overlay->Store());
    test::GridRequest g;
    for (std::uint16_t n = 0; n < 50; ++n) {
        const std::string shown = lists.TextOf("GI_Sheet_Sel_Ctcss", Flex0, n);
        datChTones tones;
        g.Typed(shown);
        EXPECT_TRUE(CodecTone(g.rq, g.editor, lists, tones, ToneSide::Receive)) << shown;
        EXPECT_EQ(tones.rx, Ctcss(n)) << shown;
    }
    datChTones tones{Ctcss(3), {}};
    CodecTone(g.Typed("off"), g.editor, lists, tones, ToneSide::Receive);
    EXPECT_FALSE(tones.rx.InUse());
    CodecTone(g.Typed("dts"), g.editor, lists, tones, ToneSide::Receive);
    EXPECT_FALSE(tones.rx.InUse()) << "no item begins so";
    CodecTone(g.Typed("DTCS"), g.editor, lists, tones, ToneSide::Receive);
    EXPECT_TRUE(tones.rx.IsDtcs());
}

}  // namespace
}  // namespace xtr
