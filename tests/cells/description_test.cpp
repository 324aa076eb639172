// Cell descriptions as sheets, menus and the tree write them in the overlay.
#include "cells/cell_description.h"
#include "cells/cell_description_text.h"
#include "support/overlay_guard.h"

#include <gtest/gtest.h>

#include <string>

namespace xtr {
namespace {

struct Parsed {
    cmcCellObj cell;
    std::string rest;
};

Parsed Parse(std::string_view text, CellCounters* counters = nullptr, const cmcCellObj* templ = nullptr)
{
    Parsed parsed;
    parsed.rest = std::string(ParseCellDescription(text, parsed.cell, counters, templ));
    return parsed;
}

TEST(CellDescription, AttributesCaptionAndRest)
{
    const Parsed p = Parse("{^B(Color=clRed)} Text |{S}Next|");
    EXPECT_EQ(p.cell.Alignment(), 1);
    EXPECT_EQ(p.cell.look, look::kB | 1);
    EXPECT_EQ(p.cell.color, 0x0000FFu);
    EXPECT_EQ(p.cell.Caption(), "Text");
    EXPECT_FALSE(p.cell.IsSelectable());
    EXPECT_EQ(p.rest, "{S}Next|");
    EXPECT_EQ(p.cell.cellId, kCellNone);
    EXPECT_EQ(p.cell.category, kCategoryNone);
}

TEST(CellDescription, SplitSkipsEscapedBarsAndDoubleByteCharacters)
{
    EXPECT_EQ(CountCellDescriptions(""), 0);
    EXPECT_EQ(CountCellDescriptions("a|b|"), 2);
    EXPECT_EQ(CountCellDescriptions("a||b"), 3);
    EXPECT_EQ(CountCellDescriptions("a\\|b"), 1);
    EXPECT_EQ(CountCellDescriptions("a\\\\|b"), 2);  // an escaped backslash, then a bar
    // 0x95 0x7C is one Shift JIS character whose second byte is "|".
    EXPECT_EQ(CountCellDescriptions("\x95|x|y"), 2);
    // A lead byte at the very end takes nothing with it.
    EXPECT_EQ(CountCellDescriptions("x|\x95"), 2);

    EXPECT_EQ(Parse("A\\|B|C").cell.Caption(), "A|B");
    EXPECT_EQ(Parse("\x95|x|y").cell.Caption(), "\x95|x");
    // The second byte of a double-byte character is no brace either.
    const Parsed p = Parse("\x95{S}");
    EXPECT_EQ(p.cell.Caption(), "\x95{S}");
    EXPECT_FALSE(p.cell.IsSelectable());
}

TEST(CellDescription, LettersSetAndNegationClears)
{
    cmcCellObj templ = Parse("{SWH+BT>_}").cell;
    EXPECT_EQ(templ.look, look::kW | look::kH | look::kPlus | look::kB | 2 | (2 << look::kPlaceShift));
    EXPECT_EQ(templ.state, state::kSelectable | state::kT);

    const Parsed cleared = Parse("{!S!W!H!+!B!T}", nullptr, &templ);
    EXPECT_EQ(cleared.cell.state, 0);
    EXPECT_EQ(cleared.cell.look, 2 | (2 << look::kPlaceShift));

    // Alignment and placement ignore a negation; "!" covers one character.
    const Parsed p = Parse("{!^!- S !\\S}", nullptr, &templ);
    EXPECT_EQ(p.cell.Alignment(), 1);
    EXPECT_EQ(p.cell.Placement(), 1);
    EXPECT_TRUE(p.cell.IsSelectable());
    EXPECT_EQ(Parse("{<~}", nullptr, &templ).cell.look & (look::kAlignMask | look::kPlaceMask), 0);
    // An escaped letter is no attribute.
    EXPECT_FALSE(Parse("{\\S}").cell.IsSelectable());
}

TEST(CellDescription, CellReferenceWithCategoryIndexAndParameter)
{
    CellCounters counters{};
    counters[1] = 5;
    const Parsed p = Parse("{S(%CT_Conv.CL_PersConv_FreqRx[@ch1])}", &counters);
    EXPECT_EQ(p.cell.category, 13u);
    EXPECT_EQ(p.cell.cellId, 323);
    EXPECT_EQ(p.cell.index, 5);
    EXPECT_FALSE(p.cell.parameter.has_value());

    const Parsed q = Parse("{(%CL_DirM_Text[12]:a\\)b\\\\c)}");
    EXPECT_EQ(q.cell.cellId, CL_DirM_Text);
    EXPECT_EQ(q.cell.index, 12);
    EXPECT_EQ(q.cell.parameter.value_or("?"), "a)b\\c");

    // A dot in the parameter is no category separator.
    const Parsed sheet = Parse("{(%CallSheet:[St_Common]Sheet.Conv,1)}");
    EXPECT_EQ(sheet.cell.cellId, CallSheet);
    EXPECT_EQ(sheet.cell.category, kCategoryNone);
    EXPECT_EQ(sheet.cell.parameter.value_or(""), "[St_Common]Sheet.Conv,1");

    // Category and index not written stay those of the template.
    cmcCellObj templ = Parse("{(%CT_PopupMenu.CL_Null[3])}").cell;
    const Parsed item = Parse("{(%CL_PMenu_Copy)}", nullptr, &templ);
    EXPECT_EQ(item.cell.category, CT_PopupMenu);
    EXPECT_EQ(item.cell.cellId, CL_PMenu_Copy);
    EXPECT_EQ(item.cell.index, 3);
    // Empty names mean none, without a message.
    const Parsed none = Parse("{(%.)}", nullptr, &templ);
    EXPECT_EQ(none.cell.category, kCategoryNone);
    EXPECT_EQ(none.cell.cellId, kCellNone);
}

TEST(CellDescription, CountersAreSetStepAndShownInCaptions)
{
    CellCounters counters{};
    counters[0] = 9;
    EXPECT_EQ(Parse("Row \\(@ch0+1)", &counters).cell.Caption(), "Row 10");

    // Groups act before the caption is resolved, wherever they stand.
    EXPECT_EQ(Parse("No.\\_\\(@ch2){(@ch2=41)(@ch2+)}", &counters).cell.Caption(), "No. 42");
    EXPECT_EQ(counters[2], 42);
    // The index takes the counter's value at the moment it is read.
    const Parsed p = Parse("{(@ch3=7)(%CL_Aad_Type[@ch3])(@ch3+)}", &counters);
    EXPECT_EQ(p.cell.index, 7);
    EXPECT_EQ(counters[3], 8);

    // At most six characters of the value are shown.
    counters[4] = 999999;
    EXPECT_EQ(Parse("\\(@ch4+1)", &counters).cell.Caption(), "100000");
    counters[4] = -1234567;
    EXPECT_EQ(Parse("\\(@ch4)", &counters).cell.Caption(), "-12345");
    // Stepping the largest value wraps instead of overflowing.
    counters[5] = 2147483647;
    Parse("{(@ch5+)}", &counters);
    EXPECT_EQ(counters[5], -2147483647 - 1);
}

TEST(CellDescription, CaptionEscapes)
{
    EXPECT_EQ(Parse("  A\\nB\\NC\\_D\\{E\\\\  ").cell.Caption(), "A\nB\nC D{E\\");
    // Escaped spaces survive the trimming, plain ones do not.
    EXPECT_EQ(Parse(" \\_x\\_ ").cell.Caption(), " x ");
    // 0x95 0x5C is one character: its second byte escapes nothing.
    EXPECT_EQ(Parse("\x95\\n").cell.Caption(), "\x95\\n");
    EXPECT_EQ(Parse("end\\").cell.Caption(), "end");
}

TEST(CellDescription, KeyedAttributes)
{
    const Parsed p = Parse("{(ImageIndex=12)(PopupMenu=GI_PMenu_Conv)(Flag0=1)(Flag3=1)(Color=clBtnFace)}");
    EXPECT_EQ(p.cell.imageIndex, 12);
    EXPECT_EQ(p.cell.popupMenu.value_or(""), "GI_PMenu_Conv");
    EXPECT_EQ(p.cell.state, state::kChecked | state::kCaptionFromCell);
    EXPECT_EQ(p.cell.color, 0x8000000Fu);

    // Unknown colours, flags and keys change nothing.
    const Parsed q = Parse("{(Flag3=0)(Flag4=1)(Flag1=2)(Flag1=11)(Color=clred)(Colour=clRed)}", nullptr, &p.cell);
    EXPECT_EQ(q.cell.state, state::kChecked);
    EXPECT_EQ(q.cell.color, 0x8000000Fu);
    // The pop-up menu and the font are not inherited from the template.
    EXPECT_FALSE(q.cell.popupMenu.has_value());
    EXPECT_EQ(q.cell.imageIndex, 12);
}

TEST(CellDescription, FontStartsFromTheTemplateFont)
{
    cmcCellObj basic = Parse("{(Font=SHIFTJIS_CHARSET,Gothic,clNavy,20,,fsBold,)}").cell;
    ASSERT_TRUE(basic.font.has_value());
    EXPECT_EQ(basic.font->height, 20);
    EXPECT_EQ(basic.font->face, "Gothic");

    const Parsed p = Parse("{(Font=,,,%150,,fsItalic,)}", nullptr, &basic);
    ASSERT_TRUE(p.cell.font.has_value());
    EXPECT_EQ(p.cell.font->height, 30);
    EXPECT_EQ(p.cell.font->style, kFontItalic);
    EXPECT_EQ(p.cell.font->face, "Gothic");
    EXPECT_EQ(p.cell.font->charset, kShiftJisCharset);
    EXPECT_EQ(basic.font->height, 20);

    // A column cell without a font of its own passes the basic cell's on.
    const cmcCellObj column = Parse("{S}", nullptr, &basic).cell;
    EXPECT_FALSE(column.font.has_value());
    EXPECT_EQ(column.EffectiveFont(), &*basic.font);
    EXPECT_EQ(Parse("{(Font=,,,%50,,,)}", nullptr, &column).cell.font->height, 10);
}

TEST(CellDescription, SkipOnlyResetsTheCell)
{
    const cmcCellObj templ = Parse("{S(%CL_Comm_TOTTimer:x)}Label").cell;
    cmcCellObj cell;
    const std::string_view rest = ParseCellDescription("{(%CL_Nonexistent)}Other|next", cell, nullptr, &templ, true);
    EXPECT_EQ(rest, "next");
    EXPECT_EQ(cell.cellId, CL_Comm_TOTTimer);
    EXPECT_EQ(cell.Caption(), "Label");
    EXPECT_EQ(cell.templateCell, &templ);
}

TEST(CellDescription, SharedStylesComeFromTheOverlay)
{
    auto overlay = test::OverlayGuard::FromText(
        "#CellModel_Head\n"
        "^B(Color=clBtnFace)($Bold)\n"
        "#CellModel_Bold\n"
        "(Font=,,,,,fsBold,)\n"
        "#End_Of_Ovl\n");
    const Parsed p = Parse("{($Head)S}Title");
    EXPECT_EQ(p.cell.look, look::kB | 1);
    EXPECT_EQ(p.cell.color, 0x8000000Fu);
    ASSERT_TRUE(p.cell.font.has_value());
    EXPECT_EQ(p.cell.font->style, kFontBold);
    EXPECT_TRUE(p.cell.IsSelectable());
    EXPECT_EQ(p.cell.Caption(), "Title");
}

TEST(CellDescriptionDeathTest, BadCounterReferencesAreFatal)
{
    CellCounters counters{};
    EXPECT_EXIT(Parse("{(@ch12=1)}", &counters), ::testing::ExitedWithCode(3), "Ch No\\. Error");
    EXPECT_EXIT(Parse("{(@cx1+)}", &counters), ::testing::ExitedWithCode(3), "Ch No\\. Error");
    EXPECT_EXIT(Parse("{(%CL_Aad_Type[@ch])}", &counters), ::testing::ExitedWithCode(3), "Ch No\\. Error");
    EXPECT_EXIT(Parse("\\(ch1)", &counters), ::testing::ExitedWithCode(3), "Ch No\\. Error");
    // The basic cell is parsed without counters.
    EXPECT_EXIT(Parse("{(@ch1+)}", nullptr), ::testing::ExitedWithCode(3), "Ch No\\. Error");
    EXPECT_EXIT(Parse("No \\(@ch1", &counters), ::testing::ExitedWithCode(3), "Illegal Ch No\\.");
}

TEST(CellDescriptionDeathTest, UnknownNamesInReferencesAreFatal)
{
    EXPECT_EXIT(Parse("{(%CT_Conv.CL_PersConv_Freq)}"), ::testing::ExitedWithCode(3),
                "Cannot use the specified cell\\.\n'CL_PersConv_Freq'");
    EXPECT_EXIT(Parse("{(%CT_conv.CL_PersConv_FreqRx)}"), ::testing::ExitedWithCode(3),
                "Cannot use the specified category\\.\n'CT_conv'");
}

TEST(CellDescriptionDeathTest, StylesThatUseThemselvesAreFatal)
{
    auto overlay = test::OverlayGuard::FromText("#CellModel_A\nS($B)\n#CellModel_B\n($A)\n#End_Of_Ovl\n");
    EXPECT_EXIT(Parse("{($A)}"), ::testing::ExitedWithCode(3), "Cell style nesting too deep");
    EXPECT_EXIT(Parse("{($Missing)}"), ::testing::ExitedWithCode(3), "CellModel_Missing");
}

}  // namespace
}  // namespace xtr
