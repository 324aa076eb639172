// The selection codec through cells bound as the cell map binds them:
// stepping through the list, the drop-down list and its answer, and the
// set-mode enable bits.
#include "cell_rig.h"

#include "cells/codecs/codec_selection.h"

#include <gtest/gtest.h>

namespace xtr {
namespace {

using test::CellRig;

const char kOverlay[] =
    "#GI_Sheet_Sel_Misc_OnOff_Cells\n"
    "{S(%Flex0[0])}Off\n"
    "{S(%Flex0[1])}On\n"
    "#GI_Sheet_Sel_Misc_Enable_Cells\n"
    "{S(%Flex0[0])}Disable|{S(%Flex0[1])}Enable\n"
    "#GI_Sheet_Sel_Backlight_Cells\n"
    "{S(%Flex0[0])}Off|{S(%Flex0[2])}Auto\n"
    "{S(%Flex0[1])}On\n"
    "#End_Of_Ovl\n";

constexpr std::int32_t kHornByte = 0x011F;
constexpr std::int32_t kSetByte = 0x011E;

class SelectionCodec : public ::testing::Test {
protected:
    SelectionCodec()
    {
        rig.registry.Register(CL_Set_Horn, [](CellCall& c) {
            CodecSelectionBits(c.rq, c.editorKind, c.lists, "GI_Sheet_Sel_Misc_OnOff", c.image.Data() + kHornByte, 4,
                               1);
        });
        rig.registry.Register(CL_Set_Backlight, [](CellCall& c) {
            CodecSelectionBits(c.rq, c.editorKind, c.lists, "GI_Sheet_Sel_Backlight", c.image.Data() + kSetByte, 0,
                               2);
        });
        rig.registry.Register(CL_Set_ScramblerEnable,
                              [](CellCall& c) { CodecEnableBit(c.rq, c.editorKind, c.lists, c.image, 13); });
        rig.registry.Register(CL_Set_SysInfoEnable,
                              [](CellCall& c) { CodecEnableBit(c.rq, c.editorKind, c.lists, c.image, 0); });
    }

    // The request the grid sends when the user picks item `value` in the
    // drop-down list opened on cell.
    void Pick(std::int32_t cell, std::int32_t itemCell, std::int32_t value, std::uint8_t mode = cellcommit::kPreview)
    {
        cmcCellObj item;
        item.cellId = itemCell;
        item.index = value;
        cmcCellCapsule itemRequest;
        itemRequest.cell = &item;
        rig.Request(cell).owner = &itemRequest;
        rig.rq.commitMode = mode;
        rig.Run();
    }

    CellRig rig{kOverlay};
};

TEST_F(SelectionCodec, SpaceAndBackspaceStepThroughTheListKeepingTheOtherBits)
{
    *rig.At(kHornByte) = 0x0E;
    EXPECT_EQ(rig.Show(CL_Set_Horn), "Off");
    EXPECT_EQ(rig.Key(CL_Set_Horn, cellkey::kSpace), "On");
    EXPECT_EQ(*rig.At(kHornByte), 0x1E);

    // Layout order: Off, On (column 0), then Auto.
    *rig.At(kSetByte) = 0xFC;
    EXPECT_EQ(rig.Key(CL_Set_Backlight, cellkey::kSpace), "On");
    EXPECT_EQ(rig.Key(CL_Set_Backlight, cellkey::kSpace), "Auto");
    EXPECT_EQ(rig.Key(CL_Set_Backlight, cellkey::kBackspace), "On");
    EXPECT_EQ(*rig.At(kSetByte), 0xFD);

    // A value the list does not hold shows "error" and steps to the first item.
    *rig.At(kSetByte) = 0x03;
    EXPECT_EQ(rig.Show(CL_Set_Backlight), "error");
    EXPECT_EQ(rig.Key(CL_Set_Backlight, cellkey::kBackspace), "Off");
}

TEST_F(SelectionCodec, EnterOpensTheListAndThePickedItemIsStored)
{
    *rig.At(kHornByte) = 0x10;
    rig.Key(CL_Set_Horn, cellkey::kEnter);
    EXPECT_EQ(rig.editor, celleditor::kDropDown);
    ASSERT_EQ(rig.ui.opened.size(), 1u);
    EXPECT_EQ(rig.ui.opened[0].askingCell, CL_Set_Horn);
    EXPECT_EQ(rig.ui.opened[0].list, "GI_Sheet_Sel_Misc_OnOff");
    EXPECT_EQ(rig.ui.opened[0].itemCell, Flex0);
    EXPECT_EQ(rig.ui.opened[0].value, 1);
    EXPECT_EQ(*rig.At(kHornByte), 0x10) << "opening the list changes nothing";

    Pick(CL_Set_Horn, Flex0, 0);
    EXPECT_EQ(rig.rq.displayText, "Off");
    EXPECT_EQ(*rig.At(kHornByte), 0x00);

    // Only an item of the list's kind, answered in mode 2, is taken.
    Pick(CL_Set_Horn, FlexDtcs, 1);
    Pick(CL_Set_Horn, Flex0, 1, cellcommit::kStore);
    EXPECT_EQ(*rig.At(kHornByte), 0x00);

    // An item value wider than the field does not spill into other bits.
    Pick(CL_Set_Horn, Flex0, 3);
    EXPECT_EQ(*rig.At(kHornByte), 0x10);
}

TEST_F(SelectionCodec, EnableBitsCountFromTheHighBitOfTheFirstByte)
{
    EXPECT_EQ(rig.Key(CL_Set_ScramblerEnable, cellkey::kSpace), "Enable");
    EXPECT_EQ(*rig.At(kEnableBitsAddress + 1), 0x04);
    rig.Key(CL_Set_SysInfoEnable, cellkey::kSpace);
    EXPECT_EQ(*rig.At(kEnableBitsAddress), 0x80);
    EXPECT_EQ(rig.Key(CL_Set_ScramblerEnable, cellkey::kBackspace), "Disable");
    EXPECT_EQ(*rig.At(kEnableBitsAddress + 1), 0x00);
    EXPECT_EQ(*rig.At(kEnableBitsAddress), 0x80);
}

}  // namespace
}  // namespace xtr
