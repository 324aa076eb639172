// Storing a text into a cell as the grid would: the drop-down list a cell
// offers is found with a probe of its own, and whatever user interface and
// message service the program had installed are still in place afterwards.
#include "map_fixture.h"

#include "cells/cell_text_edit.h"

namespace xtr::test {
namespace {

class CellTextEdit : public MapCells {
protected:
    CellEdit Edit(std::int32_t id, const std::string& text)
    {
        cmcCellObj target;
        target.cellId = id;
        return EditCell(host, target, text);
    }
};

TEST_F(CellTextEdit, ListAndTypedEditsLeaveTheInstalledServicesInPlace)
{
    At(0x011A) = 0;
    const CellEdit picked = Edit(CL_Set_Scrambler, "#3");
    EXPECT_TRUE(picked.accepted) << picked.reason;
    EXPECT_EQ(At(0x011A), 3);
    // The probe that found the list is gone; the grid's drop-down handler
    // and the program's boxes are back, and neither was asked anything.
    EXPECT_EQ(&TheCellUi(), &ui);
    EXPECT_EQ(&Messages(), &messages);
    EXPECT_TRUE(ui.opened.empty());
    EXPECT_TRUE(messages.asked.empty());

    const CellEdit typed = Edit(CL_Comm_TOTTimer, "200");
    EXPECT_TRUE(typed.accepted) << typed.reason;
    EXPECT_EQ(At(0x0143), 200);
    EXPECT_EQ(&TheCellUi(), &ui);
    EXPECT_EQ(&Messages(), &messages);
}

TEST_F(CellTextEdit, RefusedTextLeavesTheImageAsItWas)
{
    At(0x011A) = 2;
    cmcEeprom before;
    before.CopyFrom(host.CurrentImage());
    const CellEdit edit = Edit(CL_Set_Scrambler, "no such item");
    EXPECT_FALSE(edit.accepted);
    EXPECT_FALSE(edit.reason.empty());
    EXPECT_FALSE(host.CurrentImage().Differs(before));
    EXPECT_EQ(&TheCellUi(), &ui);
}

TEST_F(CellTextEdit, ATextTheCellRefusesIsReportedWithTheCellsReason)
{
    At(0x0143) = 120;
    cmcEeprom before;
    before.CopyFrom(host.CurrentImage());
    const CellEdit edit = Edit(CL_Comm_TOTTimer, "soon");
    EXPECT_FALSE(edit.accepted);
    EXPECT_EQ(edit.reason, GTex().FirstLine(cellrefusal::kNoNumber));
    EXPECT_FALSE(host.CurrentImage().Differs(before));
}

}  // namespace
}  // namespace xtr::test
