// The list row record: where every list lies, how a row is loaded and
// stored, and what a store leaves alone.
#include "ch_fixture.h"

#include "app/text_util.h"
#include "cells/codecs/codec_tone.h"

#include <utility>

namespace xtr::test {
namespace {

class ChRecord : public ListCells {};

// Every list's count byte and rows, as address ranges.
std::vector<std::pair<std::int32_t, std::int32_t>> ListRanges()
{
    std::vector<std::pair<std::int32_t, std::int32_t>> ranges;
    for (int slot = 1; slot < listslot::kCount; ++slot) {
        const ListGeometry& list = GeometryOf(slot);
        if (list.Packed()) {
            ranges.push_back({list.countAddress, list.countAddress});
        }
        ranges.push_back({list.AddressOf(0), list.AddressOf(list.lastRow + 1) - 1});
    }
    return ranges;
}

TEST_F(ChRecord, ListsLieInTheClonedAreaWithoutOverlapping)
{
    const auto ranges = ListRanges();
    for (std::size_t i = 0; i < ranges.size(); ++i) {
        EXPECT_GE(ranges[i].first, 0x0100) << i;
        EXPECT_LE(ranges[i].second, 0x1FFF) << i;
        for (std::size_t j = i + 1; j < ranges.size(); ++j) {
            const bool apart = ranges[i].second < ranges[j].first || ranges[j].second < ranges[i].first;
            EXPECT_TRUE(apart) << Format("0x%04X-0x%04X and 0x%04X-0x%04X", ranges[i].first, ranges[i].second,
                                         ranges[j].first, ranges[j].second);
        }
    }
    // The query status row sits apart from the status texts.
    for (const auto& range : ranges) {
        EXPECT_FALSE(kQueryRowAddress >= range.first && kQueryRowAddress <= range.second);
    }
}

TEST_F(ChRecord, StoringWhatWasLoadedChangesNoByte)
{
    for (unsigned seed = 1; seed <= 3; ++seed) {
        Scramble(seed);
        cmcEeprom before;
        before.CopyFrom(Image());
        for (int slot = 1; slot < listslot::kCount; ++slot) {
            for (std::int32_t row = 0; row <= ListLastRow(slot); ++row) {
                datCh ch(Image());
                ch.Load(slot, row);
                ASSERT_TRUE(ch.Store()) << slot << "/" << row;
                ASSERT_TRUE(Image().Equals(before)) << "slot " << slot << " row " << row << " seed " << seed;
            }
        }
    }
}

TEST_F(ChRecord, EveryFieldOfARowReachesAnotherImage)
{
    Scramble(7);
    cmcEeprom blank;
    blank.SetSize(0x4000);
    for (int slot = 1; slot < listslot::kCount; ++slot) {
        for (std::int32_t row = 0; row <= ListLastRow(slot); ++row) {
            datCh source(Image());
            source.Load(slot, row);
            source.Bind(blank);
            ASSERT_TRUE(source.Store());
            datCh copy(blank);
            copy.Load(slot, row);
            source.Bind(Image());
            source.Reload();
            EXPECT_EQ(RowDifference(source, copy), "") << "slot " << slot << " row " << row;
        }
    }
}

TEST_F(ChRecord, DtcsToneReadsBackAsDtcsAndSurvivesStoringTheRow)
{
    const std::int32_t row = GeometryOf(listslot::kConv).AddressOf(4);
    At(row + 12) = 0x00;           // in use
    At(row + 8) = 0x41;            // DTCS, code bit 8 set, normal polarity
    At(row + 9) = 0x23;            // code 0x123 = octal 443
    At(row + 10) = 0x60;           // DTCS, inverted, code bit 8 clear
    At(row + 11) = 0x13;           // octal 023

    datCh ch = Row(listslot::kConv, 4);
    ASSERT_TRUE(ch.tones.rx.InUse());
    ASSERT_TRUE(ch.tones.rx.IsDtcs());
    EXPECT_EQ(DtcsText(ch.tones.rx), "443N");
    EXPECT_EQ(DtcsText(ch.tones.tx), "023i");

    // Changing another setting of the channel keeps both codes.
    ch.SetConvBit(datCh::kConvNarrow, true);
    ch.StoreAndReload();
    EXPECT_EQ(At(row + 8), 0x41);
    EXPECT_EQ(At(row + 9), 0x23);
    EXPECT_EQ(At(row + 10), 0x60);
    EXPECT_EQ(At(row + 11), 0x13);
    EXPECT_EQ(At(row + 13) & 0x80, 0x80);

    // A DTCS tone set on a channel is written as one and read back the same.
    ch.tones.rx.flags = datTone::kInUse | datTone::kDtcs | datTone::kInverted;
    ch.tones.rx.dtcs = 0754 & 0x1FF;
    ch.StoreAndReload();
    EXPECT_EQ(At(row + 8), 0x40 | 0x20 | 0x01);
    EXPECT_EQ(At(row + 9), 0xEC);
    EXPECT_EQ(DtcsText(ch.tones.rx), "754i");

    // A CTCSS tone and no tone.
    At(row + 8) = 0x00;
    At(row + 9) = 12;
    At(row + 10) = 0x80;
    ch.Reload();
    EXPECT_EQ(ToneItem(ch.tones.rx), 12);
    EXPECT_EQ(ToneItem(ch.tones.tx), kToneItemNone);
}

TEST_F(ChRecord, InUseAndAppendableFollowTheList)
{
    SetCount(listslot::kHuntCh, 3);
    EXPECT_TRUE(Row(listslot::kHuntCh, 2).InUse());
    EXPECT_FALSE(Row(listslot::kHuntCh, 3).InUse());
    EXPECT_TRUE(Row(listslot::kHuntCh, 3).Appendable());
    EXPECT_FALSE(Row(listslot::kHuntCh, 4).Appendable());

    // Counts beyond what a list holds are read as full.
    SetCount(listslot::kAad, 0xFF);
    SetCount(listslot::kPrefNdd, 9);
    EXPECT_EQ(Row(listslot::kAad, 0).count, 100);
    EXPECT_EQ(Row(listslot::kPrefNdd, 0).count, 4);

    EXPECT_FALSE(Row(listslot::kBlockFreq, 0).InUse());
    SetWord(GeometryOf(listslot::kBlockFreq).AddressOf(0), 12);
    EXPECT_TRUE(Row(listslot::kBlockFreq, 0).InUse());

    EXPECT_FALSE(Row(listslot::kCallRangeGrp, 0).InUse());
    At(GeometryOf(listslot::kCallRangeGrp).AddressOf(0) + 3) = 1;
    EXPECT_TRUE(Row(listslot::kCallRangeGrp, 0).InUse());

    At(GeometryOf(listslot::kConv).AddressOf(7) + 12) = 0x80;
    EXPECT_FALSE(Row(listslot::kConv, 7).InUse());
    EXPECT_TRUE(Row(listslot::kConv, 7).ConvBit(datCh::kConvNotInUseRead));
    EXPECT_TRUE(Row(listslot::kConv, 8).InUse());
    EXPECT_TRUE(Row(listslot::kConv, 8).ConvBit(datCh::kConvScanTag)) << "every channel reads as tagged";
}

TEST_F(ChRecord, RowsOutsideAListAreNeitherReadNorWritten)
{
    Scramble(11);
    cmcEeprom before;
    before.CopyFrom(Image());
    const std::pair<int, std::int32_t> outside[] = {
        {listslot::kStatusCall, 31}, {listslot::kScrambler, 5}, {listslot::kConv, -1}, {listslot::kAad, 100},
        {listslot::kNone, 0},        {99, 0},
    };
    for (const auto& [slot, row] : outside) {
        datCh ch(Image());
        ch.Load(slot, row);
        EXPECT_FALSE(ch.InUse()) << slot << "/" << row;
        EXPECT_FALSE(ch.Appendable()) << slot << "/" << row;
        ch.scramblerCode = 0x55;
        ch.count = 1;
        EXPECT_FALSE(ch.Store()) << slot << "/" << row;
    }
    datCh unbound;
    unbound.Load(listslot::kConv, 0);
    EXPECT_FALSE(unbound.Store());
    EXPECT_TRUE(Image().Equals(before));
}

TEST_F(ChRecord, StoreKeepsWhatNoFieldCarries)
{
    const std::int32_t conv = GeometryOf(listslot::kConv).AddressOf(2);
    At(conv + 0) = 0x80 | 0x1A;  // bit 31 set on the receive frequency
    At(conv + 12) = 0x20 | 0x03;  // spare bit 5, RF power 3
    At(conv + 14) = 0xA5;
    At(conv + 17) = 0x5A;
    const std::int32_t hunt = GeometryOf(listslot::kHuntCh).AddressOf(1);
    At(hunt + 2) = 0x77;
    SetCount(listslot::kHuntCh, 5);

    datCh ch = Row(listslot::kConv, 2);
    EXPECT_EQ(ch.rfPower, 2) << "RF power 3 reads as high";
    EXPECT_EQ(ch.freq.rx >> 24, 0x1Au);
    ch.SetConvBit(datCh::kConvTxInhibit, true);
    ch.freq.rx += 2500;
    ch.StoreAndReload();
    EXPECT_EQ(At(conv + 0) & 0x80, 0x80);
    EXPECT_EQ(At(conv + 12), 0x20 | 0x40 | 0x03);
    EXPECT_EQ(At(conv + 14), 0xA5);
    EXPECT_EQ(At(conv + 17), 0x5A);

    ch.rfPower = 1;
    ch.StoreAndReload();
    EXPECT_EQ(At(conv + 12) & 0x03, 1);

    datCh huntRow = Row(listslot::kHuntCh, 1);
    huntRow.huntChannel = 300;
    huntRow.StoreAndReload();
    EXPECT_EQ(At(hunt + 2), 0x77);
    EXPECT_EQ(huntRow.huntChannel, 300);
}

TEST_F(ChRecord, CountIsWrittenOnlyWhenChangedAndNeverAboveTheRows)
{
    SetCount(listslot::kGroups, 0xC8);  // read as 40
    datCh group = Row(listslot::kGroups, 0);
    group.groupNumber[0] = 9;
    group.StoreAndReload();
    EXPECT_EQ(At(GeometryOf(listslot::kGroups).countAddress), 0xC8);

    datCh hunt = Row(listslot::kHuntCh, 0);
    hunt.count = 45;
    hunt.Store();
    EXPECT_EQ(Count(listslot::kHuntCh), 40);
    hunt.count = 2;
    hunt.Store();
    EXPECT_EQ(Count(listslot::kHuntCh), 2);
}

}  // namespace
}  // namespace xtr::test
