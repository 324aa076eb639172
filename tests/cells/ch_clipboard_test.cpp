// The row clipboard: every list's rows survive a copy and a paste, pasting
// leaves the count of a packed list alone, and a clipboard pastes only into
// the list it was copied from.
#include "ch_fixture.h"

namespace xtr::test {
namespace {

class ChClipboard : public ListCells {};

TEST_F(ChClipboard, EveryListSurvivesCopyAndPaste)
{
    Scramble(3);
    cmcEeprom target;
    target.SetSize(0x4000);
    for (int slot = 1; slot < listslot::kCount; ++slot) {
        const std::int32_t rows = ListLastRow(slot) + 1;
        datClipCh clipboard;
        clipboard.Copy(Image(), slot, 0, rows);
        ASSERT_TRUE(clipboard.Holds(slot));
        ASSERT_EQ(clipboard.Count(), rows);
        EXPECT_EQ(clipboard.Paste(target, slot, 0, rows), rows);
        for (std::int32_t row = 0; row < rows; ++row) {
            datCh pasted(target);
            pasted.Load(slot, row);
            EXPECT_EQ(RowDifference(Row(slot, row), pasted), "") << "slot " << slot << " row " << row;
        }
    }
}

TEST_F(ChClipboard, PastingKeepsTheCountOfAPackedList)
{
    SetCount(listslot::kFiveDigit, 4);
    for (std::int32_t row = 0; row < 4; ++row) {
        At(GeometryOf(listslot::kFiveDigit).AddressOf(row)) = static_cast<std::uint8_t>('1' + row);
    }
    datClipCh clipboard;
    clipboard.Copy(Image(), listslot::kFiveDigit, 0, 4);

    cmcEeprom target;
    target.SetSize(0x4000);
    target.SetByte(GeometryOf(listslot::kFiveDigit).countAddress, 1);
    clipboard.Paste(target, listslot::kFiveDigit, 2, 4);
    EXPECT_EQ(ListCount(target, listslot::kFiveDigit), 1);
    EXPECT_EQ(target.GetByte(GeometryOf(listslot::kFiveDigit).AddressOf(2)), '1');
    EXPECT_EQ(target.GetByte(GeometryOf(listslot::kFiveDigit).AddressOf(5)), '4');

    // The plain clipboard stores the count the rows were copied with.
    cmcClipCh plain;
    plain.Copy(Image(), listslot::kFiveDigit, 0, 1);
    plain.Paste(target, listslot::kFiveDigit, 0, 1);
    EXPECT_EQ(ListCount(target, listslot::kFiveDigit), 4);
}

TEST_F(ChClipboard, PastesOnlyIntoItsOwnListAndOnlyWhatItHolds)
{
    Scramble(5);
    datClipCh clipboard;
    EXPECT_FALSE(clipboard.Holds(listslot::kNone));
    EXPECT_FALSE(clipboard.Holds(listslot::kConv));
    clipboard.Copy(Image(), listslot::kConv, 3, 2);
    EXPECT_FALSE(clipboard.Holds(listslot::kNone));
    EXPECT_FALSE(clipboard.Holds(listslot::kBlockFreq));

    cmcEeprom target;
    target.SetSize(0x4000);
    EXPECT_EQ(clipboard.Paste(target, listslot::kBlockFreq, 0, 2), 0);
    EXPECT_TRUE(target.Equals([] {
        cmcEeprom blank;
        blank.SetSize(0x4000);
        return blank;
    }()));

    // Two rows held: a paste of five writes two; a paste of one writes one.
    EXPECT_EQ(clipboard.Paste(target, listslot::kConv, 10, 5), 2);
    EXPECT_EQ(clipboard.Paste(target, listslot::kConv, 20, 1), 1);
    datCh row12(target);
    row12.Load(listslot::kConv, 12);
    EXPECT_EQ(row12.freq.rx, 0u);
    datCh row21(target);
    row21.Load(listslot::kConv, 21);
    EXPECT_EQ(row21.freq.rx, 0u);

    clipboard.Clear();
    EXPECT_FALSE(clipboard.Holds(listslot::kConv));
    EXPECT_EQ(clipboard.Count(), 0);
}

}  // namespace
}  // namespace xtr::test
