// Sheet references, parenthesised items and the style items of a sheet.
#include "ui/model/sheet_items.h"
#include "ui/model/sheet_reference.h"
#include "ui/model/sheet_style.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace xtr {
namespace {

SheetStyle StyleOf(const std::string& line)
{
    SheetStyle style;
    for (std::string_view item : ParenItems(line)) {
        ApplyStyleItem(style, item);
    }
    return style;
}

TEST(SheetReference, SplitsKindNameAndArgument)
{
    SheetReference ref = ParseSheetReference("[St_Common]GI_Sheet_Comm,Timers,2");
    EXPECT_EQ(ref.kind, "St_Common");
    EXPECT_EQ(ref.name, "GI_Sheet_Comm");
    EXPECT_EQ(ref.argument, "Timers,2");  // everything after the first comma

    ref = ParseSheetReference("GI_Sheet_Plain");
    EXPECT_EQ(ref.kind, "");
    EXPECT_EQ(ref.name, "GI_Sheet_Plain");
    EXPECT_EQ(ref.argument, "");

    // A bracket after the comma belongs to the argument; an unclosed one
    // leaves the whole head as the name.
    ref = ParseSheetReference("Name,[x]");
    EXPECT_EQ(ref.kind, "");
    EXPECT_EQ(ref.name, "Name");
    EXPECT_EQ(ref.argument, "[x]");
    ref = ParseSheetReference("[St_Common Name");
    EXPECT_EQ(ref.kind, "");
    EXPECT_EQ(ref.name, "[St_Common Name");

    EXPECT_EQ(SheetClassOf("St_Common"), SheetClass::Common);
    EXPECT_EQ(SheetClassOf("St_ChBank"), SheetClass::None);
    EXPECT_EQ(SheetClassOf(""), SheetClass::Plain);
    EXPECT_EQ(SheetClassOf("st_common"), SheetClass::Plain);
}

TEST(SheetItems, ParenthesesOpenAndCloseItemsWithoutNesting)
{
    EXPECT_EQ(ParenItems("x(A)y (B=1)z"), (std::vector<std::string_view>{"A", "B=1"}));
    EXPECT_EQ(ParenItems("(a(b)c)"), (std::vector<std::string_view>{"a(b"}));
    EXPECT_EQ(ParenItems("(open"), (std::vector<std::string_view>{"open"}));
    EXPECT_TRUE(ParenItems("no items ) here").empty());
    // A lead byte takes the next byte with it: the "(" after 0x81 is the
    // second half of a double-byte character and opens nothing.
    EXPECT_EQ(ParenItems("(T=\x81()"), (std::vector<std::string_view>{"T=\x81("}));
    EXPECT_TRUE(ParenItems("\x81(A)").empty());
}

TEST(SheetStyle, TitleItems)
{
    SheetStyle style = StyleOf("(TitleString=Common = 1)(TitleColor=clRed)(TitleFont=,Arial,,20)");
    EXPECT_EQ(style.title, "Common = 1");  // the value runs from the first "="
    EXPECT_EQ(style.titleColor, 0x0000FFu);
    ASSERT_TRUE(style.titleFont);
    EXPECT_EQ(style.titleFont->face, "Arial");
    EXPECT_EQ(style.titleFont->height, 20);

    // An empty title and an unknown colour change nothing; a second font
    // starts again from the default font rather than from the first one.
    style = StyleOf("(TitleString=A)(TitleString=)(TitleColor=clRed)(TitleColor=clNoSuch)"
                    "(TitleFont=,Arial,,20)(TitleFont=,,,%50)");
    EXPECT_EQ(style.title, "A");
    EXPECT_EQ(style.titleColor, 0x0000FFu);
    FontDesc expected;
    ApplyFontDescription(",,,%50", expected);
    EXPECT_EQ(style.titleFont, expected);

    EXPECT_FALSE(StyleOf("(TitleString=)").title);
    EXPECT_FALSE(StyleOf("(TitleString)").title);
}

TEST(SheetStyle, ExactWordsForNoPrintAndMultiSelect)
{
    EXPECT_TRUE(StyleOf("(NoPrint)").noPrint);
    EXPECT_FALSE(StyleOf("(NoPrint=1)").noPrint);
    EXPECT_FALSE(StyleOf("(NoPrinter)").noPrint);

    EXPECT_EQ(StyleOf("(MultiSelect=Cell)").multiSelect, MultiSelectMode::Cells);
    EXPECT_EQ(StyleOf("(MultiSelect=Line)").multiSelect, MultiSelectMode::Lines);
    EXPECT_EQ(StyleOf("(MultiSelect=line)").multiSelect, MultiSelectMode::None);
    EXPECT_EQ(StyleOf("(MultiSelect=Cells)").multiSelect, MultiSelectMode::None);
    // Later items override earlier ones, and a bare key switches it off.
    EXPECT_EQ(StyleOf("(MultiSelect=Cell)(MultiSelect)").multiSelect, MultiSelectMode::None);
    EXPECT_EQ(StyleOf("(MultiSelectMode=Line)").multiSelect, MultiSelectMode::Lines);
}

TEST(SheetStyle, NumbersAreReadAsDecimals)
{
    const SheetStyle style = StyleOf("(FixedCols= 2x)(FixedRows=-1)(PrintFontRatio=abc)(FixedColsWide=3)");
    EXPECT_EQ(style.fixedColumns, 3);  // the longer key counts as FixedCols, later wins
    EXPECT_EQ(style.fixedRows, -1);
    EXPECT_EQ(style.printFontRatio, 0);
    // Without "=" the item is ignored.
    EXPECT_EQ(StyleOf("(FixedRows)(PrintFontRatio 80)").printFontRatio, 100);
}

}  // namespace
}  // namespace xtr
