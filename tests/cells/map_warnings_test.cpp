// The horn warning, the scrambler error, and the repaint of every cell
// after a change that other cells show.
#include "map_fixture.h"

namespace xtr::test {
namespace {

constexpr std::int32_t kHornByte = 0x011F;
constexpr std::int32_t kHornTimer = 0x0149;

using MapWarnings = MapCells;

TEST_F(MapWarnings, HornWarnsOnlyWhileItAlsoHonksWithATimer)
{
    At(kHornByte) = 0x10;  // horn on, no honking
    At(kHornTimer) = 20;
    Show(CL_Set_Horn);
    EXPECT_FALSE(rq.HasWarning());

    At(kHornByte) = 0x14;  // honks on alerting
    Show(CL_Set_Horn);
    EXPECT_TRUE(rq.HasWarning());
    EXPECT_FALSE(rq.HasError());
    At(kHornByte) = 0x12;  // honks on status
    Show(CL_Set_Horn);
    EXPECT_TRUE(rq.HasWarning());

    At(kHornTimer) = 0;
    Show(CL_Set_Horn);
    EXPECT_FALSE(rq.HasWarning());

    At(kHornTimer) = 20;
    At(kHornByte) = 0x06;  // horn off
    Show(CL_Set_Horn);
    EXPECT_FALSE(rq.HasWarning());
    // The consistency checks read the same bit.
    indActiveCell active(host, registry);
    At(kHornByte) = 0x16;
    EXPECT_TRUE(active.WarningOf(kCategoryNone, CL_Set_Horn, 0));
}

TEST_F(MapWarnings, HornEnableWarnsOnItsEnableBit)
{
    At(kHornByte) = 0x04;  // honks, horn itself off
    At(kHornTimer) = 20;
    At(0x0166) = 0x00;
    Show(CL_Set_HornEnable);
    EXPECT_FALSE(rq.HasWarning());
    Choose(CL_Set_HornEnable, 1);
    EXPECT_EQ(At(0x0166), 0x04);
    EXPECT_TRUE(rq.HasWarning());
}

TEST_F(MapWarnings, ChangesThatOtherCellsShowRepaintEveryCell)
{
    At(kHornByte) = 0x00;
    Request(CL_Comm_HornHonkAlerting).key = cellkey::kSpace;
    EXPECT_NE(ScopeOf(rq) & cellscope::kEveryCell, 0u);
    Request(CL_Comm_HornTimer).key = cellkey::kSpace;
    EXPECT_NE(ScopeOf(rq) & cellscope::kEveryCell, 0u);
    Request(CL_NetId_NetworkType).key = cellkey::kSpace;
    EXPECT_NE(ScopeOf(rq) & cellscope::kEveryCell, 0u);
    Request(CL_NetId_MaxCHNumber).key = cellkey::kSpace;
    EXPECT_NE(ScopeOf(rq) & cellscope::kEveryCell, 0u);
    // A plain setting repaints itself only; showing changes nothing.
    Request(CL_Set_Backlight).key = cellkey::kSpace;
    EXPECT_EQ(ScopeOf(rq), cellscope::kThisCell);
    Request(CL_Comm_HornHonkAlerting);
    EXPECT_EQ(ScopeOf(rq), cellscope::kThisCell);
}

TEST_F(MapWarnings, ScramblerChoiceOfAnEmptyCodeIsAnError)
{
    At(0x0432) = 11;  // code rows 0-4
    At(0x0433) = 0;
    At(0x011A) = 1;
    Show(CL_Set_Scrambler);
    EXPECT_FALSE(rq.HasError());
    Choose(CL_Set_Scrambler, 2);
    EXPECT_TRUE(rq.HasError());
    At(0x0433) = 5;
    Show(CL_Set_Scrambler);
    EXPECT_FALSE(rq.HasError());
    // Off, and values beyond the five rows, select no code.
    At(0x0432) = 0;
    At(0x011A) = 0;
    Show(CL_Set_Scrambler);
    EXPECT_FALSE(rq.HasError());
    At(0x011A) = 9;
    Show(CL_Set_Scrambler);
    EXPECT_FALSE(rq.HasError());
}

}  // namespace
}  // namespace xtr::test
