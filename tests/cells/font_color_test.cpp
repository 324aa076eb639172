// Colour names, font descriptions and the field splitter they share.
#include "cells/cell_description_text.h"
#include "cells/colors.h"
#include "cells/font_desc.h"

#include <gtest/gtest.h>

namespace xtr {
namespace {

TEST(Colors, NamesResolveExactly)
{
    ASSERT_EQ(ColorNameCount(), 38);
    for (int i = 0; i < ColorNameCount(); ++i) {
        EXPECT_TRUE(ColorOfName(ColorNameAt(i)).has_value()) << ColorNameAt(i);
    }
    EXPECT_EQ(ColorOfName("clRed"), 0x0000FFu);
    EXPECT_EQ(ColorOfName("clNavy"), 0x800000u);
    EXPECT_EQ(ColorOfName("clBlack"), 0x000000u);
    EXPECT_EQ(ColorOfName("clBackground"), 0x80000001u);
    EXPECT_EQ(ColorOfName("clWindow"), kColorWindow);
    EXPECT_EQ(ColorOfName("clHightlightText"), 0x8000000Eu);
    EXPECT_EQ(ColorOfName("clGrayText"), kColorGrayText);
    EXPECT_EQ(ColorOfName("clBtnHighlight"), 0x80000014u);
    EXPECT_FALSE(ColorOfName("clred").has_value());
    EXPECT_FALSE(ColorOfName("clRed ").has_value());
    EXPECT_FALSE(ColorOfName("").has_value());
}

TEST(FontDescription, AllFieldsInOrder)
{
    FontDesc font;
    EXPECT_TRUE(ApplyFontDescription("ANSI_CHARSET,Arial,clRed,16,,fsBold+fsUnderline,fpFixed", font));
    EXPECT_EQ(font.charset, kAnsiCharset);
    EXPECT_EQ(font.face, "Arial");
    EXPECT_EQ(font.color, 0x0000FFu);
    EXPECT_EQ(font.height, 16);
    EXPECT_EQ(font.size, 12);
    EXPECT_EQ(font.style, kFontBold | kFontUnderline);
    EXPECT_EQ(font.pitch, FontPitch::Fixed);

    // Empty and missing fields leave their property; a size sets the height
    // as well.
    EXPECT_TRUE(ApplyFontDescription(",,,,10", font));
    EXPECT_EQ(font.face, "Arial");
    EXPECT_EQ(font.size, 10);
    EXPECT_EQ(font.height, 13);
    EXPECT_TRUE(ApplyFontDescription("", font));
    EXPECT_EQ(font.style, kFontBold | kFontUnderline);
    // The first recognised style replaces the earlier ones.
    EXPECT_TRUE(ApplyFontDescription(",,,,,fsItalic ,", font));
    EXPECT_EQ(font.style, kFontItalic);
}

TEST(FontDescription, NamesMayHaveTrailingBlanksOnly)
{
    FontDesc font;
    EXPECT_TRUE(ApplyFontDescription("RUSSIAN_CHARSET  ,,,,,,fpVariable ", font));
    EXPECT_EQ(font.charset, 204);
    EXPECT_EQ(font.pitch, FontPitch::Variable);
    EXPECT_FALSE(ApplyFontDescription(" OEM_CHARSET", font));
    EXPECT_EQ(font.charset, 204);
    EXPECT_EQ(CharsetOfName("OEM_CHARSET"), 255);
    EXPECT_EQ(CharsetOfName("oem_charset"), -1);
}

TEST(FontDescription, PercentOfTheCurrentValueAtLeastOne)
{
    FontDesc font;
    font.SetHeight(20);
    EXPECT_TRUE(ApplyFontDescription(",,,%150", font));
    EXPECT_EQ(font.height, 30);
    EXPECT_TRUE(ApplyFontDescription(",,,%0", font));
    EXPECT_EQ(font.height, 1);
    font.SetSize(10);
    EXPECT_TRUE(ApplyFontDescription(",,,,%250", font));
    EXPECT_EQ(font.size, 25);
    // Huge percentages stay inside 32 bits.
    font.SetHeight(2000000000);
    EXPECT_TRUE(ApplyFontDescription(",,,%999999999", font));
    EXPECT_EQ(font.height, 2147483647);
}

TEST(FontDescription, UnrecognisedFieldsFailButTheOthersApply)
{
    FontDesc font;
    const FontDesc before = font;
    EXPECT_FALSE(ApplyFontDescription("NO_CHARSET,Face,clPink,abc,12x,fsHeavy,fpWide", font));
    EXPECT_EQ(font.face, "Face");
    EXPECT_EQ(font.charset, before.charset);
    EXPECT_EQ(font.color, before.color);
    EXPECT_EQ(font.height, before.height);
    EXPECT_EQ(font.style, before.style);

    EXPECT_FALSE(ApplyFontDescription(",,,,,fsHeavy+fsBold,", font));
    EXPECT_EQ(font.style, kFontBold);
    EXPECT_FALSE(ApplyFontDescription(",,,,,,,extra", font));
}

TEST(NthField, SplitsOnWholeCharacters)
{
    EXPECT_EQ(NthField("a,b,,d", ',', 0), "a");
    EXPECT_EQ(NthField("a,b,,d", ',', 2), "");
    EXPECT_EQ(NthField("a,b,,d", ',', 3), "d");
    EXPECT_FALSE(NthField("a,b,,d", ',', 4).has_value());
    EXPECT_FALSE(NthField("a", ',', -1).has_value());
    // 0x95 0x5C is one character; only the later backslash separates.
    EXPECT_EQ(NthField("\x95\\x\\y", '\\', 0), "\x95\\x");
    EXPECT_EQ(NthField("\x95\\x\\y", '\\', 1), "y");
    EXPECT_EQ(NthFieldOf("k=v;w", "=;", 2), "w");
}

TEST(SplitFields, GivesTheFieldsNthFieldGives)
{
    for (const std::string_view text : {std::string_view("a,b,,d"), std::string_view(""), std::string_view(","),
                                        std::string_view("\x95,x,y\x95"), std::string_view("x,\x95")}) {
        const std::vector<std::string_view> fields = SplitFields(text, ',');
        for (std::size_t n = 0; n < fields.size(); ++n) {
            EXPECT_EQ(NthField(text, ',', static_cast<int>(n)), std::string(fields[n])) << text << " field " << n;
        }
        EXPECT_FALSE(NthField(text, ',', static_cast<int>(fields.size())).has_value()) << text;
    }
    // The second byte of a double-byte character never splits.
    EXPECT_EQ(SplitFields("\x95,x,y", ','), (std::vector<std::string_view>{"\x95,x", "y"}));
}

TEST(ApplyFontDescription, ManyEmptyFieldsAreReadInOnePass)
{
    // Thousands of separators: every field is looked at once, and the fields
    // past the known ones are still refused.
    FontDesc font;
    EXPECT_FALSE(ApplyFontDescription(std::string(20000, ',') + "extra", font));
    EXPECT_TRUE(ApplyFontDescription(",,,,,fsBold" + std::string(20000, '+'), font));
}

TEST(ParseDecimal, UsualConversionHeldInsideThirtyTwoBits)
{
    EXPECT_EQ(ParseDecimal("  -12x"), -12);
    EXPECT_EQ(ParseDecimal("+7"), 7);
    EXPECT_EQ(ParseDecimal("x1"), 0);
    EXPECT_EQ(ParseDecimal("99999999999999"), 2147483647);
    EXPECT_EQ(ParseDecimal("-99999999999999"), -2147483647 - 1);
}

}  // namespace
}  // namespace xtr
