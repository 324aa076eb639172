// The shipped overlay carries every text and selection list that the list
// cells and the row commands ask for; a missing one would end the program
// the first time a list is shown.
#include "cells/cell_names.h"
#include "cells/fcache.h"
#include "overlay/gtex.h"
#include "support/overlay_guard.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace xtr::test {
namespace {

TEST(MapListOverlay, ShippedOverlayHoldsTheListTexts)
{
    auto overlay = OverlayGuard::Shipped();
    cmcGTex& store = overlay->Store();
    for (const char* key :
         {"GI_Sys_AppTitle", "GI_AppMess_S_Copy", "GI_AppMess_S_Paste", "GI_AppMess_S_Clear", "GI_AppMess_S_Delete",
          "GI_AppMess_S_Insert", "GI_AppMess_Conv_Overwrite", "GI_AppMess_Conv_Clear", "GI_AppMess_Conv_Delete",
          "GI_AppMess_Conv_Overflow", "GI_AppInd_OutofCh", "GI_AppInd_NoQuery", "GI_AppInd_DirM_Dyn_Cps",
          "GI_AppInd_ScrmCodeOff", "GI_AppItem_Ctcss"}) {
        EXPECT_TRUE(store.HasEntry(key)) << key;
    }
    std::string line;
    EXPECT_TRUE(store.TryText("GI_AppInd_OutofCh", 1, line)) << "the rows after the first free one";

    // Each list has an item for every value the cells can hold.
    cmcFCache lists(store);
    const std::vector<std::pair<const char*, std::vector<std::int32_t>>> values = {
        {"GI_Sheet_Sel_Query", {0, 1}},
        {"GI_Sheet_Sel_AadType", {0, 1, 2, 3}},
        {"GI_Sheet_Sel_Ch_TxInh", {0, 1}},
        {"GI_Sheet_Sel_Ch_Nar", {0, 1}},
        {"GI_Sheet_Sel_Misc_OnOff2", {0, 1}},
        {"GI_Sheet_Sel_Ch_RfPower", {0, 1, 2}},
        {"GI_Sheet_Sel_Ch_Lockout", {0, 1, 2, 3}},
        {"GI_Sheet_Sel_Ctcss", {0, 52}},
    };
    for (const auto& [list, items] : values) {
        for (std::int32_t value : items) {
            EXPECT_NE(lists.TextOf(list, Flex0, value), "error") << list << " " << value;
        }
    }
    // Channel steps are in Hz: each lies on the 2500 or the 3125 Hz raster.
    const cmcFCache::Table& steps = lists.TableOf("GI_Sheet_Sel_ChStep", Flex0);
    ASSERT_FALSE(steps.byValue.empty());
    for (const cmcFCache::Item& item : steps.byValue) {
        EXPECT_TRUE(item.value % 2500 == 0 || item.value % 3125 == 0) << item.value;
    }
}

}  // namespace
}  // namespace xtr::test
