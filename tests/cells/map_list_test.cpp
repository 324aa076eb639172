// The list columns through the dispatch: block frequencies kept in order,
// conventional channels not in use, the packed lists' key columns and
// limits, the query status, row numbers and scrambler choices.
#include "ch_fixture.h"

#include "support/fake_cell_host.h"

namespace xtr::test {
namespace {

class MapList : public ListCells {
protected:
    void Block(std::int32_t row, std::int32_t channel, std::uint32_t rxHz = 0)
    {
        datCh ch = Row(listslot::kBlockFreq, row);
        ch.blockChannel = channel;
        ch.freq.rx = rxHz;
        ch.channelStep = 12500;
        ch.Store();
    }
    std::int32_t BlockChannel(std::int32_t row) { return Row(listslot::kBlockFreq, row).blockChannel; }
    void ChannelRange(std::int32_t lowest, std::int32_t highest)
    {
        SetWord(0x0D78, static_cast<std::uint32_t>(lowest));
        SetWord(0x0D7A, static_cast<std::uint32_t>(highest));
    }
    std::vector<std::int32_t> RepaintedRows()
    {
        std::vector<std::int32_t> rows;
        for (const HeardEvent& event : Heard(kEvRepaintIndex)) {
            rows.push_back(event.value);
        }
        return rows;
    }
    static void Note(void* context, const cmcCellCapsule&, std::uint32_t scope)
    {
        *static_cast<std::uint32_t*>(context) = scope;
    }
};

TEST_F(MapList, BlockEntrySwapsWithALargerRowAboveAndTheCursorFollows)
{
    ChannelRange(1, 1023);
    Block(0, 7, 450000000);
    Type(CL_NetBlock_FreqCH, "5", 1, CT_BlockFreq);
    EXPECT_EQ(BlockChannel(0), 5);
    EXPECT_EQ(BlockChannel(1), 7);
    EXPECT_EQ(Row(listslot::kBlockFreq, 1).freq.rx, 450000000u) << "the whole row moves";
    ASSERT_TRUE(rq.redirect);
    EXPECT_EQ(rq.redirectIndex, 0);
    EXPECT_EQ(rq.redirectKey, 65);
    EXPECT_EQ(RepaintedRows(), (std::vector<std::int32_t>{1, 0}));

    // Repeated on row 0 with the sort key: in place, nothing moves.
    ForgetEvents();
    Press(CL_NetBlock_FreqCH, 65, 0, CT_BlockFreq);
    EXPECT_FALSE(rq.redirect);
    EXPECT_TRUE(RepaintedRows().empty());
    EXPECT_EQ(rq.displayText, "5");
}

TEST_F(MapList, BlockEntryMovesStepByStepToItsPlace)
{
    ChannelRange(1, 1023);
    Block(0, 3);
    Block(1, 8);
    Block(2, 9);
    // Typed three rows below the last block: it climbs over the free rows
    // and the larger channels, one swap per request.
    Type(CL_NetBlock_FreqCH, "4", 5, CT_BlockFreq);
    std::int32_t row = 5;
    int rounds = 0;
    while (rq.redirect && rounds < 10) {
        row = rq.redirectIndex;
        Press(CL_NetBlock_FreqCH, rq.redirectKey, row, CT_BlockFreq);
        ++rounds;
    }
    EXPECT_EQ(row, 1);
    EXPECT_EQ(BlockChannel(0), 3);
    EXPECT_EQ(BlockChannel(1), 4);
    EXPECT_EQ(BlockChannel(2), 8);
    EXPECT_EQ(BlockChannel(3), 9);
    EXPECT_EQ(BlockChannel(4), 0);

    // Arrow keys only move the cursor.
    Block(5, 2);
    Press(CL_NetBlock_FreqCH, cellkey::kDown, 5, CT_BlockFreq);
    EXPECT_FALSE(rq.redirect);
    EXPECT_EQ(BlockChannel(5), 2);
}

TEST_F(MapList, BlockChannelErrorsAndRepaints)
{
    ChannelRange(5, 20);
    Show(CL_NetBlock_FreqCH, 0, CT_BlockFreq);
    EXPECT_TRUE(rq.HasError()) << "the first block is missing";
    EXPECT_EQ(rq.markerPosition, 3);

    Block(0, 6);
    Block(1, 9);
    Block(2, 9);
    Block(3, 30);
    EXPECT_TRUE((Show(CL_NetBlock_FreqCH, 0, CT_BlockFreq), rq.HasError())) << "row 0 is not the lowest channel";
    EXPECT_TRUE((Show(CL_NetBlock_FreqCH, 1, CT_BlockFreq), rq.HasError())) << "same as the next row";
    EXPECT_TRUE((Show(CL_NetBlock_FreqCH, 3, CT_BlockFreq), rq.HasError())) << "above the highest channel";
    EXPECT_FALSE((Show(CL_NetBlock_FreqCH, 4, CT_BlockFreq), rq.HasError()));
    EXPECT_EQ(rq.displayText, "");
    SetWord(0x0D78, 6);
    EXPECT_FALSE((Show(CL_NetBlock_FreqCH, 0, CT_BlockFreq), rq.HasError()));

    std::uint32_t scope = 0;
    Request(CL_NetBlock_FreqCH, 2, CT_BlockFreq).key = cellkey::kBackspace;
    rq.changeNotify = &MapList::Note;
    rq.changeContext = &scope;
    Run();
    EXPECT_EQ(BlockChannel(1), 8) << "9 stepped down to 8 moves above the other 9";
    EXPECT_EQ(BlockChannel(2), 9);
    EXPECT_NE(scope & cellscope::kSameId, 0u);
    EXPECT_NE(scope & cellscope::kNeighbourRows, 0u);
}

TEST_F(MapList, BlockFrequencyMustShareTheRasterOfItsStep)
{
    ChannelRange(1, 1023);
    Block(0, 1);
    datCh row = Row(listslot::kBlockFreq, 0);
    row.channelStep = 6250;  // a 3125 Hz raster
    row.Store();
    Type(CL_NetBlock_FreqRx, "450.00625", 0, CT_BlockFreq);
    EXPECT_EQ(Row(listslot::kBlockFreq, 0).freq.rx, 450006250u);
    EXPECT_FALSE(rq.HasError());
    Type(CL_NetBlock_FreqRx, "450.0025", 0, CT_BlockFreq);
    EXPECT_EQ(Row(listslot::kBlockFreq, 0).freq.rx, 450002500u);
    EXPECT_TRUE(rq.HasError());
    Show(CL_NetBlock_FreqTx, 0, CT_BlockFreq);
    EXPECT_EQ(rq.displayText, "<-");
}

TEST_F(MapList, ChannelNotInUseShowsNothingAndIsEnteredThroughItsReceiveFrequency)
{
    const std::int32_t conv = GeometryOf(listslot::kConv).AddressOf(6);
    At(conv + 12) = 0x80 | 0x01;
    for (std::int32_t id : {CL_PersConv_FreqRx, CL_PersConv_FreqTx, CL_PersConv_ToneRx, CL_PersConv_TxInh,
                            CL_PersConv_RfPower, CL_PersConv_ScanTag}) {
        EXPECT_EQ(Show(id, 6, CT_Conv), "") << id;
    }

    Press(CL_PersConv_ToneTx, cellkey::kUp, 6, CT_Conv);
    ASSERT_TRUE(rq.redirect);
    EXPECT_EQ(rq.redirectCellId, CL_PersConv_FreqRx);
    EXPECT_EQ(rq.redirectIndex, 6);
    EXPECT_EQ(rq.redirectKey, cellkey::kUp);

    Press(CL_PersConv_Nar, cellkey::kSpace, 6, CT_Conv);
    EXPECT_EQ(At(conv + 13), 0) << "keys on an unused channel change nothing";

    Type(CL_PersConv_FreqRx, "450.1", 6, CT_Conv);
    EXPECT_EQ(At(conv + 12) & 0x80, 0);
    EXPECT_EQ(Row(listslot::kConv, 6).freq.tx, 450100000u);
    EXPECT_EQ(Show(CL_PersConv_FreqRx, 6, CT_Conv), "450.100000");
    EXPECT_EQ(Show(CL_PersConv_FreqTx, 6, CT_Conv), "<-");
    EXPECT_EQ(Show(CL_PersConv_RfPower, 6, CT_Conv), "Mid");
}

TEST_F(MapList, ChannelSettingsWriteTheirOwnBits)
{
    const std::int32_t conv = GeometryOf(listslot::kConv).AddressOf(0);
    At(conv + 12) = 0x20;  // in use, a spare bit set
    Press(CL_PersConv_Nar, cellkey::kSpace, 0, CT_Conv);
    EXPECT_EQ(At(conv + 13), 0x80);
    Press(CL_PersConv_TxInh, cellkey::kSpace, 0, CT_Conv);
    Press(CL_PersConv_Tot, cellkey::kSpace, 0, CT_Conv);
    Press(CL_PersConv_Lockout, cellkey::kBackspace, 0, CT_Conv);
    Press(CL_PersConv_RfPower, cellkey::kBackspace, 0, CT_Conv);
    EXPECT_EQ(At(conv + 12), 0x20 | 0x40 | 0x10 | 0x0C | 0x02);

    // The scan tag has no place in the row: it stays set.
    Press(CL_PersConv_ScanTag, cellkey::kSpace, 0, CT_Conv);
    EXPECT_EQ(rq.displayText, "On");
    EXPECT_EQ(At(conv + 12), 0x20 | 0x40 | 0x10 | 0x0C | 0x02);
}

TEST_F(MapList, HuntListNeedsAnEntryAndGrowsFromItsFirstFreeRow)
{
    ChannelRange(100, 200);
    EXPECT_TRUE((Show(CL_HuntNCh, 0, CT_HuntCh), rq.HasError()));
    EXPECT_TRUE((Show(CL_HuntNCh, 5, CT_HuntCh), rq.HasError()));
    EXPECT_EQ(rq.displayText, "");

    Type(CL_HuntNCh, "150", 1, CT_HuntCh);
    EXPECT_EQ(Count(listslot::kHuntCh), 0) << "row 1 is not the first free row";

    Type(CL_HuntNCh, "150", 0, CT_HuntCh);
    EXPECT_EQ(Count(listslot::kHuntCh), 1);
    EXPECT_EQ(Row(listslot::kHuntCh, 0).huntChannel, 150);
    EXPECT_FALSE(rq.HasError());
    EXPECT_FALSE((Show(CL_HuntNCh, 5, CT_HuntCh), rq.HasError()));

    Type(CL_HuntNCh, "250", 1, CT_HuntCh);
    EXPECT_EQ(Count(listslot::kHuntCh), 2);
    EXPECT_TRUE(rq.HasError()) << "outside the network's channels";

    EXPECT_EQ(Show(CL_HuntNNo, 1, CT_HuntCh), "2 ");
    EXPECT_EQ(Show(CL_HuntNNo, 2, CT_HuntCh), "New");
    EXPECT_EQ(canvas.color, kColorRowYellow);
    EXPECT_EQ(Show(CL_HuntNNo, 3, CT_HuntCh), "--");
    EXPECT_EQ(canvas.color, kColorRowWhite);
}

TEST_F(MapList, AadValuesStayWithinTheLimitOfTheirType)
{
    At(0x0E00) = 3;  // LA
    At(0x0DFF) = 2;  // LZ
    Press(CL_Aad_Type, cellkey::kSpace, 0, CT_Aad);
    EXPECT_EQ(Count(listslot::kAad), 1);
    EXPECT_EQ(rq.displayText, "T1");
    EXPECT_EQ(Show(CL_Aad_Value, 1, CT_Aad), "") << "no entry there";

    Type(CL_Aad_Value, "500", 0, CT_Aad);
    EXPECT_EQ(Row(listslot::kAad, 0).value, 15) << "network type clear: 15";
    At(0x0ECA) = 0x80;
    Type(CL_Aad_Value, "500", 0, CT_Aad);
    EXPECT_EQ(Row(listslot::kAad, 0).value, 500);

    Press(CL_Aad_Type, cellkey::kSpace, 0, CT_Aad);  // type 2: LA bits
    EXPECT_TRUE((Show(CL_Aad_Value, 0, CT_Aad), rq.HasError()));
    Type(CL_Aad_Value, "9", 0, CT_Aad);
    EXPECT_EQ(Row(listslot::kAad, 0).value, 7);
    EXPECT_FALSE(rq.HasError());
    Press(CL_Aad_Type, cellkey::kSpace, 0, CT_Aad);  // type 3: LZ bits
    EXPECT_TRUE((Show(CL_Aad_Value, 0, CT_Aad), rq.HasError()));
}

TEST_F(MapList, NddLengthLimitsItsValue)
{
    Type(CL_Ndd_Length, "3", 0, CT_PrefNdd);
    EXPECT_EQ(Count(listslot::kPrefNdd), 1);
    Type(CL_Ndd_Value, "100", 0, CT_PrefNdd);
    EXPECT_EQ(Row(listslot::kPrefNdd, 0).value, 7);
    Type(CL_Ndd_Prio, "12", 0, CT_PrefNdd);
    EXPECT_EQ(Row(listslot::kPrefNdd, 0).nddPriority, 10);

    // A length stored beyond the limit of the network type is an error.
    At(GeometryOf(listslot::kPrefNdd).AddressOf(0) + 2) = 7;
    EXPECT_TRUE((Show(CL_Ndd_Length, 0, CT_PrefNdd), rq.HasError()));
    At(0x0ECA) = 0x80;
    EXPECT_FALSE((Show(CL_Ndd_Length, 0, CT_PrefNdd), rq.HasError()));
    EXPECT_EQ(Show(CL_Ndd_No, 1, CT_PrefNdd), "New");
}

TEST_F(MapList, OneStatusIsTheQueryStatus)
{
    At(kQueryRowAddress) = 5;
    EXPECT_EQ(Show(CL_CallSC_Query, 5, CT_StCall), "Query");
    EXPECT_EQ(Show(CL_CallSC_Query, 6, CT_StCall), "no query");
    EXPECT_EQ(canvas.color, kColorIndication);

    std::uint32_t scope = 0;
    Request(CL_CallSC_Query, 6, CT_StCall).key = cellkey::kSpace;
    rq.changeNotify = &MapList::Note;
    rq.changeContext = &scope;
    Run();
    EXPECT_EQ(At(kQueryRowAddress), 6);
    EXPECT_EQ(scope, cellscope::kSameId) << "the whole column is redrawn";

    Press(CL_CallSC_Query, cellkey::kDelete, 5, CT_StCall);
    EXPECT_EQ(At(kQueryRowAddress), 6) << "Delete on another row leaves the query status";
    Press(CL_CallSC_Query, cellkey::kDelete, 6, CT_StCall);
    EXPECT_EQ(At(kQueryRowAddress), 0);
}

TEST_F(MapList, RowNumbersAndScramblerChoices)
{
    SetCount(listslot::kFiveDigit, 2);
    EXPECT_EQ(Show(CL_Pers5digit_No, 1, CT_5Digit), "2 ");
    EXPECT_EQ(Show(CL_Pers5digit_No, 2, CT_5Digit), "New");
    EXPECT_EQ(Show(CL_Misc_ChNo_0Base, 4, CT_Conv), "4");
    EXPECT_EQ(Show(CL_Misc_ChNo_1Base, 4, CT_Conv), "5");

    At(0x0C30) = 1;
    EXPECT_EQ(Show(CL_DirM_ChNo, 39, CT_DirM), "40");
    UseCps(true);
    EXPECT_EQ(Show(CL_DirM_ChNo, 39, CT_DirM), "Dynamic");
    EXPECT_EQ(Show(CL_DirM_ChNo, 38, CT_DirM), "39");

    At(0x0433) = 9;
    EXPECT_EQ(Show(CL_ScrmSel, 1, kCategoryNone), "Code=9");
    EXPECT_FALSE(rq.HasError());
    EXPECT_EQ(Show(CL_ScrmSel, 2, kCategoryNone), "Code=0 Off");
    EXPECT_TRUE(rq.HasError());
    EXPECT_EQ(Show(CL_Scrm_Code, 2, CT_Scrm), "Off");
    Type(CL_Scrm_Code, "17", 2, CT_Scrm);
    EXPECT_EQ(At(0x0434), 17);
}

TEST(MapListRegistry, EveryListColumnIsAnsweredOnce)
{
    // Building the program's registry binds every family; a cell bound twice
    // ends the program.
    const CellRegistry& registry = DefaultCellRegistry();
    for (std::int32_t id : {CL_Pers5digit_No, CL_HuntNCh, CL_NetBlock_FreqCH, CL_Aad_Value, CL_Ndd_Prio,
                            CL_PersConv_ScanTag, CL_CallSC_Query, CL_Scrm_Code, CL_ScrmSel, CL_Misc_QuarterPillar}) {
        EXPECT_NE(registry.Find(id), nullptr) << id;
    }
    EXPECT_NE(registry.ListHooks().createRecord, nullptr);
    EXPECT_NE(registry.ListHooks().popupCommand, nullptr);
}

}  // namespace
}  // namespace xtr::test
