// Editors that store into their cell after the grid has moved on.
#include "cells/cell_request_copy.h"

#include "app/environ.h"
#include "app/globals.h"
#include "app/local_instance_guard.h"
#include "app/memory_settings.h"
#include "cells/cell_names.h"
#include "cells/map/map_display_texts.h"
#include "cell_rig.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace xtr {
namespace {

struct Notified {
    std::int32_t cellId;
    std::uint32_t scope;
};

void Record(void* context, const cmcCellCapsule& request, std::uint32_t scope)
{
    static_cast<std::vector<Notified>*>(context)->push_back({request.cell->cellId, scope});
}

class CellRequestCopyTest : public ::testing::Test {
protected:
    CellRequestCopyTest()
        : env_(std::make_unique<indEnviron>(kEnvironGuardName, kEnvironPerUserKey,
                                            EnvironServices{&settings_, &guard_, ScreenSize{1024, 768}}))
    {
        SetEnv(env_.get());
    }
    ~CellRequestCopyTest() override { SetEnv(nullptr); }

    std::vector<std::uint8_t> At(std::int32_t address, int n)
    {
        const std::uint8_t* p = rig.Image().Data() + address;
        return {p, p + n};
    }

    test::CellRig rig{"#GI_Sys_AppTitle\nTest\n#End_Of_Ovl\n"};

private:
    MemorySettings settings_;
    LocalInstanceGuard guard_;
    std::unique_ptr<indEnviron> env_;
};

TEST_F(CellRequestCopyTest, StoresIntoTheCellItWasOpenedOn)
{
    std::vector<Notified> notified;
    cmcCellCapsule& rq = rig.Request(CL_CEdit, 2);
    rq.changeNotify = Record;
    rq.changeContext = &notified;
    CellRequestCopy copy(rq);
    // The grid moves on: its cell object now stands for another cell.
    rig.Request(CL_SysMes_OK);

    const cmcCellCapsule& answer = copy.Store("15384");
    EXPECT_EQ(At(kUserCharMasks + 4, 2), (std::vector<std::uint8_t>{0x3C, 0x18}));
    EXPECT_EQ(answer.displayText, std::string(1, '\x12'));
    ASSERT_EQ(notified.size(), 1U);
    EXPECT_EQ(notified[0].cellId, CL_CEdit);
    EXPECT_NE(notified[0].scope & cellscope::kEveryCell, 0U);
}

TEST_F(CellRequestCopyTest, TextStoresDecodeTheEscapeText)
{
    CellRequestCopy copy(rig.Request(CL_SysMes_Queue));  // 3 characters, zero-terminated
    const std::int32_t address = DisplayTextSlotOf(CL_SysMes_Queue)->Address();
    copy.Store("A%1FB");
    EXPECT_EQ(At(address, 3), (std::vector<std::uint8_t>{0x41, 0x1F, 0x42}));
    copy.Store("%");
    EXPECT_EQ(At(address, 3), (std::vector<std::uint8_t>{'%', 0, 0}));
    // A request without a cell reaches no cell and stores nothing.
    cmcCellCapsule empty;
    CellRequestCopy none(empty);
    none.Store("ZZZ");
    EXPECT_EQ(At(address, 3), (std::vector<std::uint8_t>{'%', 0, 0}));
}

}  // namespace
}  // namespace xtr
