// Menu items and tool buttons. Key 13 runs the command, key 0 asks for the
// item's state (checked, hidden, disabled, and a caption of its own for the
// recent files). The commands belong to the application, reached through
// the cell host; settings that are only a choice (serial port, speed) are
// stored here. A command the program cannot run marks the request with
// the error bit instead of passing for done.
#include "app/environ.h"
#include "app/events.h"
#include "app/globals.h"
#include "app/text_util.h"
#include "cells/cell_handlers.h"
#include "cells/cell_names.h"
#include "cells/map/map_families.h"
#include "cells/ui_seams.h"

#include <optional>

namespace xtr::cellmap {
namespace {

enum class MenuKind {
    Command,       // runs its command, has no state of its own
    PrintCurrent,  // disabled when the view cannot print
    Recent,        // index: position in the recent-file list
    FontSize,      // index: font size percentage
    ToolBar,
    Port,          // index: COM port number
    Speed,         // index: 0 normal, 1 high speed
    EditTop,       // refreshes the Edit menu on every state query too
    About,
    Sheet,         // parameter: the sheet to open
};

struct MenuCell {
    std::int32_t cell;
    MenuKind kind;
    std::optional<AppCommand> command;  // the application's command, if it has one
};

constexpr std::optional<AppCommand> kOwn = std::nullopt;  // done by the cell itself

// clang-format off
constexpr MenuCell kMenus[] = {
    //  cell                          kind                     command
    {CL_Menu_File_New,                MenuKind::Command,       AppCommand::FileNew},
    {CL_Menu_File_Open,               MenuKind::Command,       AppCommand::FileOpen},
    {CL_Menu_File_Save,               MenuKind::Command,       AppCommand::FileSave},
    {CL_Menu_File_SaveAs,             MenuKind::Command,       AppCommand::FileSaveAs},
    {CL_Menu_File_Print_Current,      MenuKind::PrintCurrent,  AppCommand::PrintCurrent},
    {CL_Menu_File_Print_All,          MenuKind::Command,       AppCommand::PrintAll},
    {CL_Menu_File_Recent,             MenuKind::Recent,        AppCommand::OpenRecent},
    {CL_Menu_File_Exit,               MenuKind::Command,       AppCommand::Exit},
    {CL_Menu_Edit_Top,                MenuKind::EditTop,       AppCommand::RefreshEditMenu},
    {CL_Menu_View_FontSize,           MenuKind::FontSize,      AppCommand::FontSize},
    {CL_Menu_View_ToolBar,            MenuKind::ToolBar,       AppCommand::ToggleToolBar},
    {CL_Menu_Port_Com,                MenuKind::Port,          kOwn},    // a setting
    {CL_Menu_Port_SpeedHigh,          MenuKind::Speed,         kOwn},    // a setting
    {CL_Menu_Clone_Read,              MenuKind::Command,       AppCommand::CloneRead},
    {CL_Menu_Clone_Write,             MenuKind::Command,       AppCommand::CloneWrite},
    {CL_Menu_Clone_Info,              MenuKind::Command,       AppCommand::CloneInfo},
    {CL_Help_About,                   MenuKind::About,         kOwn},    // posts kEvShowAbout
    {CL_Help_Contents,                MenuKind::Command,       AppCommand::HelpContents},
    {CallSheet,                       MenuKind::Sheet,         AppCommand::ShowSheet},
    {CL_Menu_File_RestoreBackup,      MenuKind::Command,       AppCommand::RestoreBackup},
    {CL_Menu_File_Compare,            MenuKind::Command,       AppCommand::CompareWith},
    {CL_Menu_File_Export,             MenuKind::Command,       AppCommand::ExportText},
    {CL_Menu_File_Import,             MenuKind::Command,       AppCommand::ImportText},
    {CL_Menu_Clone_Options,           MenuKind::Command,       AppCommand::TransferOptions},
};
// clang-format on

constexpr int kFirstPort = 1;  // COM1
constexpr int kLastPort = 99;  // COM99

void SetFlag(cmcCellObj& cell, std::uint8_t flag, bool on)
{
    cell.state = static_cast<std::uint8_t>(on ? (cell.state | flag) : (cell.state & ~flag));
}

void RecentState(cmcCellObj& cell, CellHost& host)
{
    const std::string text = host.RecentFileText(cell.index);
    if (!text.empty()) {
        cell.caption = Format("&%d %s", cell.index + 1, text.c_str());
        SetFlag(cell, state::kCaptionFromCell, true);
        SetFlag(cell, state::kDisabled, false);
        SetFlag(cell, state::kHidden, false);
        return;
    }
    // An empty list keeps its first item, disabled, so the menu shows that
    // there is none; the other empty places disappear.
    SetFlag(cell, state::kCaptionFromCell, false);
    SetFlag(cell, state::kDisabled, true);
    SetFlag(cell, state::kHidden, cell.index != 0);
}

void ShowState(CellCall& call, const MenuCell& row)
{
    cmcCellObj& cell = *call.rq.cell;
    CellHost& host = TheCellHost();
    const std::int32_t index = cell.index;
    switch (row.kind) {
    case MenuKind::PrintCurrent:
        SetFlag(cell, state::kDisabled, !host.CanPrintCurrent());
        break;
    case MenuKind::Recent:
        RecentState(cell, host);
        break;
    case MenuKind::FontSize:
        SetFlag(cell, state::kChecked, HasEnv() && Env().fontSizePercentage == index);
        break;
    case MenuKind::ToolBar:
        SetFlag(cell, state::kChecked, HasEnv() && Env().toolbarVisible != 0);
        break;
    case MenuKind::Port:
        // A device chosen by its path stands in for the numbered ports.
        SetFlag(cell, state::kChecked, HasEnv() && Env().comPort == index && Env().portDevice.empty());
        break;
    case MenuKind::Speed:
        SetFlag(cell, state::kChecked, HasEnv() && Env().comSpeedHigh == index);
        break;
    case MenuKind::EditTop:
        host.RunCommand(*row.command, 0, {});
        break;
    case MenuKind::Command:
    case MenuKind::About:
    case MenuKind::Sheet:
        break;
    }
}

// Runs the item's command; false when it could not run.
bool Execute(const cmcCellObj& cell, const MenuCell& row)
{
    const std::int32_t index = cell.index;
    switch (row.kind) {
    case MenuKind::Port:
        if (!HasEnv() || index < kFirstPort || index > kLastPort) {
            return false;
        }
        Env().comPort = index;
        Env().portDevice.clear();
        if (HasEvMan()) {
            EvMan().Post(kEvSettingsChanged, 0, 0);
        }
        return true;
    case MenuKind::Speed:
        if (!HasEnv() || (index != 0 && index != 1)) {
            return false;
        }
        Env().comSpeedHigh = index;
        return true;
    case MenuKind::About:
        if (!HasEvMan()) {
            return false;
        }
        EvMan().Post(kEvShowAbout, 0, 0);
        return true;
    case MenuKind::Sheet:
        if (!cell.parameter.has_value() || cell.parameter->empty()) {
            return false;
        }
        return TheCellHost().RunCommand(*row.command, 0, *cell.parameter);
    case MenuKind::Command:
    case MenuKind::PrintCurrent:
    case MenuKind::Recent:
    case MenuKind::FontSize:
    case MenuKind::ToolBar:
    case MenuKind::EditTop:
        return TheCellHost().RunCommand(*row.command, index, {});
    }
    return false;
}

void MenuHandler(CellCall& call)
{
    const MenuCell& row = call.Data<MenuCell>();
    if (call.rq.key == cellkey::kNone) {
        ShowState(call, row);
    } else if (call.rq.key == cellkey::kEnter && !Execute(call.Cell(), row)) {
        call.rq.SetError();
    }
}

}  // namespace

void RegisterMenuCells(CellRegistry& registry)
{
    for (const MenuCell& row : kMenus) {
        registry.Register(row.cell, MenuHandler, &row);
    }
}

}  // namespace xtr::cellmap
