// What the cell model asks of the program around it, as small interfaces:
// the application (the image the cells edit, the selection lists, the notice
// that the image may have changed), the user interface (a drop-down list
// beside a cell) and the surface a cell is drawn on (its text colour). The
// desktop program, the command-line tool and the tests each supply their
// own. Message boxes go through Messages() (app/message_service.h).
#pragma once

#include "app/canvas.h"

#include <cstdint>
#include <string>

namespace xtr {

class cmcEeprom;
class cmcFCache;
struct cmcCellCapsule;

// Text colours the cells choose.
inline constexpr Color kColorIndication = 0x008080;  // a field that is off or empty
inline constexpr Color kColorRowWhite = 0xFFFFFF;
inline constexpr Color kColorRowYellow = 0x00FFFF;

// The surface a cell is being drawn on. Cells only choose the colour in
// which the grid then draws their display text.
class CellCanvas {
public:
    virtual ~CellCanvas() = default;
    virtual void SetTextColor(Color color) = 0;
    virtual Color TextColor() const = 0;
    // Fills part of the cell (a cell that draws a shape of its own); a
    // surface that cannot draw ignores it.
    virtual void FillRect(const Rect& rect, Color color) {}
};

// Commands that menu items and tool buttons run through their cells. What
// each command does is the application's; the cells only name it and pass
// its argument.
enum class AppCommand {
    FileNew,
    FileOpen,          // the open dialog
    FileSave,          // to the current file; an untitled document as FileSaveAs
    FileSaveAs,        // the save-as dialog
    PrintCurrent,      // the sheet shown; argument kPrintPreviewArgument: its print preview
    PrintAll,          // every page of the tree; the same argument for the preview
    OpenRecent,        // argument: the position in the recent list, from 0
    Exit,              // close the main window
    RefreshEditMenu,   // an Edit menu without entries gets those of "GI_PMenu_NoItem"
    FontSize,          // argument: the font size percentage; the sheet is rebuilt
    ToggleToolBar,     // show or hide the tool bar and keep the choice
    CloneRead,
    CloneWrite,
    CloneInfo,
    HelpContents,      // the help file named by "GI_Sys_MyHelpFile"
    ShowSheet,         // text argument: the sheet's name
    RestoreBackup,     // open one of the radio's backups as a document
    CompareWith,       // list the settings a chosen file holds otherwise
    ExportText,        // every setting of the document as a text file
    ImportText,        // type the settings of a text file into the document
    TransferOptions,   // backups, the check after a write and the trace
};

// The print commands' argument (the menu cell's index) for the preview
// instead of the printer.
inline constexpr std::int32_t kPrintPreviewArgument = 1;

// What the radio reported about itself at the last successful identify.
enum class CloneInfoItem { Revision, Comment, Option, OverVolt, Esn };

// The application as the cells see it.
class CellHost {
public:
    virtual ~CellHost() = default;
    // The image the cells show and edit.
    virtual cmcEeprom& CurrentImage() = 0;
    // The one selection-list cache of the program.
    virtual cmcFCache& SelectionLists() = 0;
    // A request carried a key, a commit or a pop-up command: the image may
    // have changed (the main window restarts its delayed check and compares
    // the image with its saved copy).
    virtual void ImageChanged() = 0;
    // The image read from the initial file at start-up: list rows that are
    // cleared, deleted or inserted take their contents from it. Fatal
    // unless the host has one.
    virtual cmcEeprom& ReferenceImage();

    // Runs a menu or tool-bar command. false when this program has no such
    // command (a host without windows); the asking cell then reports an
    // error instead of pretending it ran.
    virtual bool RunCommand(AppCommand command, std::int32_t argument, const std::string& text)
    {
        (void)command;
        (void)argument;
        (void)text;
        return false;
    }
    // Facts behind the states of the menu items.
    // A sheet is shown and can be printed.
    virtual bool CanPrintCurrent() { return false; }
    // The text entry `position` of the recent-file list is shown with (the
    // file name alone when it lies in the current directory); empty when
    // the list has no such entry.
    virtual std::string RecentFileText(std::int32_t position)
    {
        (void)position;
        return {};
    }
    // Number of entries in the main menu's Edit menu.
    virtual int EditMenuEntries() { return 0; }

    // The text of an item of the radio's identity (index: which comment);
    // false while no identify has succeeded.
    virtual bool CloneInfoText(CloneInfoItem item, std::int32_t index, std::string& text)
    {
        (void)item;
        (void)index;
        (void)text;
        return false;
    }
};

// The process-wide host; tests and the application install one. Asking for
// it while none is installed is fatal. Returns the host installed before.
CellHost* SetCellHost(CellHost* host);
CellHost& TheCellHost();
bool HasCellHost();

// The user interface as the cells see it.
class CellUi {
public:
    virtual ~CellUi() = default;
    // Opens the selection list listName beside the cell of request, with
    // the cursor on the item cell (cellId, value). The user's choice comes
    // back later as a new request for the same cell whose owner is the
    // request of the chosen item and whose commit mode is 2.
    virtual void OpenDropDown(const cmcCellCapsule& request, const std::string& listName, std::int32_t cellId,
                              std::int32_t value) = 0;
};

// The installed user interface; without one, drop-down lists are not shown
// (the command-line tool has none). Returns the one installed before.
CellUi* SetCellUi(CellUi* ui);
CellUi& TheCellUi();

}  // namespace xtr
