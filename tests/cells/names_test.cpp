// Cell and category names: the table, the lookups and the fatal refusals.
#include "cells/categories.h"
#include "cells/cell_names.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace xtr {
namespace {

TEST(CellNames, EveryIdRoundTripsThroughItsName)
{
    std::set<std::string> seen;
    for (std::int32_t id = 0; id < kCellCount; ++id) {
        const std::string name(CellName(id));
        ASSERT_FALSE(name.empty()) << id;
        EXPECT_TRUE(seen.insert(name).second) << "doubled name " << name;
        EXPECT_EQ(CellIdOfName(name), id) << name;
    }
    EXPECT_EQ(seen.size(), 408u);
    EXPECT_EQ(CellName(kCellNone), "");
    EXPECT_EQ(CellName(-1), "");
}

// The first and last id of each group of the cell list: a line lost or
// doubled in the table moves one of them.
TEST(CellNames, GroupsStartAndEndAtTheirIds)
{
    const struct {
        const char* name;
        std::int32_t id;
    } kMarks[] = {
        {"CL_Null", 0}, {"FlexKeyOpt", 4}, {"CL_Menu_File_New", 5}, {"CL_Menu_Clone_Info", 20},
        {"CL_Model_Lmr128", 21}, {"CL_Model_TavoPmr", 26}, {"CL_Help_About", 27}, {"CL_Help_Contents", 28},
        {"CL_Menu_Debug_Compare", 29}, {"CL_Menu_Debug_EeWindow", 32}, {"CallSheet", 33},
        {"CL_Check_Person_Identity_Cps", 34}, {"CL_Check_SetMode_Scrm", 47}, {"CL_CloneInfo_Model", 48},
        {"CL_CloneInfo_Esn", 54}, {"CL_EeDebugWin_Adr", 55}, {"CL_EeDebugWin_0", 56}, {"CL_EeDebugWin_9", 65},
        {"CL_EeDebugWin_A", 66}, {"CL_EeDebugWin_F", 71}, {"CL_FBits", 72}, {"CL_PMenu_NoItem", 73},
        {"CL_PMenu_Insert", 81}, {"CL_Misc_ChNo_0Base", 82}, {"CL_Misc_SubCategory", 85},
        {"CL_Person_OwnPrefix", 86}, {"CL_Person_DebugReal_FleetInd", 96}, {"CL_Person_DebugReal_IdentGrp", 101},
        {"CL_Person_CRangeGrp_Max", 105}, {"CL_Pers5digit_No", 106}, {"CL_GroupCalls_Enable", 111},
        {"CL_SysMes_Aborted", 112}, {"CL_SysMes_Sure", 142}, {"CL_SysMes_US_Horn", 167},
        {"CL_SelGrp_Number", 168}, {"CL_CallGroup_Number", 176}, {"CL_CallOp_DespatcherPfix_Cps", 177},
        {"CL_CallOp_KilledEnable_Cps", 203}, {"CL_CallEmer_EmergencyCallEnable", 204}, {"CL_CallEmer_BeepLed", 215},
        {"CL_NetId_NetworkType", 216}, {"CL_Aad_Value", 242}, {"CL_TE_TA", 243}, {"CL_TE_NPOFF", 277},
        {"CL_HuntNNo", 278}, {"CL_Key_Conve", 290}, {"CL_Set_BacklightEnable", 291}, {"CL_Set_HookEnable", 321},
        {"CL_ScrmSel", 322}, {"CL_PersConv_FreqRx", 323}, {"CL_PersConv_ScanTag", 332},
        {"CL_Comm_CloneComment1", 333}, {"CL_Comm_HornHonkStatus", 359}, {"CL_MAP27_Enable", 360},
        {"CL_CEdit", 380}, {"CL_Maker_SqlDelay_Op", 381}, {"CL_Maker_SetModeAccess", 402},
        {"CL_Menu_File_RestoreBackup", 403}, {"CL_Menu_Clone_Options", 407},
    };
    for (const auto& mark : kMarks) {
        EXPECT_EQ(CellIdOfName(mark.name), mark.id) << mark.name;
    }
    // The enumerators the dispatch code uses are the same numbers.
    EXPECT_EQ(CL_SysMes_Sure, 142);
    EXPECT_EQ(CL_PersConv_FreqRx, 323);
}

TEST(CellNames, EmptyNamesMeanNone)
{
    EXPECT_EQ(CellIdOfName(""), kCellNone);
    EXPECT_EQ(CategoryOfName(""), kCategoryNone);
}

TEST(CellNamesDeathTest, UnknownOrMiscasedCellNameIsFatal)
{
    EXPECT_EXIT(CellIdOfName("cl_null"), ::testing::ExitedWithCode(3),
                "Cannot use the specified cell\\.\n'cl_null'");
    EXPECT_EXIT(CellIdOfName("CL_Comm_TOTTimer "), ::testing::ExitedWithCode(3),
                "Cannot use the specified cell\\.\n'CL_Comm_TOTTimer '");
    EXPECT_EXIT(CategoryOfName("CT_Nowhere"), ::testing::ExitedWithCode(3),
                "Cannot use the specified category\\.\n'CT_Nowhere'");
}

// Both kinds share one table; a name of the other kind is no answer.
TEST(CellNamesDeathTest, NameOfTheOtherKindIsRefused)
{
    EXPECT_EXIT(
        {
            CategoryOfName("CT_Conv");
            CellIdOfName("CT_Conv");
        },
        ::testing::ExitedWithCode(3), "Cannot use the specified cell\\.\n'CT_Conv'");
    EXPECT_EXIT(
        {
            CellIdOfName("CL_Comm_TOTTimer");
            CategoryOfName("CL_Comm_TOTTimer");
        },
        ::testing::ExitedWithCode(3), "Cannot use the specified category\\.\n'CL_Comm_TOTTimer'");
}

TEST(Categories, NamesNumbersAndListSlots)
{
    for (std::uint32_t category = 0; category < kCategoryCount; ++category) {
        EXPECT_EQ(CategoryOfName(CategoryName(category)), category);
    }
    EXPECT_EQ(CategoryOfName("CT_Null"), 0u);
    EXPECT_EQ(CategoryOfName("CT_PopupMenu"), 1u);
    EXPECT_EQ(CategoryOfName("CT_Conv"), 13u);
    EXPECT_EQ(CategoryOfName("CT_CEdit"), 15u);

    EXPECT_EQ(CategoryListSlot(CT_Null), 0);
    EXPECT_EQ(CategoryListSlot(CT_PopupMenu), 0);
    EXPECT_EQ(CategoryListSlot(kCategoryNone), 0);
    for (std::uint32_t category = CT_5Digit; category <= CT_CEdit; ++category) {
        EXPECT_EQ(CategoryListSlot(category), static_cast<int>(category) - 1);
    }
}

TEST(CategoriesDeathTest, SlotOfANumberBeyondNoneIsFatal)
{
    EXPECT_EXIT(CategoryListSlot(17), ::testing::ExitedWithCode(3), "Unknown Cell Category\\. \\(17\\)");
    EXPECT_EXIT(CategoryListSlot(0xFFFFFFFFu), ::testing::ExitedWithCode(3), "Unknown Cell Category\\. \\(-1\\)");
}

TEST(CellGroups, YetAndNoOpCells)
{
    int yet = 0;
    int noOp = 0;
    for (std::int32_t id = 0; id <= kCellNone; ++id) {
        yet += IsYetCell(id) ? 1 : 0;
        noOp += IsNoOpCell(id) ? 1 : 0;
        EXPECT_FALSE(IsYetCell(id) && IsNoOpCell(id)) << id;
    }
    EXPECT_EQ(yet, 62);
    EXPECT_EQ(noOp, 17);

    EXPECT_TRUE(IsYetCell(CL_SysMes_Sure));
    EXPECT_FALSE(IsYetCell(CL_SysMes_OK));
    for (std::int32_t id = CL_EeDebugWin_Adr; id <= CL_EeDebugWin_F; ++id) {
        EXPECT_TRUE(IsYetCell(id)) << id;
    }
    EXPECT_FALSE(IsYetCell(Flex0));
    EXPECT_TRUE(IsNoOpCell(kCellNone));
    EXPECT_TRUE(IsNoOpCell(CL_TE_TD));
    EXPECT_FALSE(IsNoOpCell(CL_TE_TC));
    EXPECT_FALSE(IsYetCell(-1));
    EXPECT_FALSE(IsNoOpCell(404));
}

}  // namespace
}  // namespace xtr
