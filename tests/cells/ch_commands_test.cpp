// The pop-up row commands as the grid runs them on a list cell: the rows
// they act on, the questions they ask first, what they do to the counts of
// packed lists, and what they tell the views.
#include "ch_fixture.h"

namespace xtr::test {
namespace {

class ChCommands : public ListCells {
protected:
    // Conventional channel `row` in use on `mhz` MHz.
    void Channel(std::int32_t row, std::uint32_t mhz)
    {
        datCh ch = Row(listslot::kConv, row);
        ch.SetInUse(true);
        ch.freq.rx = mhz * 1000000;
        ch.freq.tx = mhz * 1000000;
        ch.Store();
    }
    void FreeChannel(std::int32_t row) { At(GeometryOf(listslot::kConv).AddressOf(row) + 12) = 0x80; }
    std::uint32_t Mhz(std::int32_t row) { return Row(listslot::kConv, row).freq.rx / 1000000; }

    // 5-digit list with entries whose first byte is 'a', 'b', ...
    void FiveDigitEntries(std::int32_t count)
    {
        SetCount(listslot::kFiveDigit, count);
        for (std::int32_t row = 0; row < count; ++row) {
            At(GeometryOf(listslot::kFiveDigit).AddressOf(row)) = static_cast<std::uint8_t>('a' + row);
        }
    }
    char FiveDigit(std::int32_t row) { return static_cast<char>(Row(listslot::kFiveDigit, row).fiveDigit[0]); }

    RowSelection Selected() const
    {
        RowSelection sel = RowSelectionOf(rq);
        sel.active = (rq.callerBlock[0] & rowsel::kSelect) != 0;
        return sel;
    }
};

TEST_F(ChCommands, CopiedChannelsPastedNearTheEndFillOnlyTheRowsLeft)
{
    for (std::int32_t row = 0; row < 32; ++row) {
        FreeChannel(row);
    }
    Channel(3, 451);
    Channel(4, 452);
    Channel(5, 453);
    Channel(30, 460);

    Popup(CL_PMenu_Copy, CL_PersConv_FreqRx, 4, CT_Conv, 3, 5);
    EXPECT_EQ(AppClipboard().Count(), 3);
    EXPECT_TRUE(Selected().active);
    EXPECT_EQ(Selected().first, 3);
    EXPECT_EQ(Selected().last, 5);
    ASSERT_EQ(Heard(kEvStatusText).size(), 1u);
    EXPECT_EQ(Heard(kEvStatusText)[0].text, "Rows copied");
    EXPECT_EQ(Heard(kEvStatusText)[0].object, kClWindowText);
    EXPECT_EQ(static_cast<Color>(Heard(kEvStatusText)[0].value), kClBtnFace);

    // Row 30 is in use: the overwrite question comes first.
    ForgetEvents();
    messages.Answer(MsgResult::Cancel);
    Popup(CL_PMenu_Paste, CL_PersConv_FreqRx, 30, CT_Conv);
    ASSERT_EQ(messages.asked.size(), 1u);
    EXPECT_EQ(messages.asked[0].text, "Overwrite the rows?");
    EXPECT_EQ(messages.asked[0].caption, "Test Title");
    EXPECT_EQ(Mhz(30), 460u);
    EXPECT_TRUE(Heard(kEvStatusText).empty());

    Popup(CL_PMenu_Paste, CL_PersConv_FreqRx, 30, CT_Conv);
    EXPECT_EQ(Mhz(30), 451u);
    EXPECT_EQ(Mhz(31), 452u);
    EXPECT_FALSE(Row(listslot::kConv, 29).InUse());
    EXPECT_EQ(Selected().first, 30);
    EXPECT_EQ(Selected().last, 31);
    EXPECT_EQ(Heard(kEvRepaintAll).size(), 1u);
    EXPECT_EQ(Heard(kEvStatusText).back().text, "Rows pasted");

    // Into free rows nothing is asked.
    messages.asked.clear();
    Popup(CL_PMenu_Paste, CL_PersConv_FreqRx, 10, CT_Conv);
    EXPECT_TRUE(messages.asked.empty());
    EXPECT_EQ(Mhz(12), 453u);
}

TEST_F(ChCommands, RowsOfOneListDoNotPasteIntoAnother)
{
    SetWord(GeometryOf(listslot::kBlockFreq).AddressOf(0), 100);
    Popup(CL_PMenu_Copy, CL_NetBlock_FreqCH, 0, CT_BlockFreq);
    ASSERT_TRUE(AppClipboard().Holds(listslot::kBlockFreq));

    cmcEeprom before;
    before.CopyFrom(Image());
    ForgetEvents();
    Popup(CL_PMenu_Paste, CL_CallSC_Text, 3, CT_StCall);
    EXPECT_TRUE(Image().Equals(before));
    EXPECT_TRUE(messages.asked.empty());
    EXPECT_TRUE(Heard(kEvStatusText).empty());
}

TEST_F(ChCommands, DeletingAnEntryMovesTheRestUpAndRefillsTheLastRow)
{
    FiveDigitEntries(3);
    for (std::int32_t row = 3; row < 40; ++row) {
        At(GeometryOf(listslot::kFiveDigit).AddressOf(row)) = 'x';
    }
    Reference().SetByte(GeometryOf(listslot::kFiveDigit).AddressOf(39), 'R');

    Popup(CL_PMenu_Delete, CL_Pers5digit_chars, 0, CT_5Digit);
    ASSERT_EQ(messages.asked.size(), 1u);
    EXPECT_EQ(messages.asked[0].text, "Delete the rows?");
    EXPECT_EQ(FiveDigit(0), 'b');
    EXPECT_EQ(FiveDigit(1), 'c');
    EXPECT_EQ(FiveDigit(38), 'x');
    EXPECT_EQ(FiveDigit(39), 'R');
    EXPECT_EQ(Count(listslot::kFiveDigit), 2);
    EXPECT_FALSE(Selected().active);
    EXPECT_TRUE(rq.redirect);
    EXPECT_EQ(rq.redirectIndex, 0);
    EXPECT_EQ(rq.redirectCellId, CL_Pers5digit_chars);
    EXPECT_EQ(Heard(kEvStatusText).back().text, "Rows deleted");

    // Deleting free rows asks nothing and loses no entry.
    messages.asked.clear();
    Popup(CL_PMenu_Delete, CL_Pers5digit_chars, 2, CT_5Digit);
    EXPECT_TRUE(messages.asked.empty());
    EXPECT_EQ(Count(listslot::kFiveDigit), 2);
    EXPECT_EQ(FiveDigit(1), 'c');

    // A selection across the end of the entries takes only those it holds.
    Popup(CL_PMenu_Delete, CL_Pers5digit_chars, 1, CT_5Digit, 1, 4);
    EXPECT_EQ(Count(listslot::kFiveDigit), 1);
    EXPECT_EQ(FiveDigit(0), 'b');
}

TEST_F(ChCommands, InsertingIntoAFullListAsksBeforePushingRowsOut)
{
    SetCount(listslot::kHuntCh, 40);
    for (std::int32_t row = 0; row < 40; ++row) {
        SetWord(GeometryOf(listslot::kHuntCh).AddressOf(row), static_cast<std::uint32_t>(row + 1));
    }
    Reference().SetByte(GeometryOf(listslot::kHuntCh).AddressOf(10) + 1, 99);

    messages.Answer(MsgResult::Cancel);
    Popup(CL_PMenu_Insert, CL_HuntNCh, 10, CT_HuntCh);
    ASSERT_EQ(messages.asked.size(), 1u);
    EXPECT_EQ(messages.asked[0].text, "Push rows out?");
    EXPECT_EQ(Row(listslot::kHuntCh, 10).huntChannel, 11);

    Popup(CL_PMenu_Insert, CL_HuntNCh, 10, CT_HuntCh);
    EXPECT_EQ(Row(listslot::kHuntCh, 10).huntChannel, 99);
    EXPECT_EQ(Row(listslot::kHuntCh, 11).huntChannel, 11);
    EXPECT_EQ(Row(listslot::kHuntCh, 39).huntChannel, 39);
    EXPECT_EQ(Count(listslot::kHuntCh), 40);
    EXPECT_EQ(Selected().first, 10);
    EXPECT_EQ(Selected().last, 10);
    EXPECT_EQ(Heard(kEvStatusText).back().text, "Rows inserted");
}

TEST_F(ChCommands, InsertingGrowsAPackedListOnlyAmongItsEntries)
{
    FiveDigitEntries(3);
    Popup(CL_PMenu_Insert, CL_Pers5digit_chars, 1, CT_5Digit, 1, 2);
    EXPECT_TRUE(messages.asked.empty());
    EXPECT_EQ(Count(listslot::kFiveDigit), 5);
    EXPECT_EQ(FiveDigit(0), 'a');
    EXPECT_EQ(FiveDigit(3), 'b');
    EXPECT_EQ(FiveDigit(4), 'c');

    // Rows inserted past the first free row are not entries.
    Popup(CL_PMenu_Insert, CL_Pers5digit_chars, 9, CT_5Digit);
    EXPECT_EQ(Count(listslot::kFiveDigit), 5);
}

TEST_F(ChCommands, CarryMovesRowsAndTheQueryStatusGoesWithItsRow)
{
    const ListGeometry& status = GeometryOf(listslot::kStatusCall);
    for (std::int32_t row = 1; row <= 30; ++row) {
        At(status.AddressOf(row)) = static_cast<std::uint8_t>('A' + row);
    }
    At(kQueryRowAddress) = 7;

    Popup(CL_PMenu_CarryDown, CL_CallSC_Text, 5, CT_StCall, 5, 6);
    EXPECT_EQ(At(status.AddressOf(5)), 'A' + 7);
    EXPECT_EQ(At(status.AddressOf(6)), 'A' + 5);
    EXPECT_EQ(At(status.AddressOf(7)), 'A' + 6);
    EXPECT_EQ(At(kQueryRowAddress), 5) << "the row that held the query status moved to row 5";
    EXPECT_EQ(Selected().first, 6);
    EXPECT_EQ(Selected().last, 7);
    EXPECT_TRUE(rq.redirect);
    EXPECT_EQ(rq.redirectIndex, 7);
    EXPECT_EQ(rq.redirectKey, 0);
    EXPECT_TRUE(Heard(kEvStatusText).empty()) << "carrying reports nothing";

    Popup(CL_PMenu_CarryUp, CL_CallSC_Text, 5, CT_StCall);
    EXPECT_EQ(At(status.AddressOf(4)), 'A' + 7);
    EXPECT_EQ(At(status.AddressOf(5)), 'A' + 4);
    EXPECT_EQ(At(kQueryRowAddress), 4);
    EXPECT_EQ(rq.redirectIndex, 4);
}

TEST_F(ChCommands, CarryStopsAtTheEndsOfTheList)
{
    cmcEeprom before;
    FiveDigitEntries(3);
    before.CopyFrom(Image());

    Popup(CL_PMenu_CarryUp, CL_Pers5digit_chars, 0, CT_5Digit);
    EXPECT_FALSE(rq.redirect);
    // The last entry of a packed list is its last row for carrying.
    Popup(CL_PMenu_CarryDown, CL_Pers5digit_chars, 2, CT_5Digit);
    EXPECT_FALSE(rq.redirect);
    // The status list starts at row 1.
    Popup(CL_PMenu_CarryUp, CL_CallSC_Text, 1, CT_StCall);
    EXPECT_FALSE(rq.redirect);
    Popup(CL_PMenu_CarryDown, CL_PersConv_FreqRx, 31, CT_Conv);
    EXPECT_FALSE(rq.redirect);
    EXPECT_TRUE(Image().Equals(before));

    Popup(CL_PMenu_CarryDown, CL_Pers5digit_chars, 1, CT_5Digit);
    EXPECT_EQ(FiveDigit(1), 'c');
    EXPECT_EQ(FiveDigit(2), 'b');
}

TEST_F(ChCommands, ClearTakesTheReferenceRowsAfterConfirmation)
{
    Channel(2, 451);
    Channel(3, 452);
    const ListGeometry& conv = GeometryOf(listslot::kConv);
    Reference().SetByte(conv.AddressOf(2) + 12, 0x80);
    Reference().SetByte(conv.AddressOf(3) + 12, 0x80);

    messages.Answer(MsgResult::Cancel);
    Popup(CL_PMenu_Clear, CL_PersConv_FreqTx, 2, CT_Conv, 2, 3);
    EXPECT_EQ(messages.asked.back().text, "Clear the rows?");
    EXPECT_TRUE(Row(listslot::kConv, 2).InUse());

    Popup(CL_PMenu_Clear, CL_PersConv_FreqTx, 2, CT_Conv, 2, 3);
    EXPECT_FALSE(Row(listslot::kConv, 2).InUse());
    EXPECT_FALSE(Row(listslot::kConv, 3).InUse());
    const auto rows = Heard(kEvRepaintIndex);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].value, 2);
    EXPECT_EQ(rows[1].value, 3);
    EXPECT_EQ(Heard(kEvStatusText).back().text, "Rows cleared");

    // Lists whose rows may not be cleared ask nothing and change nothing.
    messages.asked.clear();
    At(GeometryOf(listslot::kScrambler).AddressOf(1)) = 9;
    Popup(CL_PMenu_Clear, CL_Scrm_Code, 1, CT_Scrm);
    Popup(CL_PMenu_Delete, CL_Scrm_Code, 1, CT_Scrm);
    Popup(CL_PMenu_Insert, CL_Scrm_Code, 1, CT_Scrm);
    EXPECT_TRUE(messages.asked.empty());
    EXPECT_EQ(At(GeometryOf(listslot::kScrambler).AddressOf(1)), 9);
}

}  // namespace
}  // namespace xtr::test
