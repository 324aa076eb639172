// Image preparation: derived values, copies from the reference image, list
// rows past their counts, and that preparing is stable.
#include "cells/prepare/prepare_image.h"

#include "cells/lists/ch_record.h"
#include "cells/lists/list_geometry.h"
#include "cells/numbering/mpt_layout.h"
#include "image/eeprom.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>

namespace xtr {
namespace {

constexpr int kMpt = 0;
constexpr int kCps = 1;

constexpr std::int32_t kConvRows = 0x01A8;
constexpr std::int32_t kConvRowSize = 18;

void Set16(cmcEeprom& image, std::int32_t a, std::uint32_t v)
{
    image.SetByte(a, static_cast<std::uint8_t>(v >> 8));
    image.SetByte(a + 1, static_cast<std::uint8_t>(v));
}
void Set32(cmcEeprom& image, std::int32_t a, std::uint32_t v)
{
    Set16(image, a, v >> 16);
    Set16(image, a + 2, v);
}
std::uint32_t Get16(const cmcEeprom& image, std::int32_t a)
{
    return static_cast<std::uint32_t>(image.GetByte(a) << 8) | image.GetByte(a + 1);
}
std::uint32_t Get32(const cmcEeprom& image, std::int32_t a) { return (Get16(image, a) << 16) | Get16(image, a + 2); }

// The clone area filled with bytes of a fixed seed.
void FillRandom(cmcEeprom& image, unsigned seed)
{
    std::mt19937 random(seed);
    for (std::int32_t a = 0; a < 0x2000; ++a) {
        image.SetByte(a, static_cast<std::uint8_t>(random()));
    }
}

bool SameBytes(const cmcEeprom& a, const cmcEeprom& b, std::int32_t first, std::int32_t last)
{
    for (std::int32_t i = first; i <= last; ++i) {
        if (a.GetByte(i) != b.GetByte(i)) {
            return false;
        }
    }
    return true;
}

void SetConvInUse(cmcEeprom& image, int row, bool inUse)
{
    const std::int32_t flags = kConvRows + kConvRowSize * row + 12;
    image.SetByte(flags, static_cast<std::uint8_t>(inUse ? image.GetByte(flags) & 0x7F : image.GetByte(flags) | 0x80));
}

class PrepareImageTest : public ::testing::Test {
protected:
    PrepareImageTest()
    {
        target.SetSize(0x4000);
        reference.SetSize(0x4000);
        // No conventional channel in use and no directory entry anywhere.
        for (int k = 0; k < 32; ++k) {
            SetConvInUse(target, k, false);
            SetConvInUse(reference, k, false);
        }
        for (int i = 0; i < mptmap::kDirectoryRowCount; ++i) {
            const std::int32_t digits = mptmap::kDirectoryRows + mptmap::kDirectoryRowSize * i + 10;
            target.SetByte(digits, 0xFF);
            reference.SetByte(digits, 0xFF);
        }
    }

    void Prepare(int variant = kMpt) { PrepareImage(target, reference, variant); }

    cmcEeprom target;
    cmcEeprom reference;
};

TEST_F(PrepareImageTest, DerivedTimings)
{
    const struct {
        std::uint32_t speed, timer;  // MAP27 speed and its timer
        std::uint8_t n3;
        std::uint32_t t3, retry;  // N3 × T3 + 1000, wrapping
        std::uint8_t format, count;  // format byte / 16 - 1, wrapping
        std::uint8_t nv;
        std::uint32_t nvTime;  // NV × 106.7 + 500, truncated
    } cases[] = {
        {1200, 3400, 3, 2000, 7000, 0x35, 2, 10, 1567},
        {100, 13300, 0, 5000, 1000, 0x05, 0xFF, 0, 500},
        {2399, 1750, 1, 0, 1000, 0x10, 0, 16, 2207},
        {2400, 1700, 255, 0xFFFFFFFF, 745, 0xFF, 14, 255, 27708},
        {19200, 300, 2, 7, 1014, 0x20, 1, 3, 820},
    };
    for (const auto& c : cases) {
        Set16(target, 0x0F88, c.speed);
        target.SetByte(0x0FA0, c.n3);
        Set32(target, 0x0F96, c.t3);
        // The format byte is the reference's before the count is derived.
        reference.SetByte(0x0F87, c.format);
        target.SetByte(0x0F87, 0xA0);
        target.SetByte(0x0F1B, c.nv);
        Prepare();
        EXPECT_EQ(Get32(target, 0x0F8E), c.timer) << "speed " << c.speed;
        EXPECT_EQ(Get16(target, 0x0F88), c.speed);
        EXPECT_EQ(Get32(target, 0x0F9A), c.retry) << "N3 " << int{c.n3};
        EXPECT_EQ(target.GetByte(0x0F9E), c.count) << "format " << int{c.format};
        EXPECT_EQ(Get16(target, 0x0EDA), c.nvTime) << "NV " << int{c.nv};
    }
}

TEST_F(PrepareImageTest, FirstRowsInUse)
{
    Prepare();
    EXPECT_EQ(target.GetByte(0x0117), 0xFF);  // no conventional channel
    EXPECT_EQ(target.GetByte(0x0118), 0);     // no directory entry

    SetConvInUse(target, 7, true);
    SetConvInUse(target, 20, true);
    target.SetByte(mptmap::kDirectoryRows + mptmap::kDirectoryRowSize * 4 + 10, 0x1F);  // entry 4 dials "1"
    target.SetByte(mptmap::kDirectoryRows + mptmap::kDirectoryRowSize * 9 + 10, 0x0F);  // entry 9 dials "0"
    Prepare();
    EXPECT_EQ(target.GetByte(0x0117), 7);
    EXPECT_EQ(target.GetByte(0x0118), 4);

    // The query status mode follows the query row.
    target.SetByte(0x013E, 1);
    Prepare();
    EXPECT_EQ(target.GetByte(0x0119), 2);
    target.SetByte(0x013E, 3);
    Prepare();
    EXPECT_EQ(target.GetByte(0x0119), 1);
}

TEST_F(PrepareImageTest, FirstChannelCountsRowsTakenFromTheReference)
{
    // Row 2 is free in the image but in use in the reference: it becomes
    // the reference's channel, so the radio must start there.
    SetConvInUse(reference, 2, true);
    SetConvInUse(target, 5, true);
    Prepare();
    datCh ch(target);
    ch.Load(listslot::kConv, 2);
    EXPECT_TRUE(ch.InUse());
    EXPECT_EQ(target.GetByte(0x0117), 2);
}

TEST_F(PrepareImageTest, ConventionalRowsKeepTheirEditsAndTakeTheRestFromTheReference)
{
    FillRandom(reference, 7);
    const std::int32_t used = kConvRows + kConvRowSize * 3;
    const std::int32_t free = kConvRows + kConvRowSize * 4;
    for (int i = 0; i < kConvRowSize; ++i) {
        target.SetByte(used + i, static_cast<std::uint8_t>(0x10 + i));
        target.SetByte(free + i, static_cast<std::uint8_t>(0x40 + i));
    }
    target.SetByte(used + 12, 0x5D);  // in use, bit 5 clear: tx inhibit, tot, lockout 3, power 1
    target.SetByte(free + 12, 0x80);
    reference.SetByte(used + 12, 0xA0);  // not in use, bit 5 set
    datCh before(target);
    before.Load(listslot::kConv, 3);

    Prepare();

    EXPECT_TRUE(SameBytes(target, reference, free, free + kConvRowSize - 1));
    datCh after(target);
    after.Load(listslot::kConv, 3);
    EXPECT_TRUE(after.InUse());
    EXPECT_EQ(after.freq.rx, before.freq.rx);
    EXPECT_EQ(after.freq.tx, before.freq.tx);
    EXPECT_TRUE(after.tones.rx == before.tones.rx);
    EXPECT_TRUE(after.tones.tx == before.tones.tx);
    EXPECT_EQ(after.rfPower, 1);
    EXPECT_EQ(after.lockout, 3);
    EXPECT_TRUE(after.ConvBit(datCh::kConvTxInhibit));
    EXPECT_EQ(target.GetByte(used + 12), 0x7D);  // bit 5 from the reference
    // Bytes no cell edits are the reference's.
    EXPECT_TRUE(SameBytes(target, reference, used + 14, used + 17));
}

TEST_F(PrepareImageTest, MakerDataComesFromTheReference)
{
    FillRandom(target, 1);
    FillRandom(reference, 2);
    target.SetByte(0x000B, 0x00);
    reference.SetByte(0x000B, 0xFF);
    Prepare();
    EXPECT_TRUE(SameBytes(target, reference, 0x0000, 0x0003));
    EXPECT_TRUE(SameBytes(target, reference, 0x0008, 0x000A));
    EXPECT_TRUE(SameBytes(target, reference, 0x0100, 0x0108));
    EXPECT_TRUE(SameBytes(target, reference, 0x0ED4, 0x0ED9));
    EXPECT_TRUE(SameBytes(target, reference, 0x0F3E, 0x0F45));
    EXPECT_EQ(target.GetByte(0x000B), 0x10);  // only bit 4
    EXPECT_EQ(target.GetByte(0x0112), reference.GetByte(0x0112));
    EXPECT_EQ(target.GetByte(0x0C71), reference.GetByte(0x0C71));
    EXPECT_EQ(target.GetByte(0x0FE7), reference.GetByte(0x0FE7));
    EXPECT_EQ(target.GetByte(0x0FE6), 1);
    for (std::int32_t a = 0x0C31; a <= 0x0C70; ++a) {
        ASSERT_EQ(target.GetByte(a), 0) << std::hex << a;
    }
}

TEST_F(PrepareImageTest, CloneCommentsHoldPrintableCharactersOnly)
{
    const char comment[] = "Line\none\x7F\x80ok~\x01\x1F ";
    for (int i = 0; i < 16; ++i) {
        target.SetByte(0x0188 + i, static_cast<std::uint8_t>(comment[i]));
        target.SetByte(0x0198 + i, static_cast<std::uint8_t>(i < 4 ? 0x00 : 'x'));
    }
    Prepare();
    const char expected[] = "Line one  ok~   ";
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(target.GetByte(0x0188 + i), static_cast<std::uint8_t>(expected[i])) << i;
        EXPECT_EQ(target.GetByte(0x0198 + i), i < 4 ? ' ' : 'x') << i;
    }
}

TEST_F(PrepareImageTest, RowsPastTheCountComeFromTheReference)
{
    FillRandom(target, 3);
    FillRandom(reference, 4);
    target.SetByte(mptmap::kFiveDigitCount, 3);
    target.SetByte(mptmap::kGroupCount, 5);
    target.SetByte(0x0D86, 6);   // hunt
    target.SetByte(0x0E01, 10);  // AAD
    target.SetByte(0x0EE3, 2);   // NDD
    cmcEeprom before;
    before.CopyFrom(target);

    Prepare(kMpt);

    const std::int32_t fiveDigitSplit = mptmap::kFiveDigitRows + 3 * 6;
    EXPECT_TRUE(SameBytes(target, before, mptmap::kFiveDigitRows, fiveDigitSplit - 1));
    EXPECT_TRUE(SameBytes(target, reference, fiveDigitSplit, 0x0D6A));

    const std::uint8_t ownPrefix = target.GetByte(mptmap::kOwnPrefix);
    for (int k = 0; k < 16; ++k) {
        const std::int32_t row = mptmap::kGroupRows + 4 * k;
        EXPECT_EQ(target.GetByte(row), ownPrefix) << "group " << k;
        EXPECT_EQ(target.GetByte(row + 3), reference.GetByte(row + 3));
        EXPECT_TRUE(SameBytes(target, k < 5 ? before : reference, row + 1, row + 2)) << "group " << k;
    }
    for (int k = 0; k < 40; ++k) {
        const std::int32_t row = 0x0D87 + 3 * k;
        EXPECT_TRUE(SameBytes(target, k < 6 ? before : reference, row, row + 1)) << "hunt " << k;
        EXPECT_EQ(target.GetByte(row + 2), reference.GetByte(row + 2));
    }
    EXPECT_TRUE(SameBytes(target, before, 0x0E02, 0x0E02 + 2 * 10 - 1));
    EXPECT_TRUE(SameBytes(target, reference, 0x0E02 + 2 * 10, 0x0E02 + 2 * 100 - 1));
    EXPECT_TRUE(SameBytes(target, reference, 0x0EE4 + 4 * 2, 0x0EE4 + 15));
}

TEST_F(PrepareImageTest, NddRowsAreBroughtIntoTheirLimits)
{
    target.SetByte(0x0EE3, 9);  // more than the four rows
    const std::uint8_t rows[4][4] = {{0x01, 0x23, 12, 0}, {0x00, 0x05, 4, 11}, {0x03, 0xFF, 9, 10}, {0, 1, 0, 1}};
    for (int k = 0; k < 4; ++k) {
        for (int i = 0; i < 4; ++i) {
            target.SetByte(0x0EE4 + 4 * k + i, rows[k][i]);
        }
    }
    Prepare();
    EXPECT_EQ(target.GetByte(0x0EE3), 4);
    EXPECT_EQ(target.GetByte(0x0EE4 + 2), 9);  // length 12
    EXPECT_EQ(target.GetByte(0x0EE4 + 3), 1);  // priority 0
    EXPECT_EQ(target.GetByte(0x0EE8 + 3), 10);  // priority 11
    EXPECT_EQ(Get16(target, 0x0EEC), 0x03FFu);  // values stay
    EXPECT_EQ(target.GetByte(0x0EEC + 2), 9);
}

TEST_F(PrepareImageTest, VariantsKeepDifferentParts)
{
    FillRandom(target, 5);
    FillRandom(reference, 6);
    target.SetByte(mptmap::kFiveDigitCount, 3);
    cmcEeprom raw;
    raw.CopyFrom(target);

    // Cps: the whole number plan and 5-digit list are the reference's.
    PrepareImage(target, reference, kCps);
    EXPECT_TRUE(SameBytes(target, reference, 0x0C72, 0x0D6A));
    EXPECT_TRUE(SameBytes(target, raw, 0x0D6B, 0x0D6E));   // Cps edits fleet bands and prefixes
    EXPECT_TRUE(SameBytes(target, raw, 0x0FA9, 0x0FAA));   // default fleets
    EXPECT_EQ(target.GetByte(0x0ECC), (raw.GetByte(0x0ECC) & 0xFE) | (reference.GetByte(0x0ECC) & 0x01));
    const std::uint32_t cpsWord = Get16(target, 0x0F13);
    EXPECT_EQ(cpsWord & 0x0400u, 0u);
    EXPECT_EQ(cpsWord & 0x0208u, Get16(reference, 0x0F13) & 0x0208u);
    EXPECT_EQ(cpsWord & ~0x0608u, Get16(raw, 0x0F13) & ~0x0608u);

    // Mpt: its own 5-digit rows and plan stay, the Cps-only parts are the
    // reference's, the special numbers take the own prefix.
    target.CopyFrom(raw);
    PrepareImage(target, reference, kMpt);
    EXPECT_TRUE(SameBytes(target, raw, 0x0C72, 0x0C7A + 3 * 6));
    EXPECT_TRUE(SameBytes(target, reference, 0x0D6B, 0x0D6D));
    EXPECT_TRUE(SameBytes(target, reference, 0x0FA9, 0x0FAA));
    EXPECT_EQ(target.GetByte(0x0ECC), reference.GetByte(0x0ECC));
    for (std::int32_t a : {0x0D6E, 0x0D71, 0x0D74}) {
        EXPECT_EQ(target.GetByte(a), raw.GetByte(mptmap::kOwnPrefix));
    }
    const std::uint32_t mptWord = Get16(target, 0x0F13);
    EXPECT_EQ(mptWord, Get16(raw, 0x0F13) & ~0x0400u);
}

TEST_F(PrepareImageTest, StepClimKeepsOnlyTheVariantsValues)
{
    const struct {
        int variant;
        std::uint8_t value;
        std::uint8_t kept;
    } cases[] = {{kMpt, 1, 1}, {kMpt, 2, 0}, {kCps, 1, 0}, {kCps, 2, 2}, {kCps, 0xFF, 0}};
    for (const auto& c : cases) {
        target.SetByte(0x0F10, c.value);
        Prepare(c.variant);
        EXPECT_EQ(target.GetByte(0x0F10), c.kept) << "variant " << c.variant << " value " << int{c.value};
    }
}

TEST_F(PrepareImageTest, PreparingTwiceChangesNothing)
{
    for (int variant : {kMpt, kCps}) {
        for (unsigned seed : {11u, 12u, 13u}) {
            FillRandom(target, seed);
            FillRandom(reference, seed + 100);
            PrepareImage(target, reference, variant);
            cmcEeprom once;
            once.CopyFrom(target);
            PrepareImage(target, reference, variant);
            EXPECT_TRUE(target.Equals(once)) << "variant " << variant << " seed " << seed;
        }
    }
}

TEST_F(PrepareImageTest, ThePreparedReferenceIsWhatEveryCopyOfItBecomes)
{
    for (int variant : {kMpt, kCps}) {
        FillRandom(reference, 21);
        // An unused NDD row beyond its limits: in-place preparation must
        // still copy the reference's own bytes into it.
        reference.SetByte(0x0EE3, 1);
        reference.SetByte(0x0EE4 + 4 * 3 + 2, 12);
        cmcEeprom raw;
        raw.CopyFrom(reference);

        // Start-up: the reference is prepared in place.
        PrepareImage(reference, reference, variant);
        EXPECT_TRUE(SameBytes(reference, raw, 0x0000, 0x0003));
        EXPECT_TRUE(SameBytes(reference, raw, 0x0100, 0x0108));
        EXPECT_EQ(reference.GetByte(0x0EE4 + 4 * 3 + 2), 12);

        // A copy of the raw image prepared against the raw reference, and
        // one prepared against the prepared reference, both equal it.
        cmcEeprom copy;
        copy.CopyFrom(raw);
        PrepareImage(copy, raw, variant);
        EXPECT_TRUE(copy.Equals(reference)) << "variant " << variant;
        copy.CopyFrom(raw);
        PrepareImage(copy, reference, variant);
        EXPECT_TRUE(copy.Equals(reference)) << "variant " << variant;
    }
}

}  // namespace
}  // namespace xtr
