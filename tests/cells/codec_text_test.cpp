// Text-like codecs: fixed text fields, nibble digits, DTMF digits and the
// packed digit row under them.
#include "cell_rig.h"

#include "cells/codecs/codec_text.h"
#include "cells/codecs/packed_bcd.h"

#include <gtest/gtest.h>

#include <array>

namespace xtr {
namespace {

using test::GridRequest;

TEST(PlainTextCodec, ShowsPrintableTextOnlyAndLeavesTheImageAlone)
{
    GridRequest g;
    std::array<std::uint8_t, 16> field{'A', 'B', 'C'};
    CodecPlainText(g.Fresh(), g.editor, field.data(), 16);
    EXPECT_EQ(g.rq.displayText, "ABC");
    field[1] = 0x07;
    CodecPlainText(g.Fresh(), g.editor, field.data(), 16);
    EXPECT_EQ(g.rq.displayText, "A C");
    EXPECT_EQ(field[1], 0x07);

    CodecPlainText(g.Key(cellkey::kBackspace), g.editor, field.data(), 16);
    EXPECT_EQ(g.editor, celleditor::kInPlace);
    CodecPlainText(g.Key('x'), g.editor, field.data(), 16);
    EXPECT_EQ(g.rq.displayText, "x");
}

TEST(PlainTextCodec, StoresThePaddedTextAndNeverWritesPastTheField)
{
    GridRequest g;
    std::array<std::uint8_t, 17> field{};
    field[16] = 0xA5;
    EXPECT_TRUE(CodecPlainText(g.Typed("Hello"), g.editor, field.data(), 16));
    EXPECT_EQ(std::string(field.begin(), field.begin() + 16), "Hello           ");
    CodecPlainText(g.Typed("0123456789ABCDEFGHIJ"), g.editor, field.data(), 16);
    EXPECT_EQ(std::string(field.begin(), field.begin() + 16), "0123456789ABCDEF");
    EXPECT_EQ(field[16], 0xA5);
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
    CodecNibbles(g.Key('b'), g.editor, v, 4, false);
    EXPECT_EQ(g.editor, celleditor::kNone);
}

TEST(DtmfCodec, StarAndHashAreFourteenAndFifteenAndTheFieldIsNeverOverrun)
{
    GridRequest g;
    std::array<std::uint8_t, 13> digits{};
    digits[12] = 0x5A;  // the byte after the field
    std::uint8_t count = 0;
    EXPECT_TRUE(CodecDtmf(g.Typed("12*#"), g.editor, digits.data(), &count, 24));
    EXPECT_EQ(g.rq.displayText, "12*#");
    EXPECT_EQ(count, 4);
    EXPECT_EQ(digits[0], 0x12);
    EXPECT_EQ(digits[1], 0xEF);

    CodecDtmf(g.Typed("d"), g.editor, digits.data(), &count, 24);
    EXPECT_EQ(g.rq.displayText, "D");
    EXPECT_EQ(digits[1], 0x00) << "the longer code before it is cleared";

    CodecDtmf(g.Typed("1234567890123456789012345678"), g.editor, digits.data(), &count, 24);
    EXPECT_EQ(count, 24);
    EXPECT_EQ(digits[12], 0x5A);
    count = 200;  // a count beyond the field shows the field
    CodecDtmf(g.Fresh(), g.editor, digits.data(), &count, 24);
    EXPECT_EQ(g.rq.displayText.size(), 24u);
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
    packed.ReadFrom(field.data(), 4);
    ASSERT_EQ(packed.Count(), 4);
    EXPECT_EQ(packed.Digit(3), 15);
}

}  // namespace
}  // namespace xtr
