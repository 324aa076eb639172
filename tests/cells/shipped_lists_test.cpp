// The choice lists of the shipped overlay as the list cache reads them.
#include "cells/cell_names.h"
#include "cells/fcache.h"
#include "support/overlay_guard.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace xtr {
namespace {

using test::OverlayGuard;

const char* const kLists[] = {
    "GI_Sheet_Sel_AadType", "GI_Sheet_Sel_Backlight", "GI_Sheet_Sel_CLIME", "GI_Sheet_Sel_ChSpacing",
    "GI_Sheet_Sel_ChStep", "GI_Sheet_Sel_Ch_Lockout", "GI_Sheet_Sel_Ch_Nar", "GI_Sheet_Sel_Ch_RfPower",
    "GI_Sheet_Sel_Ch_TxInh", "GI_Sheet_Sel_Comm_RfPower", "GI_Sheet_Sel_Comm_RxAfSw", "GI_Sheet_Sel_Comm_StartScr",
    "GI_Sheet_Sel_ControlCategory", "GI_Sheet_Sel_Ctcss", "GI_Sheet_Sel_Ctcss_Burst", "GI_Sheet_Sel_DynGrp_Cps",
    "GI_Sheet_Sel_DynGrp_Mpt", "GI_Sheet_Sel_FFSK_Modulation", "GI_Sheet_Sel_Hook", "GI_Sheet_Sel_KeyAssign_Conve",
    "GI_Sheet_Sel_KeyAssign_Trunk", "GI_Sheet_Sel_Maker_DtcsPolar", "GI_Sheet_Sel_Maker_PllType",
    "GI_Sheet_Sel_Map27Baud", "GI_Sheet_Sel_MicGain", "GI_Sheet_Sel_Misc_Enable", "GI_Sheet_Sel_Misc_Enable_I",
    "GI_Sheet_Sel_Misc_OnOff", "GI_Sheet_Sel_Misc_OnOff2", "GI_Sheet_Sel_Misc_OnOff_I", "GI_Sheet_Sel_Misc_YesNo",
    "GI_Sheet_Sel_NetworkType", "GI_Sheet_Sel_Pers_RfPower", "GI_Sheet_Sel_Query", "GI_Sheet_Sel_QueueDel",
    "GI_Sheet_Sel_Ringer", "GI_Sheet_Sel_Scrambler", "GI_Sheet_Sel_Scrm_Syn", "GI_Sheet_Sel_Scrm_Timing",
    "GI_Sheet_Sel_Scrm_Type", "GI_Sheet_Sel_Send8PABX", "GI_Sheet_Sel_StepCLIM_Cps", "GI_Sheet_Sel_StepCLIM_Mpt",
    "GI_Sheet_Sel_SyncCodeword", "GI_Sheet_Sel_TSCLIM"};

// Every list reads as choices with distinct values and distinct, non-empty
// texts; an empty line inside a list would break the cache, and two
// choices with one text could not be told apart in the drop-down list.
TEST(ShippedLists, EveryListHasDistinctChoices)
{
    auto overlay = OverlayGuard::Shipped();
    cmcFCache cache(overlay->Store());
    for (const char* list : kLists) {
        SCOPED_TRACE(list);
        const cmcFCache::Table& table = cache.TableOf(list, Flex0);
        EXPECT_GE(table.byLayout.size(), 2u);
        std::set<std::int32_t> values;
        std::set<std::string> captions;
        for (const cmcFCache::Item& item : table.byLayout) {
            EXPECT_TRUE(values.insert(item.value).second) << "value " << item.value;
            EXPECT_FALSE(item.caption.empty()) << "value " << item.value;
            EXPECT_TRUE(captions.insert(item.caption).second) << item.caption;
            EXPECT_EQ(cache.TextOf(list, Flex0, item.value), item.caption);
        }
        std::string line;
        for (int n = 0; n < table.lineCount; ++n) {
            ASSERT_TRUE(overlay->Store().TryText(std::string(list) + "_Cells", n, line));
            EXPECT_FALSE(line.empty()) << "line " << n;
        }
    }
}

// Bit fields of one or two bits hold every value they can: a value the
// radio may hold but the list lacks would show as "error".
TEST(ShippedLists, TwoWayChoicesCoverBothValues)
{
    auto overlay = OverlayGuard::Shipped();
    cmcFCache cache(overlay->Store());
    for (const char* list :
         {"GI_Sheet_Sel_Misc_Enable", "GI_Sheet_Sel_Misc_Enable_I", "GI_Sheet_Sel_Misc_OnOff",
          "GI_Sheet_Sel_Misc_OnOff2", "GI_Sheet_Sel_Misc_OnOff_I", "GI_Sheet_Sel_Misc_YesNo", "GI_Sheet_Sel_Ch_TxInh",
          "GI_Sheet_Sel_Ch_Nar", "GI_Sheet_Sel_NetworkType", "GI_Sheet_Sel_ChSpacing", "GI_Sheet_Sel_FFSK_Modulation",
          "GI_Sheet_Sel_Ctcss_Burst", "GI_Sheet_Sel_Scrm_Type", "GI_Sheet_Sel_TSCLIM", "GI_Sheet_Sel_Query"}) {
        EXPECT_NE(cache.TextOf(list, Flex0, 0), "error") << list;
        EXPECT_NE(cache.TextOf(list, Flex0, 1), "error") << list;
    }
    for (const char* list : {"GI_Sheet_Sel_Ch_Lockout", "GI_Sheet_Sel_Hook", "GI_Sheet_Sel_Scrm_Syn",
                             "GI_Sheet_Sel_Scrm_Timing", "GI_Sheet_Sel_Maker_PllType"}) {
        for (std::int32_t value = 0; value < 4; ++value) {
            EXPECT_NE(cache.TextOf(list, Flex0, value), "error") << list << " " << value;
        }
    }
}

}  // namespace
}  // namespace xtr
