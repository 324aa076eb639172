// The selection-list cache: item texts, stepping in layout order, and one
// reading of each list.
#include "cells/cell_names.h"
#include "cells/fcache.h"
#include "support/overlay_guard.h"

#include <gtest/gtest.h>

namespace xtr {
namespace {

const char kLists[] =
    "#GI_Sheet_Sel_Grid_Cells\n"
    "{S(%Flex0[10])}A|{S(%Flex0[30])}C\n"
    "{S(%Flex0[20])}B|{S(%Flex0[40])}D\n"
    "#GI_Sheet_Sel_Mixed_Cells\n"
    "{S(%Flex0[5])}Five|{S(%FlexDtcs[53])}Code|Label\n"
    "{S(%Flex0[1])}One|{S(%Flex0[3]:three)}\n"
    ":(LoopFrom 2)\n"
    "#GI_Sheet_Sel_Gap_Cells\n"
    "{S(%Flex0[0])}Zero\n"
    "\n"
    "{S(%Flex0[1])}One\n"
    "#End_Of_Ovl\n";

class FCache : public ::testing::Test {
protected:
    std::unique_ptr<test::OverlayGuard> overlay = test::OverlayGuard::FromText(kLists);
    cmcFCache cache{overlay->Store()};
};

TEST_F(FCache, TextOfAValueIsItsCaptionOrError)
{
    EXPECT_EQ(cache.TextOf("GI_Sheet_Sel_Grid", Flex0, 30), "C");
    EXPECT_EQ(cache.TextOf("GI_Sheet_Sel_Grid", Flex0, 10), "A");
    EXPECT_EQ(cache.TextOf("GI_Sheet_Sel_Grid", Flex0, 25), "error");
    EXPECT_EQ(cache.TextOf("GI_Sheet_Sel_Grid", Flex0, 41), "error");
    // Items of another kind in the same list, and a caption-less item that
    // shows its parameter.
    EXPECT_EQ(cache.TextOf("GI_Sheet_Sel_Mixed", FlexDtcs, 53), "Code");
    EXPECT_EQ(cache.TextOf("GI_Sheet_Sel_Mixed", Flex0, 53), "error");
    EXPECT_EQ(cache.TextOf("GI_Sheet_Sel_Mixed", Flex0, 3), "three");
}

TEST_F(FCache, StepsColumnByColumnAndWrapsAtBothEnds)
{
    const auto step = [&](std::int32_t v, std::int32_t s) { return cache.Step("GI_Sheet_Sel_Grid", Flex0, v, s); };
    // Line 0 position 0, line 1 position 0, line 0 position 1, line 1 position 1.
    EXPECT_EQ(step(10, 1), 20);
    EXPECT_EQ(step(20, 1), 30);
    EXPECT_EQ(step(30, 1), 40);
    EXPECT_EQ(step(40, 1), 10);
    EXPECT_EQ(step(10, -1), 40);
    EXPECT_EQ(step(30, -1), 20);
    // A value that is not in the list goes to the first item either way.
    EXPECT_EQ(step(25, 1), 10);
    EXPECT_EQ(step(25, -1), 10);
}

TEST_F(FCache, TablesHoldOnlyTheWantedKindInValueAndLayoutOrder)
{
    const cmcFCache::Table& table = cache.TableOf("GI_Sheet_Sel_Mixed", Flex0);
    EXPECT_EQ(table.lineCount, 3);
    EXPECT_EQ(table.widestLine, 3);
    ASSERT_EQ(table.byValue.size(), 3u);
    EXPECT_EQ(table.byValue[0].value, 1);
    EXPECT_EQ(table.byValue[1].value, 3);
    EXPECT_EQ(table.byValue[2].value, 5);
    // Column 0 top to bottom (5, 1), then column 1 (3).
    EXPECT_EQ(table.byLayout[0].value, 5);
    EXPECT_EQ(table.byLayout[1].value, 1);
    EXPECT_EQ(table.byLayout[2].value, 3);
    EXPECT_EQ(table.byLayout[2].line, 1);
    EXPECT_EQ(table.byLayout[2].position, 1);
    EXPECT_EQ(cache.TableCount(), 1u);
    cache.TableOf("GI_Sheet_Sel_Mixed", FlexDtcs);
    EXPECT_EQ(cache.TableCount(), 2u);
}

TEST_F(FCache, EachListIsReadFromTheOverlayOnce)
{
    EXPECT_EQ(cache.TextOf("GI_Sheet_Sel_Grid", Flex0, 20), "B");
    const std::uint64_t reads = overlay->Store().Counters().bodyReads;
    for (int i = 0; i < 10; ++i) {
        cache.TextOf("GI_Sheet_Sel_Grid", Flex0, i * 10);
        cache.Step("GI_Sheet_Sel_Grid", Flex0, i * 10, 1);
    }
    EXPECT_EQ(overlay->Store().Counters().bodyReads, reads);
    EXPECT_EQ(cache.TableCount(), 1u);
}

// A key pressed on a selection cell that was never drawn steps from the
// real list, not from nothing.
TEST_F(FCache, SteppingBuildsTheListWhenItIsNotReadYet)
{
    EXPECT_EQ(cache.Step("GI_Sheet_Sel_Grid", Flex0, 40, 1), 10);
    EXPECT_EQ(cache.Step("GI_Sheet_Sel_Grid", FlexKeyOpt, 7, 1), 7) << "no item of that kind: value kept";
}

TEST_F(FCache, AnEmptyLineInAListHoldsNoItem)
{
    EXPECT_EQ(cache.TextOf("GI_Sheet_Sel_Gap", Flex0, 1), "One");
    EXPECT_EQ(cache.TableOf("GI_Sheet_Sel_Gap", Flex0).lineCount, 3);
    EXPECT_EQ(cache.Step("GI_Sheet_Sel_Gap", Flex0, 0, 1), 1);
}

TEST(FCacheDeath, AListMissingFromTheOverlayIsFatal)
{
    auto overlay = test::OverlayGuard::FromText(kLists);
    cmcFCache cache(overlay->Store());
    EXPECT_EXIT(cache.TextOf("GI_Sheet_Sel_Missing", Flex0, 0), ::testing::ExitedWithCode(3),
                "GI_Sheet_Sel_Missing_Cells");
}

}  // namespace
}  // namespace xtr
