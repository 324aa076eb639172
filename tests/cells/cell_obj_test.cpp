// Cell objects: starting from a template and copying.
#include "cells/cell_description.h"
#include "cells/cell_obj.h"

#include <gtest/gtest.h>

namespace xtr {
namespace {

cmcCellObj Described(std::string_view text, const cmcCellObj* templ = nullptr)
{
    cmcCellObj cell;
    ParseCellDescription(text, cell, nullptr, templ);
    return cell;
}

TEST(CellObj, FreshCell)
{
    const cmcCellObj cell;
    EXPECT_EQ(cell.category, kCategoryNone);
    EXPECT_EQ(cell.cellId, kCellNone);
    EXPECT_EQ(cell.index, 0);
    EXPECT_EQ(cell.imageIndex, -1);
    EXPECT_EQ(cell.color, kColorWindow);
    EXPECT_EQ(cell.Caption(), "");
    EXPECT_EQ(cell.EffectiveFont(), nullptr);
    EXPECT_EQ(cell.ListSlot(), 0);
}

TEST(CellObj, ResetTakesTheTemplateButNotItsFontOrMenu)
{
    const cmcCellObj templ =
        Described("{S>(%CT_Conv.CL_PersConv_Tot[4]:p)(ImageIndex=3)(PopupMenu=M)(Font=,,,14,,,)}Caption");
    cmcCellObj cell = Described("{(Color=clRed)(Font=,,,9,,,)(PopupMenu=X)}Old");
    cell.Reset(&templ);
    EXPECT_EQ(cell.templateCell, &templ);
    EXPECT_EQ(cell.category, CT_Conv);
    EXPECT_EQ(cell.cellId, CL_PersConv_Tot);
    EXPECT_EQ(cell.index, 4);
    EXPECT_EQ(cell.parameter.value_or(""), "p");
    EXPECT_EQ(cell.imageIndex, 3);
    EXPECT_EQ(cell.state, templ.state);
    EXPECT_EQ(cell.look, templ.look);
    EXPECT_EQ(cell.color, kColorWindow);
    EXPECT_EQ(cell.Caption(), "Caption");
    EXPECT_FALSE(cell.font.has_value());
    EXPECT_FALSE(cell.popupMenu.has_value());
    EXPECT_EQ(cell.EffectiveFont()->height, 14);
    EXPECT_EQ(cell.ListSlot(), 12);
}

// One cell object parsed again and again without a template (the check
// list does so) keeps nothing of the line before.
TEST(CellObj, ResetWithoutTemplateForgetsThePreviousDescription)
{
    cmcCellObj cell;
    ParseCellDescription("{S(%CT_Conv.CL_Check_Call_Group[7]:Conv)(Flag1=1)}Text", cell, nullptr, nullptr);
    ParseCellDescription("{(%CL_Check_Hunt_Normal)}", cell, nullptr, nullptr);
    EXPECT_EQ(cell.cellId, CL_Check_Hunt_Normal);
    EXPECT_EQ(cell.category, kCategoryNone);
    EXPECT_EQ(cell.index, 0);
    EXPECT_FALSE(cell.parameter.has_value());
    EXPECT_EQ(cell.state, 0);
    EXPECT_FALSE(cell.caption.has_value());
    EXPECT_EQ(cell.templateCell, nullptr);
}

// A repeat row of a sheet copies the row above and moves its index on.
TEST(CellObj, CopyKeepsEverythingIncludingFontAndMenu)
{
    const cmcCellObj basic = Described("{(Font=,,,12,,,)}");
    const cmcCellObj above = Described("{S(%CT_Aad.CL_Aad_Value[2]:x)(PopupMenu=M)(Font=,,,%200,,,)}Text", &basic);
    cmcCellObj below;
    below = above;
    ++below.index;
    EXPECT_EQ(below.templateCell, &basic);
    EXPECT_EQ(below.cellId, CL_Aad_Value);
    EXPECT_EQ(below.index, 3);
    EXPECT_EQ(above.index, 2);
    EXPECT_EQ(below.Caption(), "Text");
    EXPECT_EQ(below.popupMenu.value_or(""), "M");
    ASSERT_TRUE(below.font.has_value());
    EXPECT_EQ(below.font->height, 24);
    EXPECT_NE(&*below.font, &*above.font);
}

}  // namespace
}  // namespace xtr
