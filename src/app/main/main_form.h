// The main window as the application object sees it. The desktop program's
// main form implements it with Qt widgets; tests use a recording fake. The
// application object decides what is shown; the form only shows it.
#pragma once

#include "app/canvas.h"

#include <memory>
#include <string>
#include <vector>

namespace xtr {

class MenuView;
class ToolBarView;
class TreeView;
class MarkerImages;
class CloneProgressView;
struct SheetPosition;
struct SettingDifference;
struct TransferSettings;

class MainForm {
public:
    virtual ~MainForm() = default;

    // Caption of the window and title of the application (task-bar text).
    virtual void SetTitle(const std::string& title) = 0;

    // Left panel (the tree's), the splitter and the right panel (the sheet's).
    virtual void BuildPanels(int leftWidth, int splitterMinimum) = 0;
    virtual int LeftPanelWidth() const = 0;

    // Status bar: panel 0 is the message panel; panel 1, the last one, is
    // kept for the maker panel and is 0 pixels wide until it is used. The
    // form asks the application object to draw every panel and to lay them
    // out when the bar is resized.
    virtual void BuildStatusBar() = 0;
    virtual int StatusBarWidth() const = 0;
    virtual int StatusPanelCount() const = 0;
    virtual int StatusPanelWidth(int panel) const = 0;
    virtual void SetStatusPanelWidth(int panel, int width) = 0;
    // Width of a text in the status bar's font.
    virtual int MeasureStatusText(const std::string& text) const = 0;
    virtual void RepaintStatusBar() = 0;

    virtual void Show() = 0;
    virtual bool IsShown() const = 0;
    // Disabled while a transfer, printing or the About box runs.
    virtual bool IsEnabled() const = 0;
    virtual void SetEnabled(bool enabled) = 0;

    // The window's normal (restored) bounds in screen pixels.
    virtual Rect NormalBounds() const = 0;

    virtual void ShowAbout() = 0;

    // The main menu bar and the tool bar of the window, with the tool-bar
    // images; they live as long as the form.
    virtual MenuView& MainMenuView() = 0;
    virtual ToolBarView& MainToolBarView() = 0;
    // A new, empty tree view in the left panel with the tree images; the
    // caller owns it (the tree is rebuilt by replacing it).
    virtual std::unique_ptr<TreeView> CreateTreeView() = 0;
    // The right panel. ShowSheet replaces what it shows with the sheet of
    // reference, made by the application object's CreateSheet, with the
    // cursor and scroll position saved (-1 each for none); the focus stays
    // with the grid when the grid had it. False when no sheet was built.
    virtual bool ShowSheet(const std::string& reference, const SheetPosition& saved)
    {
        (void)reference;
        (void)saved;
        return false;
    }
    // An empty page with only its caption (a page no sheet is built for).
    virtual void ShowEmptyPage(const std::string& caption) { (void)caption; }
    // The right panel shows nothing; the sheet shown is destroyed.
    virtual void CloseSheet() {}
    // Cursor and scroll position of the sheet shown; false when none is.
    virtual bool ShownSheetPosition(SheetPosition& position) const
    {
        (void)position;
        return false;
    }
    // The file dialogs of the open and save commands. defaultExtension and
    // filter come from the overlay (the filter as "Text|*.ext|..."); name
    // is the proposed file name, directory the initial one. False when the
    // user cancels; path then stays as it was.
    virtual bool AskOpenFileName(const std::string& defaultExtension, const std::string& filter,
                                 const std::string& directory, std::string& path)
    {
        (void)defaultExtension;
        (void)filter;
        (void)directory;
        (void)path;
        return false;
    }
    virtual bool AskSaveFileName(const std::string& defaultExtension, const std::string& filter,
                                 const std::string& directory, const std::string& name, std::string& path)
    {
        (void)defaultExtension;
        (void)filter;
        (void)directory;
        (void)name;
        (void)path;
        return false;
    }
    // The progress window of clone transfers, or null for none.
    virtual CloneProgressView* ProgressView() { return nullptr; }
    // Shows the radio's information (the clone information window) and
    // returns when the user has closed it.
    virtual void ShowCloneInformation() {}
    // Opens the manual (an HTML file) in the platform's browser; false
    // when it cannot be opened.
    virtual bool OpenHelp(const std::string& path)
    {
        (void)path;
        return false;
    }
    // Asks the window to close (it then runs the close query).
    virtual void Close() {}
    // The grid's warning and error markers, or null.
    virtual MarkerImages* Markers() { return nullptr; }

    // Lets the user pick one of items (the radio's backups, newest first);
    // chosen is its position. False when cancelled.
    virtual bool ChooseBackup(const std::vector<std::string>& items, int& chosen)
    {
        (void)items;
        (void)chosen;
        return false;
    }
    // Shows the settings that differ between the document and the file
    // named, and returns when the user has closed the list.
    virtual void ShowComparison(const std::string& file, const std::vector<SettingDifference>& differences)
    {
        (void)file;
        (void)differences;
    }
    // The transfer options dialog over settings; false when cancelled
    // (settings then stay as they were).
    virtual bool AskTransferSettings(TransferSettings& settings)
    {
        (void)settings;
        return false;
    }
};

}  // namespace xtr
