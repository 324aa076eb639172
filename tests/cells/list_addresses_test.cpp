// Every list of the image at its literal addresses: first row, row size,
// count byte and the limits its count and fields are read through. The
// table below is written from the radio's memory map, independently of the
// program's list geometry, and each row is found through the channel record
// by the one byte a change of one of its fields lands in.
#include "ch_fixture.h"

#include "app/text_util.h"

#include <set>

namespace xtr::test {
namespace {

struct MapList {
    int slot;
    const char* name;
    std::int32_t firstRow;
    std::int32_t lastRow;
    std::int32_t countAddress;  // -1: every row has its place, no count
    std::int32_t countLimit;    // the highest count read from the count byte
    std::int32_t rowAddress;    // row 0
    std::int32_t rowSize;
    bool editRows;              // clear, delete and insert allowed
    // A field of the row, the byte of the row it is stored in, and a change
    // of it that touches that byte alone.
    std::int32_t fieldOffset;
    int (*field)(const datCh&);
    void (*change)(datCh&);
};

// clang-format off
const MapList kMapLists[] = {
    {1,  "5-digit",         0, 39, 0x0C7A, 40,  0x0C7B, 6,  true,  0,
        [](const datCh& c) { return int{c.fiveDigit[0]}; },     [](datCh& c) { c.fiveDigit[0] ^= 0x01; }},
    {2,  "call range ind.", 0, 0,  -1,     0,   0x0FB5, 4,  false, 3,
        [](const datCh& c) { return int{c.rangeHighest[1]}; },  [](datCh& c) { c.rangeHighest[1] ^= 0x01; }},
    {3,  "call range grp.", 0, 0,  -1,     0,   0x0FCD, 4,  false, 1,
        [](const datCh& c) { return int{c.rangeLowest[1]}; },   [](datCh& c) { c.rangeLowest[1] ^= 0x01; }},
    {4,  "system messages", 0, 26, -1,     0,   0x0FED, 10, false, 9,
        [](const datCh& c) { return int{c.sysMessText[9]}; },   [](datCh& c) { c.sysMessText[9] ^= 0x01; }},
    {5,  "directory",       0, 39, -1,     0,   0x061C, 29, true,  11,
        [](const datCh& c) { return int{c.dirNumber[1]}; },     [](datCh& c) { c.dirNumber[1] ^= 0x01; }},
    {6,  "status texts",    1, 30, -1,     0,   0x0AA4, 10, false, 0,
        [](const datCh& c) { return int{c.statusText[0]}; },    [](datCh& c) { c.statusText[0] ^= 0x01; }},
    {7,  "groups",          0, 15, 0x0BEF, 40,  0x0BF0, 4,  true,  3,
        [](const datCh& c) { return int{c.groupNumber[3]}; },   [](datCh& c) { c.groupNumber[3] ^= 0x01; }},
    {8,  "block freq.",     0, 39, -1,     0,   0x043C, 12, true,  9,
        [](const datCh& c) { return static_cast<int>(c.freq.tx); }, [](datCh& c) { c.freq.tx ^= 0x01; }},
    {9,  "AAD",             0, 99, 0x0E01, 100, 0x0E02, 2,  true,  1,
        [](const datCh& c) { return int{c.value}; },            [](datCh& c) { c.value ^= 0x01; }},
    {10, "hunt channels",   0, 39, 0x0D86, 40,  0x0D87, 3,  true,  1,
        [](const datCh& c) { return static_cast<int>(c.huntChannel); }, [](datCh& c) { c.huntChannel ^= 0x01; }},
    {11, "preferred NDD",   0, 3,  0x0EE3, 4,   0x0EE4, 4,  true,  3,
        [](const datCh& c) { return int{c.nddPriority}; },
        [](datCh& c) { c.nddPriority = c.nddPriority == 5 ? 6 : 5; }},
    {12, "conventional",    0, 31, -1,     0,   0x01A8, 18, true,  7,
        [](const datCh& c) { return static_cast<int>(c.freq.tx); }, [](datCh& c) { c.freq.tx ^= 0x01; }},
    {13, "scrambler codes", 0, 4,  -1,     0,   0x0432, 1,  false, 0,
        [](const datCh& c) { return int{c.scramblerCode}; },    [](datCh& c) { c.scramblerCode ^= 0x01; }},
    {14, "user characters", 0, 15, -1,     0,   0x0168, 2,  true,  1,
        [](const datCh& c) { return int{c.userChar[1]}; },      [](datCh& c) { c.userChar[1] ^= 0x01; }},
};
// clang-format on

class ListAddresses : public ListCells {};

TEST_F(ListAddresses, GeometryTableHoldsTheMemoryMap)
{
    ASSERT_EQ(std::size(kMapLists), static_cast<size_t>(listslot::kCount - 1));
    for (const MapList& m : kMapLists) {
        SCOPED_TRACE(m.name);
        const ListGeometry& g = GeometryOf(m.slot);
        EXPECT_EQ(g.slot, m.slot);
        EXPECT_EQ(g.firstRow, m.firstRow);
        EXPECT_EQ(g.lastRow, m.lastRow);
        EXPECT_EQ(g.countAddress, m.countAddress);
        EXPECT_EQ(g.Packed(), m.countAddress >= 0);
        if (m.countAddress >= 0) {
            EXPECT_EQ(g.countMax, m.countLimit);
        }
        EXPECT_EQ(g.rowAddress, m.rowAddress);
        EXPECT_EQ(g.rowSize, m.rowSize);
        EXPECT_EQ(ListEditRows(m.slot), m.editRows);
    }
}

TEST_F(ListAddresses, FirstAndLastRowStoreAndLoadAtTheirLiteralAddress)
{
    for (const MapList& m : kMapLists) {
        for (const std::int32_t row : {m.firstRow, m.lastRow}) {
            SCOPED_TRACE(Format("%s row %d", m.name, row));
            Scramble(static_cast<unsigned>(m.slot * 100 + row));
            cmcEeprom before;
            before.CopyFrom(Image());

            datCh changed(Image());
            changed.Load(m.slot, row);
            m.change(changed);
            ASSERT_TRUE(changed.Store());

            std::set<std::int32_t> differing;
            for (std::int32_t a = 0; a < Image().Size(); ++a) {
                if (Image().GetByte(a) != before.GetByte(a)) {
                    differing.insert(a);
                }
            }
            const std::int32_t expected = m.rowAddress + row * m.rowSize + m.fieldOffset;
            EXPECT_EQ(differing, std::set<std::int32_t>{expected}) << Format("expected 0x%04X", expected);

            // Read back from there, and not from the neighbouring rows.
            datCh again(Image());
            again.Load(m.slot, row);
            EXPECT_EQ(m.field(again), m.field(changed));
            if (row > 0) {
                datCh above(before);
                above.Load(m.slot, row - 1);
                datCh aboveNow(Image());
                aboveNow.Load(m.slot, row - 1);
                EXPECT_EQ(m.field(aboveNow), m.field(above));
            }
        }
    }
}

TEST_F(ListAddresses, CountBytesAreReadThroughTheirLimits)
{
    for (const MapList& m : kMapLists) {
        SCOPED_TRACE(m.name);
        Scramble(static_cast<unsigned>(m.slot));
        if (m.countAddress < 0) {
            EXPECT_EQ(Count(m.slot), 0);
            continue;
        }
        At(m.countAddress) = 3;
        EXPECT_EQ(Count(m.slot), 3);
        EXPECT_TRUE(Row(m.slot, 2).InUse());
        EXPECT_FALSE(Row(m.slot, 3).InUse());
        EXPECT_TRUE(Row(m.slot, 3).Appendable());
        if (m.lastRow >= 4) {
            EXPECT_FALSE(Row(m.slot, 4).Appendable());
        }
        EXPECT_EQ(Row(m.slot, 0).count, 3);

        At(m.countAddress) = static_cast<std::uint8_t>(m.countLimit);
        EXPECT_EQ(Count(m.slot), m.countLimit);
        At(m.countAddress) = static_cast<std::uint8_t>(m.countLimit + 1);
        EXPECT_EQ(Count(m.slot), m.countLimit);
        At(m.countAddress) = 0xFF;
        EXPECT_EQ(Count(m.slot), m.countLimit);
        At(m.countAddress) = 0;
        EXPECT_EQ(Count(m.slot), 0);
        EXPECT_FALSE(Row(m.slot, 0).InUse());
        EXPECT_TRUE(Row(m.slot, 0).Appendable());
    }
}

TEST_F(ListAddresses, RowFieldsAreReadThroughTheirLimits)
{
    // Preferred NDD row 1: byte 2 the length (0..9), byte 3 the priority
    // (1..10).
    At(0x0EE4 + 4 + 2) = 15;
    At(0x0EE4 + 4 + 3) = 0;
    EXPECT_EQ(Row(listslot::kPrefNdd, 1).nddLength, 9);
    EXPECT_EQ(Row(listslot::kPrefNdd, 1).nddPriority, 1);
    At(0x0EE4 + 4 + 3) = 20;
    EXPECT_EQ(Row(listslot::kPrefNdd, 1).nddPriority, 10);
    At(0x0EE4 + 4 + 2) = 9;
    At(0x0EE4 + 4 + 3) = 10;
    EXPECT_EQ(Row(listslot::kPrefNdd, 1).nddLength, 9);
    EXPECT_EQ(Row(listslot::kPrefNdd, 1).nddPriority, 10);

    // Conventional channel 2, byte 12: RF power in bits 1-0, 3 reads as 2;
    // bit 7 set means the channel is not in use.
    At(0x01A8 + 2 * 18 + 12) = 0x03;
    EXPECT_EQ(Row(listslot::kConv, 2).rfPower, 2);
    EXPECT_TRUE(Row(listslot::kConv, 2).InUse());
    At(0x01A8 + 2 * 18 + 12) = 0x81;
    EXPECT_EQ(Row(listslot::kConv, 2).rfPower, 1);
    EXPECT_FALSE(Row(listslot::kConv, 2).InUse());

    // The status-call list's query row lives apart, at 0x013E.
    At(0x013E) = 7;
    EXPECT_EQ(Row(listslot::kStatusCall, 12).queryRow, 7);
}

TEST_F(ListAddresses, PopupRowsOfEachList)
{
    // Lists with every row: from their first to their last row. Packed
    // lists: from 0 to the last row in use. The call ranges: one row with
    // no upper bound.
    for (const MapList& m : kMapLists) {
        SCOPED_TRACE(m.name);
        if (m.countAddress >= 0) {
            EXPECT_EQ(PopupLowestRow(m.slot), 0);
            EXPECT_EQ(PopupHighestRow(m.slot, 5), 4);
        } else if (m.slot == 2 || m.slot == 3) {
            EXPECT_EQ(PopupLowestRow(m.slot), 0);
            EXPECT_EQ(PopupHighestRow(m.slot, 0), kRowUnbounded);
        } else {
            EXPECT_EQ(PopupLowestRow(m.slot), m.firstRow);
            EXPECT_EQ(PopupHighestRow(m.slot, 0), m.lastRow);
        }
    }
}

}  // namespace
}  // namespace xtr::test
