// Cells of one numbering variant only: in the other variant they show the
// indication text in its colour and take neither keys nor entries.
#include "cells/map/map_variant.h"
#include "map_fixture.h"

#include <cstring>

namespace xtr::test {
namespace {

class MapVariant : public MapCells {
protected:
    std::vector<std::uint8_t> Snapshot() { return {host.CurrentImage().Data(), host.CurrentImage().Data() + 0x4000}; }
    bool Unchanged(const std::vector<std::uint8_t>& before)
    {
        return std::memcmp(before.data(), host.CurrentImage().Data(), before.size()) == 0;
    }
};

TEST_F(MapVariant, TheRuleFollowsTheCellNames)
{
    // Every family asks the same rule, the list texts and numbers included.
    EXPECT_EQ(VariantOf(CL_SysMes_Killed_Cps), CellVariant::CpsOnly);
    EXPECT_EQ(VariantOf(CL_CallEmer_EmergencyPfix_Cps), CellVariant::CpsOnly);
    EXPECT_EQ(VariantOf(CL_CallOp_InterFleetGrp), CellVariant::MptOnly);
    EXPECT_EQ(VariantOf(CL_Person_OwnNumber_Mpt), CellVariant::Both);
    EXPECT_EQ(VariantOf(kCellNone), CellVariant::Both);
}

TEST_F(MapVariant, ACpsCellInTheMptVariantShowsCpsOnlyAndIgnoresKeysAndEntries)
{
    At(0x0ECC) = 0x00;
    const std::vector<std::uint8_t> before = Snapshot();

    EXPECT_EQ(Show(CL_CallOp_KilledEnable_Cps), Ovl("GI_AppInd_CpsOnly"));
    EXPECT_EQ(canvas.color, 0x008080u);

    for (const std::int32_t key : {cellkey::kSpace, cellkey::kBackspace, cellkey::kEnter, std::int32_t{'1'}}) {
        EXPECT_EQ(Press(CL_CallOp_KilledEnable_Cps, key), Ovl("GI_AppInd_CpsOnly"));
        EXPECT_EQ(editor, celleditor::kNone);
    }
    Choose(CL_CallOp_KilledEnable_Cps, 1);
    EXPECT_TRUE(ui.opened.empty());
    EXPECT_TRUE(Unchanged(before));
}

TEST_F(MapVariant, TheSameCellWorksInTheCpsVariant)
{
    UseCps(true);
    At(0x0ECC) = 0x00;
    EXPECT_NE(Show(CL_CallOp_KilledEnable_Cps), Ovl("GI_AppInd_CpsOnly"));
    Press(CL_CallOp_KilledEnable_Cps, cellkey::kSpace);
    EXPECT_EQ(At(0x0ECC), 0x02);
    Press(CL_CallOp_KilledEnable_Cps, cellkey::kEnter);
    ASSERT_EQ(ui.opened.size(), 1u);
    EXPECT_EQ(ui.opened[0].list, "GI_Sheet_Sel_Misc_OnOff");
}

TEST_F(MapVariant, InterFleetCallsAreMptOnly)
{
    UseCps(true);
    SetWord(0x0F13, 0x0000);
    const std::vector<std::uint8_t> before = Snapshot();
    EXPECT_EQ(Press(CL_CallOp_InterFleet, cellkey::kSpace), Ovl("GI_AppInd_MptOnly"));
    EXPECT_EQ(Choose(CL_CallOp_InterFleetGrp, 1), Ovl("GI_AppInd_MptOnly"));
    EXPECT_TRUE(Unchanged(before));

    UseCps(false);
    Choose(CL_CallOp_InterFleetGrp, 1);
    EXPECT_EQ(Word(0x0F13), 0x0200u);
}

TEST_F(MapVariant, ListsThatDifferBetweenTheVariantsAreChosenByTheVariant)
{
    Press(CL_TE_STEPCLIM, cellkey::kEnter);
    UseCps(true);
    Press(CL_TE_STEPCLIM, cellkey::kEnter);
    Press(CL_CallOp_DynRegroup, cellkey::kEnter);
    UseCps(false);
    Press(CL_CallOp_DynRegroup, cellkey::kEnter);
    ASSERT_EQ(ui.opened.size(), 4u);
    EXPECT_EQ(ui.opened[0].list, "GI_Sheet_Sel_StepCLIM_Mpt");
    EXPECT_EQ(ui.opened[1].list, "GI_Sheet_Sel_StepCLIM_Cps");
    EXPECT_EQ(ui.opened[2].list, "GI_Sheet_Sel_DynGrp_Cps");
    EXPECT_EQ(ui.opened[3].list, "GI_Sheet_Sel_DynGrp_Mpt");
}

}  // namespace
}  // namespace xtr::test
