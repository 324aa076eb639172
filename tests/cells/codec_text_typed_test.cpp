// Typed text into a fixed text field reads back as typed: what the field
// cannot show is not stored either.
#include "cell_rig.h"

#include "cells/codecs/codec_text.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace xtr {
namespace {

using test::GridRequest;

TEST(PlainTextCodec, TypedCharactersItCannotShowAreStoredAsBlanks)
{
    GridRequest g;
    std::array<std::uint8_t, 17> field{};
    field[16] = 0xA5;
    const std::string typed = std::string("A\x14") + '\0' + "B\x7F\xE9\x95|C";
    EXPECT_TRUE(CodecPlainText(g.Typed(typed), g.editor, field.data(), 16));
    EXPECT_EQ(std::string(field.begin(), field.begin() + 16), "A  B   |C       ");
    EXPECT_EQ(g.rq.displayText, "A  B   |C");
    EXPECT_EQ(field[16], 0xA5);

    // Storing what it shows changes nothing.
    std::array<std::uint8_t, 17> again = field;
    const std::string shown = g.rq.displayText;
    CodecPlainText(g.Typed(shown), g.editor, again.data(), 16);
    EXPECT_EQ(again, field);
}

}  // namespace
}  // namespace xtr
