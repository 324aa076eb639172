// The display-text cells and the user-defined characters, through the cell
// dispatch.
#include "cells/map/map_display_texts.h"

#include "app/environ.h"
#include "app/globals.h"
#include "app/local_instance_guard.h"
#include "app/memory_settings.h"
#include "cells/cell_handlers_families.h"
#include "cells/lists/ch_record.h"
#include "cell_rig.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

namespace xtr {
namespace {

const char* const kOverlay =
    "Overlay of the display text tests.\n"
    "#GI_Sys_AppTitle\nTest Title\n"
    "#GI_AppInd_CpsOnly\nCps only\n"
    "#GI_AppInd_MptOnly\nMpt only\n"
    "#End_Of_Ovl\n";

constexpr std::int32_t kDirectoryRow3 = 0x061C + 29 * 3;
constexpr std::int32_t kStatusRow30 = 0x0AA4 + 10 * 30;

std::vector<std::uint8_t> BytesAt(cmcEeprom& image, std::int32_t address, int n)
{
    return {image.Data() + address, image.Data() + address + n};
}
std::vector<std::uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }
void Put(cmcEeprom& image, std::int32_t address, std::string_view bytes)
{
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        image.SetByte(address + static_cast<std::int32_t>(i), static_cast<std::uint8_t>(bytes[i]));
    }
}

struct OpenedEditor {
    std::int32_t cellId;
    int length;
    std::string text;
    bool selectAll;
    std::uint16_t mask;
};

class RecordingEditors : public SegmentEditors {
public:
    void OpenText(const cmcCellCapsule& request, int length, const std::string& text, bool selectAll) override
    {
        opened.push_back({request.cell->cellId, length, text, selectAll, 0});
    }
    void OpenCharacter(const cmcCellCapsule& request, std::uint16_t mask) override
    {
        opened.push_back({request.cell->cellId, 0, "", false, mask});
    }
    std::vector<OpenedEditor> opened;
};

class DisplayTextCells : public ::testing::Test {
protected:
    DisplayTextCells()
        : env_(std::make_unique<indEnviron>(kEnvironGuardName, kEnvironPerUserKey,
                                            EnvironServices{&settings_, &guard_, ScreenSize{1024, 768}}))
    {
        previousEnv_ = SetEnv(env_.get());
        RegisterDisplayTextCells(rig.registry);
        CellListHooks hooks;
        hooks.createRecord = CreateChRecord;
        rig.registry.SetListHooks(hooks);
    }
    indEnviron* previousEnv_ = nullptr;  // put back on destruction
    ~DisplayTextCells() override
    {
        SetSegmentEditors(nullptr);
        SetEnv(previousEnv_);
    }

    void UseCps(bool cps) { env_->modelType = cps ? 1 : 0; }
    cmcEeprom& Image() { return rig.Image(); }
    static std::int32_t SlotAddress(std::int32_t cellId) { return DisplayTextSlotOf(cellId)->Address(); }

    // Stores text with commit mode 2, as the text popup does.
    const std::string& Preview(std::int32_t id, const std::string& text, std::int32_t index = 0,
                               std::uint32_t category = kCategoryNone)
    {
        rig.Request(id, index, category);
        rig.rq.commitMode = cellcommit::kPreview;
        rig.rq.editText = text;
        rig.Run();
        return rig.rq.displayText;
    }

    test::CellRig rig{kOverlay};

private:
    MemorySettings settings_;
    LocalInstanceGuard guard_;
    std::unique_ptr<indEnviron> env_;
};

TEST_F(DisplayTextCells, EveryMessageCellHasOneSlotOfTheTable)
{
    std::set<std::int32_t> cells;
    for (const DisplayTextSlot& slot : DisplayTextSlots()) {
        if (slot.cellId != kCellNone) {
            EXPECT_TRUE(cells.insert(slot.cellId).second) << "cell in two slots: " << slot.cellId;
        }
    }
    for (std::int32_t id = CL_SysMes_Aborted; id <= CL_SysMes_US_Horn; ++id) {
        EXPECT_EQ(cells.count(id), IsYetCell(id) ? 0u : 1u) << CellName(id);
    }
    EXPECT_EQ(cells.size(), 55u);  // with the opening text
    EXPECT_EQ(DisplayTextSlots().back().Address() + kDisplayTextSlotSize - 1, 0x121C);
    EXPECT_EQ(DisplayTextSlotOf(CL_SysMes_Queue)->Address(), 0x0FED + 10 * 23);
}

TEST_F(DisplayTextCells, MessagesShowTheirBytesUpToZeroOrTheirLength)
{
    Put(Image(), SlotAddress(CL_Comm_OpeningText1), std::string("HELLO\0XYZW", 10));
    EXPECT_EQ(rig.Show(CL_Comm_OpeningText1), "HELLO");
    Put(Image(), SlotAddress(CL_SysMes_Queue), "ABCDEFGHIJ");
    EXPECT_EQ(rig.Show(CL_SysMes_Queue), "ABC");
    // Spaces before the zero are text; codes without keys are shown as they
    // are (the grid draws them as segments).
    Put(Image(), SlotAddress(CL_SysMes_On), std::string("\x10" "N \0\0", 5));
    EXPECT_EQ(rig.Show(CL_SysMes_On), "\x10" "N ");
    EXPECT_FALSE(rig.rq.HasError());
}

TEST_F(DisplayTextCells, CommitsStoreTheEscapeTextIntoTheirSlotOnly)
{
    const std::int32_t low = SlotAddress(CL_SysMes_Low);  // 5 characters in a 10-byte slot
    Put(Image(), low, "0123456789");
    Put(Image(), low + 10, "NEIGHBOUR!");
    EXPECT_EQ(rig.Commit(CL_SysMes_Low, "A%1FB"), "A\x1F" "B");
    EXPECT_EQ(BytesAt(Image(), low, 10), Bytes(std::string("A\x1F" "B\0\0" "56789", 10)));

    // The popup's live preview stores as well; long texts are cut.
    EXPECT_EQ(Preview(CL_SysMes_Low, "FAR TOO LONG FOR FIVE"), "FAR T");
    EXPECT_EQ(BytesAt(Image(), low, 10), Bytes("FAR T56789"));
    EXPECT_EQ(BytesAt(Image(), low + 10, 10), Bytes("NEIGHBOUR!"));
    EXPECT_GE(rig.host.imageChanged, 2);

    // A code the radio cannot draw shows as %81 and comes back as text.
    Put(Image(), SlotAddress(CL_SysMes_OK), std::string("\x81\0", 2));
    rig.Key(CL_SysMes_OK, cellkey::kEnter);
    EXPECT_EQ(rig.rq.displayText, "%81");
    const std::string escape = rig.rq.displayText;
    rig.Commit(CL_SysMes_OK, escape);
    EXPECT_EQ(BytesAt(Image(), SlotAddress(CL_SysMes_OK), 4), (std::vector<std::uint8_t>{0x25, 0x38, 0x31, 0x00}));
}

TEST_F(DisplayTextCells, KeysOpenTheEditorOnTheEscapeText)
{
    Put(Image(), SlotAddress(CL_SysMes_Failed), std::string("50%\x1F\0", 5));
    // Without the popup, the grid's own editor opens.
    rig.Key(CL_SysMes_Failed, cellkey::kEnter);
    EXPECT_EQ(rig.editor, celleditor::kInPlace);
    EXPECT_EQ(rig.rq.displayText, "50%%%1F");
    EXPECT_EQ(rig.rq.selStart, 0);
    EXPECT_EQ(rig.rq.selLength, 7);
    rig.Key(CL_SysMes_Failed, cellkey::kBackspace);
    EXPECT_EQ(rig.rq.displayText, "50%%%1F");
    rig.Key(CL_SysMes_Failed, 'q');
    EXPECT_EQ(rig.editor, celleditor::kInPlace);
    EXPECT_EQ(rig.rq.displayText, "q");
    EXPECT_EQ(rig.rq.selStart, 1);
    EXPECT_EQ(rig.rq.selLength, 0);
    rig.Key(CL_SysMes_Failed, cellkey::kDown);
    EXPECT_EQ(rig.editor, celleditor::kNone);

    // With the popup installed, it opens instead.
    RecordingEditors editors;
    SetSegmentEditors(&editors);
    rig.Key(CL_SysMes_Failed, cellkey::kEnter);
    rig.Key(CL_SysMes_Queue, 'Z');
    EXPECT_EQ(rig.editor, celleditor::kNone);
    ASSERT_EQ(editors.opened.size(), 2u);
    EXPECT_EQ(editors.opened[0].length, 10);
    EXPECT_EQ(editors.opened[0].text, "50%%%1F");
    EXPECT_TRUE(editors.opened[0].selectAll);
    EXPECT_EQ(editors.opened[1].length, 3);
    EXPECT_EQ(editors.opened[1].text, "Z");
    EXPECT_FALSE(editors.opened[1].selectAll);

    // Requests that do not come from the grid never open anything.
    rig.Request(CL_SysMes_Failed).key = cellkey::kEnter;
    rig.rq.grid = nullptr;
    rig.Run();
    EXPECT_EQ(editors.opened.size(), 2u);
    EXPECT_EQ(rig.rq.displayText, "50%\x1F");
}

TEST_F(DisplayTextCells, KilledMessageBelongsToTheCpsVariant)
{
    const std::int32_t killed = SlotAddress(CL_SysMes_Killed_Cps);
    Put(Image(), killed, std::string("KILLED\0", 7));
    UseCps(false);
    EXPECT_EQ(rig.Show(CL_SysMes_Killed_Cps), "Cps only");
    EXPECT_EQ(rig.canvas.color, kColorIndication);
    rig.Commit(CL_SysMes_Killed_Cps, "NEW");
    EXPECT_EQ(BytesAt(Image(), killed, 7), Bytes(std::string("KILLED\0", 7)));
    rig.Key(CL_SysMes_Killed_Cps, 'A');
    EXPECT_EQ(rig.editor, celleditor::kNone);

    UseCps(true);
    EXPECT_EQ(rig.Show(CL_SysMes_Killed_Cps), "KILLED");
    EXPECT_EQ(rig.Commit(CL_SysMes_Killed_Cps, "GONE"), "GONE");
}

TEST_F(DisplayTextCells, ListTextsAreBlankPaddedRowFields)
{
    Put(Image(), kDirectoryRow3, "JOHN      ");
    Put(Image(), kDirectoryRow3 + 10, std::string(16, '\x12'));  // the number field
    EXPECT_EQ(rig.Show(CL_DirM_Text, 3, CT_DirM), "JOHN");
    EXPECT_EQ(rig.Commit(CL_DirM_Text, "BOB%10", 3, CT_DirM), "BOB\x10");
    EXPECT_EQ(BytesAt(Image(), kDirectoryRow3, 10), Bytes("BOB\x10      "));
    EXPECT_EQ(BytesAt(Image(), kDirectoryRow3 + 10, 16), std::vector<std::uint8_t>(16, 0x12));

    EXPECT_EQ(Preview(CL_CallSC_Text, "READY", 30, CT_StCall), "READY");
    EXPECT_EQ(BytesAt(Image(), kStatusRow30, 10), Bytes("READY     "));
    rig.Key(CL_CallSC_Text, cellkey::kEnter, 30, CT_StCall);
    EXPECT_EQ(rig.rq.displayText, "READY");

    // No row of the list under the cell: nothing is read or written.
    const std::vector<std::uint8_t> after = BytesAt(Image(), kStatusRow30 + 10, 10);
    EXPECT_EQ(rig.Commit(CL_CallSC_Text, "X", 31, CT_StCall), "");
    EXPECT_EQ(rig.Commit(CL_DirM_Text, "X", 3, kCategoryNone), "");
    EXPECT_EQ(BytesAt(Image(), kStatusRow30 + 10, 10), after);
}

TEST_F(DisplayTextCells, UserCharactersStoreTheirMask)
{
    std::uint32_t scope = 0;
    auto notify = [](void* context, const cmcCellCapsule&, std::uint32_t s) { *static_cast<std::uint32_t*>(context) = s; };

    rig.Request(CL_CEdit, 4, CT_CEdit);
    rig.rq.commitMode = cellcommit::kPreview;
    rig.rq.editText = "15384";
    rig.rq.changeNotify = notify;
    rig.rq.changeContext = &scope;
    rig.Run();
    EXPECT_EQ(BytesAt(Image(), 0x0168 + 8, 2), (std::vector<std::uint8_t>{0x3C, 0x18}));
    EXPECT_EQ(rig.rq.displayText, std::string(1, '\x14'));  // character 16 + 4
    EXPECT_NE(scope & cellscope::kEveryCell, 0u);  // every text may show it

    for (const char* notAMask : {"abc", "70000", "-1", "12x", ""}) {
        Preview(CL_CEdit, "8192", 4, CT_CEdit);
        Preview(CL_CEdit, notAMask, 4, CT_CEdit);
        EXPECT_EQ(BytesAt(Image(), 0x0168 + 8, 2), (std::vector<std::uint8_t>{0, 0})) << notAMask;
    }

    Preview(CL_CEdit, "8192", 15, CT_CEdit);
    rig.Key(CL_CEdit, cellkey::kEnter, 15, CT_CEdit);
    EXPECT_EQ(rig.editor, celleditor::kInPlace);
    EXPECT_EQ(rig.rq.displayText, "8192");
    RecordingEditors editors;
    SetSegmentEditors(&editors);
    rig.Key(CL_CEdit, cellkey::kEnter, 15, CT_CEdit);
    ASSERT_EQ(editors.opened.size(), 1u);
    EXPECT_EQ(editors.opened[0].mask, 0x2000);
    EXPECT_EQ(rig.editor, celleditor::kNone);
    EXPECT_EQ(rig.Show(CL_CEdit, 16, CT_CEdit), "");  // there are 16 characters
}

}  // namespace
}  // namespace xtr
