// Menu items, tool buttons and pop-up items: their states on key 0, their
// commands on key 13, and the clone information they show.
#include "app/events.h"
#include "cells/lists/ch_clipboard.h"
#include "map_fixture.h"
#include "support/manual_time.h"

namespace xtr::test {
namespace {

class MapMenus : public MapCells {
protected:
    // A menu item asks for its state with its bits 2 to 5 cleared first.
    std::uint8_t StateOf(std::int32_t id, std::int32_t index = 0)
    {
        Request(id, index);
        rq.grid = nullptr;
        Run();
        return cell.state;
    }
    bool Execute(std::int32_t id, std::int32_t index = 0, const char* parameter = nullptr)
    {
        Request(id, index).key = cellkey::kEnter;
        rq.grid = nullptr;
        if (parameter != nullptr) {
            cell.parameter = parameter;
        }
        Run();
        return !rq.HasError();
    }
};

TEST_F(MapMenus, CommandsRunThroughTheHostAndFailWhenItCannot)
{
    EXPECT_TRUE(Execute(CL_Menu_File_Save));
    EXPECT_TRUE(Execute(CL_Menu_Clone_Read));
    EXPECT_TRUE(Execute(CL_Menu_File_Recent, 2));
    EXPECT_TRUE(Execute(CL_Menu_View_FontSize, 150));
    EXPECT_TRUE(Execute(CallSheet, 0, "GI_Sheet_Common"));
    ASSERT_EQ(host.ran.size(), 5u);
    EXPECT_EQ(host.ran[0].command, AppCommand::FileSave);
    EXPECT_EQ(host.ran[1].command, AppCommand::CloneRead);
    EXPECT_EQ(host.ran[2].command, AppCommand::OpenRecent);
    EXPECT_EQ(host.ran[2].argument, 2);
    EXPECT_EQ(host.ran[3].command, AppCommand::FontSize);
    EXPECT_EQ(host.ran[3].argument, 150);
    EXPECT_EQ(host.ran[4].command, AppCommand::ShowSheet);
    EXPECT_EQ(host.ran[4].text, "GI_Sheet_Common");

    // A host without windows cannot run them: the request says so.
    host.commandsRun = false;
    EXPECT_FALSE(Execute(CL_Menu_Clone_Write));
    EXPECT_FALSE(Execute(CL_Help_Contents));
    // A sheet command without a sheet name does not reach the host.
    host.ran.clear();
    EXPECT_FALSE(Execute(CallSheet));
    EXPECT_TRUE(host.ran.empty());
    // Asking for a state runs nothing.
    StateOf(CL_Menu_File_New);
    StateOf(CL_Menu_Clone_Write);
    EXPECT_TRUE(host.ran.empty());
}

TEST_F(MapMenus, RecentFilesTakeTheirCaptionAndHideEmptyPlaces)
{
    host.recent = {"radio.kcl", "/depot/fleet 2.kcl"};
    EXPECT_EQ(StateOf(CL_Menu_File_Recent, 0) & (state::kHidden | state::kDisabled), 0);
    EXPECT_TRUE(cell.state & state::kCaptionFromCell);
    EXPECT_EQ(cell.Caption(), "&1 radio.kcl");
    StateOf(CL_Menu_File_Recent, 1);
    EXPECT_EQ(cell.Caption(), "&2 /depot/fleet 2.kcl");

    EXPECT_EQ(StateOf(CL_Menu_File_Recent, 2) & (state::kHidden | state::kDisabled | state::kCaptionFromCell),
              state::kHidden | state::kDisabled);
    host.recent.clear();
    // The first place of an empty list stays, disabled.
    EXPECT_EQ(StateOf(CL_Menu_File_Recent, 0) & (state::kHidden | state::kDisabled), state::kDisabled);
}

TEST_F(MapMenus, ChecksFollowTheSettingsAndPrintingTheView)
{
    Settings().fontSizePercentage = 125;
    Settings().toolbarVisible = 1;
    Settings().comPort = 3;
    Settings().comSpeedHigh = 1;
    EXPECT_TRUE(StateOf(CL_Menu_View_FontSize, 125) & state::kChecked);
    EXPECT_FALSE(StateOf(CL_Menu_View_FontSize, 100) & state::kChecked);
    EXPECT_TRUE(StateOf(CL_Menu_View_ToolBar) & state::kChecked);
    EXPECT_TRUE(StateOf(CL_Menu_Port_Com, 3) & state::kChecked);
    EXPECT_FALSE(StateOf(CL_Menu_Port_Com, 1) & state::kChecked);
    EXPECT_TRUE(StateOf(CL_Menu_Port_SpeedHigh, 1) & state::kChecked);
    EXPECT_FALSE(StateOf(CL_Menu_Port_SpeedHigh, 0) & state::kChecked);
    Settings().toolbarVisible = 0;
    EXPECT_FALSE(StateOf(CL_Menu_View_ToolBar) & state::kChecked);

    EXPECT_TRUE(StateOf(CL_Menu_File_Print_Current) & state::kDisabled);
    host.canPrint = true;
    EXPECT_FALSE(StateOf(CL_Menu_File_Print_Current) & state::kDisabled);
}

TEST_F(MapMenus, PortAndSpeedAreStoredAndAnnounced)
{
    ManualTimeGuard time;
    cmcEvMan events;
    SetEvMan(&events);
    EXPECT_TRUE(Execute(CL_Menu_Port_Com, 4));
    EXPECT_EQ(Settings().comPort, 4);
    EXPECT_EQ(events.QueuedEvents(), 1);
    EXPECT_TRUE(Execute(CL_Menu_Port_SpeedHigh, 0));
    EXPECT_EQ(Settings().comSpeedHigh, 0);
    // Places that name no port or speed are refused, the settings kept.
    EXPECT_FALSE(Execute(CL_Menu_Port_Com, 0));
    EXPECT_FALSE(Execute(CL_Menu_Port_Com, 100));
    EXPECT_FALSE(Execute(CL_Menu_Port_SpeedHigh, 2));
    EXPECT_EQ(Settings().comPort, 4);
    EXPECT_EQ(Settings().comSpeedHigh, 0);
    EXPECT_TRUE(host.ran.empty());

    EXPECT_TRUE(Execute(CL_Help_About));
    EXPECT_EQ(events.QueuedEvents(), 2);
    SetEvMan(nullptr);
    EXPECT_FALSE(Execute(CL_Help_About));
}

TEST_F(MapMenus, TheEditMenuIsRefreshedOnEveryStateQuery)
{
    StateOf(CL_Menu_Edit_Top);
    ASSERT_EQ(host.ran.size(), 1u);
    EXPECT_EQ(host.ran[0].command, AppCommand::RefreshEditMenu);

    // Its placeholder shows only as the single entry of the Edit menu.
    host.editEntries = 1;
    EXPECT_EQ(StateOf(CL_PMenu_NoItem) & (state::kHidden | state::kDisabled), state::kDisabled);
    host.editEntries = 3;
    EXPECT_EQ(StateOf(CL_PMenu_NoItem) & (state::kHidden | state::kDisabled), state::kHidden | state::kDisabled);
}

// A list row as the dispatch loads it for the cell a pop-up menu was
// opened on: its slot and row, nothing else.
class SlotRow : public CellRecord {
public:
    void Load(int slot, std::int32_t row) override
    {
        slot_ = slot;
        row_ = row;
    }
    int Slot() const override { return slot_; }
    std::int32_t Row() const override { return row_; }
    bool InUse() const override { return true; }
    bool Appendable() const override { return true; }

private:
    int slot_ = 0;
    std::int32_t row_ = 0;
};

class MapPopupMenu : public MapMenus {
protected:
    MapPopupMenu()
    {
        CellListHooks hooks;
        hooks.createRecord = [](cmcEeprom&) -> std::unique_ptr<CellRecord> { return std::make_unique<SlotRow>(); };
        registry.SetListHooks(hooks);
    }
    ~MapPopupMenu() override { AppClipboard().Clear(); }

    // Whether the pop-up item is offered on row `row` of the list of
    // category `category`.
    bool Offered(std::int32_t item, std::uint32_t category, std::int32_t row)
    {
        listCell.Reset(nullptr);
        listCell.cellId = CL_Misc_ChNo_1Base;
        listCell.category = category;
        listCell.index = row;
        owner.Reset();
        owner.cell = &listCell;
        Request(item, 0, CT_PopupMenu).owner = &owner;
        rq.grid = nullptr;
        Run();
        return (cell.state & state::kDisabled) == 0;
    }

    cmcCellObj listCell;
    cmcCellCapsule owner;
};

TEST_F(MapPopupMenu, RowCommandsAreOfferedOnTheRowsOfTheList)
{
    // Hunt list (packed, rows 0-39) with 3 entries: rows 0-2.
    At(0x0D86) = 3;
    EXPECT_TRUE(Offered(CL_PMenu_Copy, CT_HuntCh, 2));
    EXPECT_FALSE(Offered(CL_PMenu_Copy, CT_HuntCh, 3));
    EXPECT_FALSE(Offered(CL_PMenu_Delete, CT_HuntCh, 10));
    EXPECT_FALSE(Offered(CL_PMenu_CarryUp, CT_HuntCh, 0));
    EXPECT_TRUE(Offered(CL_PMenu_CarryUp, CT_HuntCh, 1));
    EXPECT_TRUE(Offered(CL_PMenu_CarryDown, CT_HuntCh, 2));

    // Conventional channels: every row 0-31; carry down stops at 31.
    EXPECT_TRUE(Offered(CL_PMenu_Insert, CT_Conv, 31));
    EXPECT_FALSE(Offered(CL_PMenu_CarryDown, CT_Conv, 31));
    // Status texts start at row 1.
    EXPECT_FALSE(Offered(CL_PMenu_Clear, CT_StCall, 0));
    EXPECT_FALSE(Offered(CL_PMenu_CarryUp, CT_StCall, 1));
    EXPECT_TRUE(Offered(CL_PMenu_CarryDown, CT_StCall, 1));

    // A menu opened on a cell outside the lists offers no row command.
    EXPECT_FALSE(Offered(CL_PMenu_Copy, kCategoryNone, 0));
}

TEST_F(MapPopupMenu, PasteNeedsRowsOfTheSameList)
{
    EXPECT_FALSE(Offered(CL_PMenu_Paste, CT_Conv, 4));
    AppClipboard().Copy(host.CurrentImage(), 12, 0, 2);  // conventional channels
    EXPECT_TRUE(Offered(CL_PMenu_Paste, CT_Conv, 4));
    EXPECT_FALSE(Offered(CL_PMenu_Paste, CT_BlockFreq, 4));
}

TEST_F(MapMenus, CloneInformationShowsWhatTheLastIdentifyReported)
{
    EXPECT_EQ(Show(CL_CloneInfo_Revision), "");
    EXPECT_EQ(Show(CL_CloneInfo_Esn), "");
    host.identified = true;
    EXPECT_EQ(Show(CL_CloneInfo_Comment, 1), Format("item %d index 1", static_cast<int>(CloneInfoItem::Comment)));
    EXPECT_EQ(Show(CL_CloneInfo_OverVolt), Format("item %d index 0", static_cast<int>(CloneInfoItem::OverVolt)));
    Show(CL_CloneInfo_Option);
    Show(CL_CloneInfo_Revision);
    ASSERT_EQ(host.asked.size(), 6u);
    EXPECT_EQ(host.asked[4].first, CloneInfoItem::Option);
    EXPECT_EQ(host.asked[5].first, CloneInfoItem::Revision);
}

}  // namespace
}  // namespace xtr::test
