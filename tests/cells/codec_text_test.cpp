// Text-like codecs: fixed text fields, nibble digits, DTMF digits and the
// packed digit row under them.
#include "cell_rig.h"

#include "cells/codec_text.h"
#include "cells/packed_bcd.h"

#include <gtest/gtest.h>

#include <array>

namespace xtr {
namespace {

using test::GridRequest;

TEST(PlainTextCodec, ShowsPrintableTextWithoutTrailingBlanksOrZeros)
{
    GridRequest g;
    std::array<std::uint8_t, 17> field{'A', 'B', 'C'};
    CodecPlainText(g.Fresh(), g.editor, field.data(), 16);
    EXPECT_EQ(g.rq.displayText, "ABC");

    field[1] = 0x07;
    CodecPlainText(g.Fresh(), g.editor, field.data(), 16);
    EXPECT_EQ(g.rq.displayText, "A C");
    EXPECT_EQ(field[1], 0x07) << "showing leaves the image alone";
}

TEST(PlainTextCodec, StoresThePaddedTextAndNeverWritesPastTheField)
{
    GridRequest g;
    std::array<std::uint8_t, 17> field{};
    field[16] = 0xA5;
    EXPECT_TRUE(CodecPlainText(g.Typed("Hello"), g.editor, field.data(), 16));
    EXPECT_EQ(std::string(field.begin(), field.begin() + 16), "Hello           ");
    EXPECT_EQ(g.rq.displayText, "Hello");

    CodecPlainText(g.Typed("0123456789ABCDEFGHIJ"), g.editor, field.data(), 16);
    EXPECT_EQ(std::string(field.begin(), field.begin() + 16), "0123456789ABCDEF");
    EXPECT_EQ(field[16], 0xA5);

    g.Fresh().commitMode = cellcommit::kPreview;  // stored while typing, too
    g.rq.editText = "Hi";
    EXPECT_TRUE(CodecPlainText(g.rq, g.editor, field.data(), 16));
    EXPECT_EQ(field[2], ' ');
}

TEST(PlainTextCodec, SpaceBackspaceAndCharactersOpenTheEditor)
{
    GridRequest g;
    std::array<std::uint8_t, 16> field{'O', 'K'};
    CodecPlainText(g.Key(cellkey::kBackspace), g.editor, field.data(), 16);
    EXPECT_EQ(g.editor, celleditor::kInPlace);
    EXPECT_EQ(g.rq.displayText, "OK");
    EXPECT_EQ(g.rq.selLength, 2);
    CodecPlainText(g.Key('x'), g.editor, field.data(), 16);
    EXPECT_EQ(g.rq.displayText, "x");
    EXPECT_EQ(g.rq.selStart, 1);
    CodecPlainText(g.Key(cellkey::kDelete), g.editor, field.data(), 16);
    EXPECT_EQ(g.editor, celleditor::kNone);
}

TEST(NibbleCodec, DigitsFillFromTheHighNibble)
{
    GridRequest g;
    std::uint32_t v = 0x12AF;
    CodecNibbles(g.Fresh(), g.editor, v, 4, true);
    EXPECT_EQ(g.rq.displayText, "12AF");

    EXPECT_TRUE(CodecNibbles(g.Typed("12"), g.editor, v, 4, true));
    EXPECT_EQ(v, 0x1200u);
    CodecNibbles(g.Typed("9a8b7c"), g.editor, v, 4, true);
    EXPECT_EQ(v, 0x9A8Bu);
    CodecNibbles(g.Typed("1a2b"), g.editor, v, 4, false);
    EXPECT_EQ(v, 0x1200u) << "letters are dropped where only digits count";
    EXPECT_FALSE(CodecNibbles(g.Typed("ab"), g.editor, v, 4, false));

    CodecNibbles(g.Key('b'), g.editor, v, 4, false);
    EXPECT_EQ(g.editor, celleditor::kNone);
    CodecNibbles(g.Key(cellkey::kSpace), g.editor, v, 4, false);
    EXPECT_EQ(g.editor, celleditor::kInPlace);
}

TEST(DtmfCodec, StarAndHashAreTheDigitsFourteenAndFifteen)
{
    GridRequest g;
    std::array<std::uint8_t, 13> digits{};
    std::uint8_t count = 0;
    EXPECT_TRUE(CodecDtmf(g.Typed("12*#"), g.editor, digits.data(), &count, 24));
    EXPECT_EQ(g.rq.displayText, "12*#");
    EXPECT_EQ(count, 4);
    EXPECT_EQ(digits[0], 0x12);
    EXPECT_EQ(digits[1], 0xEF);

    // A shorter code clears the digits of the longer one before it.
    CodecDtmf(g.Typed("d"), g.editor, digits.data(), &count, 24);
    EXPECT_EQ(g.rq.displayText, "D");
    EXPECT_EQ(digits[0], 0xD0);
    EXPECT_EQ(digits[1], 0x00);
}

TEST(DtmfCodec, NoMoreDigitsThanTheFieldHolds)
{
    GridRequest g;
    std::array<std::uint8_t, 13> digits{};
    digits[12] = 0x5A;  // the byte after the field
    std::uint8_t count = 0;
    CodecDtmf(g.Typed("1234567890123456789012345678"), g.editor, digits.data(), &count, 24);
    EXPECT_EQ(count, 24);
    EXPECT_EQ(digits[11], 0x34);
    EXPECT_EQ(digits[12], 0x5A);

    count = 200;  // a count byte beyond the field shows the field
    CodecDtmf(g.Fresh(), g.editor, digits.data(), &count, 24);
    EXPECT_EQ(g.rq.displayText.size(), 24u);

    CodecDtmf(g.Key('#'), g.editor, digits.data(), &count, 24);
    EXPECT_EQ(g.rq.displayText, "#");
}

TEST(PackedBcd, OddDigitCountsKeepTheOtherNibble)
{
    cmcPackedBcd packed;
    for (int d : {1, 2, 3}) {
        packed.Append(d);
    }
    std::array<std::uint8_t, 2> field{0xFF, 0xFF};
    packed.WriteTo(field.data());
    EXPECT_EQ(field[0], 0x12);
    EXPECT_EQ(field[1], 0x3F);

    cmcPackedBcd back;
    back.ReadFrom(field.data(), 4);
    ASSERT_EQ(back.Count(), 4);
    EXPECT_EQ(back.Digit(2), 3);
    EXPECT_EQ(back.Digit(3), 15);
    back.Clear();
    EXPECT_EQ(back.Count(), 0);
}

}  // namespace
}  // namespace xtr
