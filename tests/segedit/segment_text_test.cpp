// Display text fields and their escape text.
#include "segedit/segment_text.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace xtr {
namespace {

std::vector<std::uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

// A field of n bytes with guard bytes on both sides, to see that nothing is
// written outside it.
struct GuardedField {
    explicit GuardedField(int n, std::uint8_t fill = 0xEE) : bytes(static_cast<std::size_t>(n) + 2, fill) {}
    std::uint8_t* Field() { return bytes.data() + 1; }
    std::vector<std::uint8_t> Inside() const { return {bytes.begin() + 1, bytes.end() - 1}; }
    bool GuardsIntact(std::uint8_t fill = 0xEE) const { return bytes.front() == fill && bytes.back() == fill; }
    std::vector<std::uint8_t> bytes;
};

TEST(SegmentText, FieldTextFollowsTheStyle)
{
    auto hello = Bytes("HELLO   ");
    EXPECT_EQ(SegFieldText(hello.data(), 8, SegTextStyle::BlankPadded), "HELLO");
    // Zero-terminated fields end at the first 0; spaces before it are text.
    auto padded = Bytes(std::string("AB  \0XY", 7));
    EXPECT_EQ(SegFieldText(padded.data(), 7, SegTextStyle::ZeroTerminated), "AB  ");
    EXPECT_EQ(SegFieldText(padded.data(), 7, SegTextStyle::BlankPadded), "AB");
    // A full field has no terminator: the text is the field's length.
    auto full = Bytes("ABCDEFGHIJKL");
    EXPECT_EQ(SegFieldText(full.data(), 10, SegTextStyle::ZeroTerminated), "ABCDEFGHIJ");
    // Codes without a key are part of the text as they are.
    const std::array<std::uint8_t, 4> codes{0x41, 0x10, 0x81, 0x20};
    EXPECT_EQ(SegFieldText(codes.data(), 4, SegTextStyle::BlankPadded), "A\x10\x81");
}

TEST(SegmentText, EscapeWritesCodesWithoutKeysInHex)
{
    EXPECT_EQ(SegEscape("HELLO"), "HELLO");
    EXPECT_EQ(SegEscape("50%"), "50%%");
    EXPECT_EQ(SegEscape("\x81"), "%81");
    EXPECT_EQ(SegEscape("A\x1F" "B"), "A%1FB");
    EXPECT_EQ(SegEscape("\x10\x7F\xFF"), "%10%7F%FF");
    // The first code 0-15 ends the text.
    EXPECT_EQ(SegEscape("AB\x05" "CD"), "AB");
}

TEST(SegmentText, UnescapeReadsOnlyCodesTheRadioCanDraw)
{
    EXPECT_EQ(SegUnescape("%%"), "%");
    EXPECT_EQ(SegUnescape("A%1FB"), "A\x1F" "B");
    EXPECT_EQ(SegUnescape("%7f%41"), "\x7F" "A");
    // A sign without a drawable code after it stays, and so do the
    // characters after it.
    EXPECT_EQ(SegUnescape("50%"), "50%");
    EXPECT_EQ(SegUnescape("%zz"), "%zz");
    EXPECT_EQ(SegUnescape("%0A"), "%0A");
    EXPECT_EQ(SegUnescape("%81"), "%81");
    // "%%" is taken before a pair of digits.
    EXPECT_EQ(SegUnescape("%%41"), "%41");
    // Typed characters the radio cannot show become spaces.
    EXPECT_EQ(SegUnescape("A\tB\x01" "C"), "A B C");
    EXPECT_EQ(SegUnescape("caf\xC3\xA9"), "caf  ");
}

TEST(SegmentText, StoringPadsCutsAndStaysInsideTheField)
{
    GuardedField blankPadded(8);
    SegStoreEscape(blankPadded.Field(), 8, SegTextStyle::BlankPadded, "HI");
    EXPECT_EQ(blankPadded.Inside(), Bytes("HI      "));
    EXPECT_TRUE(blankPadded.GuardsIntact());

    GuardedField zeroTerminated(4);
    SegStoreEscape(zeroTerminated.Field(), 4, SegTextStyle::ZeroTerminated, "A%1FB");
    EXPECT_EQ(zeroTerminated.Inside(), (std::vector<std::uint8_t>{0x41, 0x1F, 0x42, 0x00}));
    EXPECT_TRUE(zeroTerminated.GuardsIntact());

    // Longer than the field: cut to it; 1000 characters of escapes are no
    // danger either.
    GuardedField shortField(5);
    SegStoreEscape(shortField.Field(), 5, SegTextStyle::ZeroTerminated, "OVERLONGTEXT");
    EXPECT_EQ(shortField.Inside(), Bytes("OVERL"));
    std::string flood;
    for (int i = 0; i < 500; ++i) {
        flood += "%1F";
    }
    SegStoreEscape(shortField.Field(), 5, SegTextStyle::BlankPadded, flood);
    EXPECT_EQ(shortField.Inside(), Bytes("\x1F\x1F\x1F\x1F\x1F"));
    EXPECT_TRUE(shortField.GuardsIntact());

    // An empty text clears the field.
    SegStoreEscape(shortField.Field(), 5, SegTextStyle::ZeroTerminated, "");
    EXPECT_EQ(shortField.Inside(), std::vector<std::uint8_t>(5, 0));
    SegStoreEscape(nullptr, 5, SegTextStyle::ZeroTerminated, "A");  // no field: nothing happens
}

TEST(SegmentText, HighCodesCannotBeTypedBack)
{
    // 0x81 shows as %81; committing that text unchanged stores the three
    // characters, since the radio has no character 0x81.
    GuardedField field(4, 0x00);
    field.Field()[0] = 0x81;
    const std::string escape = SegFieldEscape(field.Field(), 4, SegTextStyle::ZeroTerminated);
    EXPECT_EQ(escape, "%81");
    SegStoreEscape(field.Field(), 4, SegTextStyle::ZeroTerminated, escape);
    EXPECT_EQ(field.Inside(), (std::vector<std::uint8_t>{0x25, 0x38, 0x31, 0x00}));
}

TEST(SegmentText, EveryDrawableTextSurvivesTheEditor)
{
    for (unsigned code = 16; code <= 127; ++code) {
        const std::string one(1, static_cast<char>(code));
        EXPECT_EQ(SegUnescape(SegEscape(one)), one) << "code " << code;
    }
    // A whole field of mixed codes, escaped and stored again, is unchanged.
    const std::array<std::uint8_t, 10> mixed{'%', 0x10, 'a', 0x7F, ' ', '%', 0x1F, 'Z', '~', ' '};
    std::array<std::uint8_t, 10> copy = mixed;
    SegStoreEscape(copy.data(), 10, SegTextStyle::BlankPadded,
                   SegFieldEscape(mixed.data(), 10, SegTextStyle::BlankPadded));
    EXPECT_EQ(copy, mixed);
}

TEST(SegmentText, OverlongInputIsCutAt255)
{
    const std::string many(300, 'A');
    EXPECT_EQ(SegUnescape(many).size(), kSegTextMax);
    EXPECT_EQ(SegEscape(many).size(), kSegTextMax);
    // An escape that straddles the cut is read as ordinary characters.
    const std::string straddling = std::string(253, 'B') + "%41";
    EXPECT_EQ(SegUnescape(straddling), std::string(253, 'B') + "%4");
}

}  // namespace
}  // namespace xtr
