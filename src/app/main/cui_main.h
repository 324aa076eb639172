// cuiMain: the generic application object behind the main window. It owns
// the memory images and the periodic task, and carries the overridable
// operations (in their fixed slot order) through which the model-specific
// application object indMain extends it.
#pragma once

#include "app/canvas.h"
#include "app/main/print_command.h"
#include "app/main/sheet_history.h"
#include "app/main/trace_switch.h"
#include "app/tick.h"
#include "cells/checks/check_list.h"
#include "app/message_service.h"
#include "cells/ui_seams.h"
#include "image/eeprom.h"

#include <cstdint>
#include <memory>
#include <string>

namespace xtr {

class MainForm;
class cmcTask;
struct cmcEvent;

class cmcFCache;
class CloneFront;
class WriteFlowObserver;
class cuiMenu;
class Segchar;
class cuiSheet;
class cuiToolBar;
class cuiTree;
class SheetView;

class cuiMain : public CellHost {
public:
    // overlayBase names the overlay file ("%s%s.OVL" with the data
    // directory); imageSize is the size of every memory image.
    cuiMain(const std::string& overlayBase, int32_t imageSize);
    cuiMain(const cuiMain&) = delete;
    cuiMain& operator=(const cuiMain&) = delete;

    // The overridable operations, in slot order.
    virtual ~cuiMain();                                                     // 0
    virtual void InitEnvironment();                                         // 1
    virtual void AttachForm(MainForm* form);                                // 2
    virtual void BuildTree();                                               // 3
    virtual int CheckImageIdentity(const cmcEeprom& image, bool withMaker); // 4
    virtual int CheckImageNewer(const cmcEeprom& image);                    // 5
    virtual void ImageLoaded(cmcEeprom& image);                             // 6
    virtual void PrepareImage(cmcEeprom& image);                            // 7
    virtual void CountProblems(int& errors, int& warnings);                 // 8
    virtual std::unique_ptr<cuiSheet> CreateSheet(SheetView* host, const std::string& reference); // 9
    virtual void LoadInitialFile(int modelType);                            // 10
    virtual void CloneWrite();                                              // 11
    virtual void KeyTyped(char character);                                  // 12
    virtual void LayoutStatusBar();                                         // 13
    virtual void DrawStatusPanel(int panel, const Rect& rect, Canvas& canvas); // 14

    int32_t ImageSize() const { return imageSize_; }
    int32_t ModelCode() const { return modelCode_; }
    int32_t ExtraCode() const { return extraCode_; }
    bool MakerMode() const { return makerFlag_ != 0; }
    MainForm* Form() const { return form_; }

    cmcEeprom& CurrentImage() override { return current_; }
    cmcEeprom& ReferenceImage() override { return reference_; }
    cmcEeprom& SpareImage() { return spare_; }
    cmcEeprom& ComparisonImage() { return comparison_; }

    // Document state.
    bool Modified() const { return modified_; }
    const std::string& FileName() const { return fileName_; }
    void SetModified();
    void ClearModified();
    void UpdateTitle();
    // Called by the cell dispatch after any key, commit or pop-up command.
    void ImageChanged() override;
    // Restarts the 250 ms delayed check without touching the modified state.
    void RestartDelayedCheck();
    // The selection-list cache that every selection cell reads.
    cmcFCache& SelectionLists() override { return *fcache_; }
    // The commands of menu items and tool buttons that the application
    // object runs itself; the others answer false ("not available").
    bool RunCommand(AppCommand command, std::int32_t argument, const std::string& text) override;
    int EditMenuEntries() override;
    std::string RecentFileText(std::int32_t position) override;

    // The file commands of the document (document_commands.cpp).
    // Offers to save a modified image first: Yes saves (through the save-as
    // dialog for an untitled document or when sameFile says the file to be
    // opened is the one open), and a cancelled or failed save gives Cancel.
    // Callers stop on Cancel. Unmodified documents answer Yes unasked.
    MsgResult ConfirmSave(bool sameFile = false);
    // New document: the reference image, untitled and unmodified.
    bool FileNew();
    // Opens a clone file; on any failure its message has been shown and
    // the document is unchanged.
    bool OpenFile(const std::string& path);
    // Saves the current image; on success the document is that file.
    bool SaveFile(const std::string& path);
    bool OpenDialog();
    bool SaveAsDialog();
    // The current file, or the save-as dialog for an untitled document.
    bool Save();
    const std::string& CurrentDirectory() const { return currentDirectory_; }

    // The clone commands (clone_commands.cpp). The clone manager's wiring,
    // made at the first use; the command line uses the same.
    CloneFront& Clone();
    bool CloneActive() const;
    // Offers to save first, then reads the radio; only a complete read
    // replaces the current image, which then is untitled and modified.
    bool CloneRead();
    // Writes the current image over 0x0100-0x1FFF (from 0x0000 in maker
    // mode) after preparing it, once the radio has answered; the guarded
    // write of indMain asks its questions first.
    bool StartCloneWrite();
    // Identifies the radio and shows what it reported.
    bool CloneInformation();
    bool CloneInfoText(CloneInfoItem item, std::int32_t index, std::string& text) override;
    // The desktop program's transfer trace, switched by the settings; the
    // program wraps its serial device with it (Traces().Wrap).
    TraceSwitch& Traces() { return traces_; }

    // The commands on the document's settings as text and the radio's
    // backups (settings_commands.cpp). Each shows its own messages; false
    // when cancelled or refused, with the document unchanged.
    // Opens one of the radio's backups (newest first) as an untitled,
    // modified document.
    bool RestoreBackup();
    // Lists the settings a chosen clone file holds otherwise than the
    // document (the file goes into the comparison image).
    bool CompareWith();
    // Writes every setting of the document as a text file.
    bool ExportText();
    // Types the settings of a text file into the document; when any line is
    // refused, they are listed and nothing changes.
    bool ImportText();
    // The transfer options dialog; the choice is kept with the settings.
    bool TransferOptions();

    // The main menu, the tool bar and the navigation tree; null before the
    // form is attached (and the tree also while it is rebuilt).
    cuiMenu* MainMenu() const { return menu_.get(); }
    cuiToolBar* ToolBar() const { return toolBar_.get(); }
    cuiTree* Tree() const { return tree_.get(); }
    // The tree's selection has changed (after its change delay): opens the
    // selected node's sheet unless it is the one shown.
    void TreeSelectionChanged();
    // The form is going away: the menu, the tool bar and the tree go with
    // their widgets, before them.
    void DetachForm();
    // The segment font every cell and editor draws display texts with;
    // read from the overlay the first time it is asked for.
    Segchar& SegmentFont();

    // What the last run of the check list found (the sheets the tree marks).
    const CheckListResult& Problems() const { return problems_; }

    // Shows the page of a sheet reference in the right panel of the main
    // window (the menus' and the tree's ShowSheet command).
    bool ShowSheet(const std::string& reference);
    // The reference of the page shown, "" before the first.
    std::string ShownSheetReference() const { return shownReference_; }
    // The shown sheet's position goes into the history and the sheet is
    // destroyed; the next ShowSheet opens it where it was.
    void RememberAndCloseSheet();

    // Status message (kEvStatusText).
    const std::string& StatusText() const { return statusText_; }

    // Whether the main window may close now; stores its bounds when it may.
    bool QueryClose();
    // The main window is closing: stop the periodic task.
    void FormClosed();

    // One run of the periodic task (every 50 ms once the window is shown).
    void PeriodicStep();

    // The print commands; the desktop program installs its printer.
    PrintCommand& Printing() { return printing_; }
    // A sheet is shown and nothing prints yet.
    bool CanPrintCurrent() override { return !shownReference_.empty() && printing_.CanPrint(); }

protected:
    // The sheet shown is closed now and rebuilt over the image now current
    // by the next periodic step (never inside the command that changed the
    // image, which may run from one of that sheet's own cells).
    void ReopenSheet();
    // The periodic step's part: a page closed by ReopenSheet or by
    // RememberAndCloseSheet is shown again once the window is visible.
    void ReopenClosedPage();

    static void Listener(void* context, const cmcEvent& event);
    void OnEvent(const cmcEvent& event);

    int32_t imageSize_;
    int32_t modelCode_ = 0;
    int32_t extraCode_ = 0;
    MainForm* form_ = nullptr;
    uint32_t makerFlag_ = 0;

    std::unique_ptr<cmcFCache> fcache_;
    std::unique_ptr<Segchar> segchar_;

    cmcEeprom current_;
    cmcEeprom reference_;
    cmcEeprom spare_;
    cmcEeprom comparison_;

    uint32_t statusTextColor_ = kClWindowText;
    uint32_t statusBackColor_ = kClBtnFace;
    std::string statusText_;

    std::string currentDirectory_;
    std::string fileName_;
    bool modified_ = false;
    std::unique_ptr<cmcTick> delayedCheck_;
    CheckListResult problems_;

    cmcTask* idleTask_ = nullptr;

    // Outlives the clone front, whose serial device it traces.
    TraceSwitch traces_;
    std::unique_ptr<CloneFront> clone_;
    // What the write flow tells along the way (the trace's result lines).
    std::unique_ptr<WriteFlowObserver> writeSteps_;

    std::unique_ptr<cuiMenu> menu_;
    std::unique_ptr<cuiToolBar> toolBar_;
    std::unique_ptr<cuiTree> tree_;
    // A kEvFillSubMenu that fills the empty Edit menu is on its way.
    bool editMenuFillPosted_ = false;
    SheetHistory sheetHistory_;
    std::string shownReference_;
    // A page was closed and the periodic step shows one again: the closed
    // page itself when ReopenSheet kept its reference, else the tree's
    // selected node (or, without a tree, the sheet visited last).
    bool reopenPending_ = false;
    std::string reopenReference_;
    PrintCommand printing_;

private:
    static void IdleHandler(void* context, cmcTask* task);
    // Ends the edit in progress and asks for a clone file to open; false
    // without a window or when the user cancels.
    bool AskFileToOpen(std::string& path);
};

}  // namespace xtr
