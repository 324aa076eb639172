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

// "#N" names an item only when N is a whole decimal number: a zero byte
// after the sign, or after the digits, is no "#0" or "#3".
TEST_F(CellTextEdit, ItemValuesMustBeWholeNumbers)
{
    At(0x011A) = 2;
    for (const std::string& typed : {std::string("#\0", 2), std::string("#3\0", 3), std::string("#\0" "19", 4),
                                     std::string("#3x"), std::string("# ")}) {
        const CellEdit edit = Edit(CL_Set_Scrambler, typed);
        EXPECT_FALSE(edit.accepted) << edit.shown;
        EXPECT_TRUE(edit.unknownItem);
        EXPECT_EQ(At(0x011A), 2);
    }
    const CellEdit picked = Edit(CL_Set_Scrambler, " #0 ");
    EXPECT_TRUE(picked.accepted) << picked.reason;
    EXPECT_FALSE(picked.unknownItem);
    EXPECT_EQ(At(0x011A), 0);
}

// A display text shows its characters but reads an escape text, so the
// text typed for the value it already holds may differ from the one shown:
// "%%" and "%25" both stand for "%", "%41" for "A". Such an entry changes
// nothing and is taken; so is a text the field cuts to the value it holds.
TEST_F(CellTextEdit, EscapesTypedForTheTextADisplayFieldHoldsAreTaken)
{
    const std::int32_t field = 0x0FED;  // the opening text, slot 0
    const auto put = [this, field](std::string_view bytes) {
        for (int i = 0; i < 10; ++i) {
            At(field + i) = i < static_cast<int>(bytes.size()) ? static_cast<std::uint8_t>(bytes[i]) : 0;
        }
    };
    struct Case {
        const char* held;
        const char* typed;
    };
    for (const Case& c : {Case{"%", "%25"}, Case{"%", "%%"}, Case{"50%", "50%%"}, Case{"AB", "%41B"},
                          Case{"ABCDEFGHIJ", "ABCDEFGHIJKL"}, Case{"", ""}}) {
        put(c.held);
        cmcEeprom before;
        before.CopyFrom(host.CurrentImage());
        const CellEdit edit = Edit(CL_Comm_OpeningText1, c.typed);
        EXPECT_TRUE(edit.accepted) << c.typed << ": " << edit.reason;
        EXPECT_EQ(edit.shown, c.held) << c.typed;
        EXPECT_FALSE(host.CurrentImage().Differs(before)) << c.typed;
    }
    // The same texts on another value are stored as the characters.
    put("XYZ");
    const CellEdit changed = Edit(CL_Comm_OpeningText1, "%25%41");
    EXPECT_TRUE(changed.accepted) << changed.reason;
    EXPECT_EQ(changed.shown, "%A");
    EXPECT_EQ(At(field + 2), 0);
}

}  // namespace
}  // namespace xtr::test
