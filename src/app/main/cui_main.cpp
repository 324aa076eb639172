#include "app/main/cui_main.h"

#include "app/environ.h"
#include "app/events.h"
#include "app/fatal.h"
#include "app/globals.h"
#include "app/main/clone_front.h"
#include "app/main/main_form.h"
#include "app/task.h"
#include "app/text_util.h"
#include "cells/active_cell.h"
#include "cells/cell_names.h"
#include "cells/fcache.h"
#include "image/clone_file.h"
#include "image/image_identity.h"
#include "image/memory_map.h"
#include "overlay/gtex.h"
#include "platform/executable_path.h"
#include "ui/model/menu_builder.h"
#include "segedit/segment_font.h"
#include "ui/model/sheet_factory.h"
#include "ui/model/tool_bar.h"
#include "ui/model/tree.h"
#include "ui/model/sheet_reference.h"

#include <algorithm>
#include <filesystem>

namespace xtr {
cuiMain::cuiMain(const std::string& overlayBase, int32_t imageSize)
    : imageSize_(imageSize), traces_([] { return HasEnv() ? Env().transfer : TransferSettings{}; })
{
    GTex().NameFile(Format("%s%s.OVL", DataDirectory().c_str(), overlayBase.c_str()));

    std::error_code ec;
    currentDirectory_ = std::filesystem::current_path(ec).string();

    fcache_ = std::make_unique<cmcFCache>();

    current_.SetSize(imageSize_);
    reference_.CopyFrom(current_);

    idleTask_ = new cmcTask();
    idleTask_->SetHandler(IdleHandler, this);

    EvMan().Register(Listener, this);
    SetCellHost(this);
    cuiMain::InitEnvironment();
}

cuiMain::~cuiMain()
{
    DetachForm();
    cmcTask::Release(idleTask_);
    if (HasCellHost() && &TheCellHost() == this) {
        SetCellHost(nullptr);
    }
    if (HasEvMan()) {
        EvMan().Unregister(Listener, this);
    }
}

Segchar& cuiMain::SegmentFont()
{
    if (!segchar_) {
        segchar_ = std::make_unique<Segchar>(Segchar::FromOverlay());
    }
    return *segchar_;
}

void cuiMain::InitEnvironment()
{
    modelCode_ = 0;
    extraCode_ = 0;
}

void cuiMain::AttachForm(MainForm* form)
{
    form_ = form;

    indEnviron& env = Env();
    if (env.modelType != 0 && env.modelType != 1) {
        env.modelType = 0;
    }
    LoadInitialFile(env.modelType);
    current_.CopyFrom(reference_);
    ClearModified();
    comparison_.CopyFrom(reference_);

    menu_ = std::make_unique<cuiMenu>(form_, form_->MainMenuView(), GTex(), "GI_Menu_Main");
    menu_->Build();
    toolBar_ = std::make_unique<cuiToolBar>(form_, form_->MainToolBarView(), GTex(), "GI_ToolBar_Main");
    toolBar_->Build();
    toolBar_->SetVisible(env.toolbarVisible != 0);
    // The settings-changed event refreshes the states of both.
    EvMan().Post(kEvSettingsChanged, 0, 0);

    form_->BuildPanels(env.splitterV > 8 ? env.splitterV : 8, 8);
    BuildTree();
    form_->BuildStatusBar();

    if (imageSize_ < memmap::kCellMapExtent) {
        Fatal("Self Check Error.\nEEPROM Map is too large.");
    }
    idleTask_->SetPeriod(50);
    form_->Show();
}

void cuiMain::BuildTree()
{
    tree_.reset();
    if (form_ == nullptr) {
        return;
    }
    tree_ = std::make_unique<cuiTree>(form_->CreateTreeView(), GTex(), "GI_Tree_Main");
    tree_->SetVisible(false);
    tree_->Build();
    tree_->OnExpandCollapse([this] {
        int errors = 0;
        int warnings = 0;
        CountProblems(errors, warnings);
    });
    tree_->SetChangeDelay(ParseChangeDelay(GTex().FirstLine("GI_Sys_TreeChangeDelay")));
    tree_->OnChange([this] { TreeSelectionChanged(); });
    int errors = 0;
    int warnings = 0;
    CountProblems(errors, warnings);
    // The page shown may belong to nodes that are gone now: it closes, and
    // the first node's selection shows a page again.
    RememberAndCloseSheet();
    tree_->SetVisible(true);
    EvMan().Post(kEvImageLoaded, 0, 0);
    tree_->SelectFirst();
}

void cuiMain::TreeSelectionChanged()
{
    if (!tree_ || tree_->SelectedCell() == nullptr) {
        return;
    }
    cmcCellObj cell = *tree_->SelectedCell();
    if (OpensShownSheet(cell, ShownSheetReference())) {
        return;  // that sheet is open already
    }
    indActiveCell(*this).RunCell(cell, cellkey::kEnter);
}

void cuiMain::DetachForm()
{
    // Children of the form's widgets: they go first, while the widgets exist.
    tree_.reset();
    toolBar_.reset();
    menu_.reset();
    form_ = nullptr;
}

bool cuiMain::RunCommand(AppCommand command, std::int32_t argument, const std::string& text)
{
    switch (command) {
    case AppCommand::FileNew:
        FileNew();
        return true;
    case AppCommand::FileOpen:
        OpenDialog();
        return true;
    case AppCommand::FileSave:
        Save();
        return true;
    case AppCommand::FileSaveAs:
        SaveAsDialog();
        return true;
    case AppCommand::OpenRecent: {
        // The full path: the empty directory never shortens an entry.
        const std::string path = Env().recent.DisplayText(argument, "");
        if (!path.empty()) {
            OpenFile(path);
        }
        return true;
    }
    case AppCommand::CloneRead:
        CloneRead();
        return true;
    case AppCommand::CloneWrite:
        CloneWrite();
        return true;
    case AppCommand::CloneInfo:
        CloneInformation();
        return true;
    case AppCommand::FontSize:
        // The sheet is built again at the new size, with its cursor and
        // scroll position from the history.
        if (argument < 25 || argument > 1000) {
            return false;
        }
        Env().fontSizePercentage = argument;
        EvMan().Post(kEvSettingsChanged, 0, 0);
        ReopenSheet();
        return true;
    case AppCommand::HelpContents: {
        const std::string path = DataDirectory() + GTex().FirstLine("GI_Sys_MyHelpFile");
        if (form_ == nullptr || !form_->OpenHelp(path)) {
            Messages().Show(GTex().FirstLine("GI_Sys_AppTitle"), Format("Cannot open '%s'.", path.c_str()),
                            MsgIcon::Warning, MsgButtons::Ok);
        }
        return true;
    }
    case AppCommand::Exit:
        if (form_ != nullptr) {
            form_->Close();
        }
        return true;
    case AppCommand::ShowSheet:
        return ShowSheet(text);
    case AppCommand::RefreshEditMenu:
        // An Edit menu without entries shows the placeholder menu; one
        // fill on its way is enough however often the menus refresh.
        if (menu_ && menu_->SubItemCount(CL_Menu_Edit_Top) == 0 && !editMenuFillPosted_) {
            editMenuFillPosted_ = true;
            EvMan().PostText(kEvFillSubMenu, menu_->QueryId(), CL_Menu_Edit_Top, "GI_PMenu_NoItem");
        }
        return true;
    case AppCommand::ToggleToolBar: {
        if (!toolBar_) {
            return false;
        }
        const bool visible = !toolBar_->Visible();
        toolBar_->SetVisible(visible);
        Env().toolbarVisible = visible ? 1 : 0;
        return true;
    }
    case AppCommand::RestoreBackup:
        RestoreBackup();
        return true;
    case AppCommand::CompareWith:
        CompareWith();
        return true;
    case AppCommand::ExportText:
        ExportText();
        return true;
    case AppCommand::ImportText:
        ImportText();
        return true;
    case AppCommand::TransferOptions:
        TransferOptions();
        return true;
    case AppCommand::PrintCurrent:
    case AppCommand::PrintAll: {
        const bool all = command == AppCommand::PrintAll;
        std::vector<std::string> references = all && tree_ ? PageReferences(*tree_) : std::vector<std::string>();
        if (argument == kPrintPreviewArgument) {
            printing_.Preview(all, shownReference_, std::move(references));
        } else {
            printing_.Run(form_, all, shownReference_, std::move(references));
        }
        return true;
    }
    default:
        return false;  // not available in this program yet
    }
}

int cuiMain::EditMenuEntries()
{
    return menu_ ? std::max(0, menu_->SubItemCount(CL_Menu_Edit_Top)) : 0;
}

int cuiMain::CheckImageIdentity(const cmcEeprom& image, bool withMaker)
{
    return xtr::CheckImageIdentity(image, withMaker);
}

int cuiMain::CheckImageNewer(const cmcEeprom& image)
{
    return xtr::CheckImageNewer(image);
}

void cuiMain::ImageLoaded(cmcEeprom&) {}

void cuiMain::PrepareImage(cmcEeprom&) {}

void cuiMain::CountProblems(int& errors, int& warnings)
{
    indActiveCell cells(*this);
    problems_ = RunWarningCheckList(GTex(), cells, form_);
    if (tree_) {
        tree_->Mark(problems_);
    }
    errors = problems_.errors;
    warnings = problems_.warnings;
}

std::unique_ptr<cuiSheet> cuiMain::CreateSheet(SheetView* host, const std::string& reference)
{
    // The grid that shows the sheet is the host's; the marker images come
    // with it in the desktop program.
    return xtr::CreateSheet(reference, host, GTex(), form_ != nullptr ? form_->Markers() : nullptr);
}

void cuiMain::RememberAndCloseSheet()
{
    if (form_ == nullptr) {
        return;
    }
    SheetPosition left;
    if (!shownReference_.empty() && form_->ShownSheetPosition(left)) {
        sheetHistory_.Remember(ParseSheetReference(shownReference_).name, left);
    }
    form_->CloseSheet();
    if (!shownReference_.empty()) {
        reopenPending_ = true;
    }
    shownReference_.clear();
}

bool cuiMain::ShowSheet(const std::string& reference)
{
    if (form_ == nullptr) {
        return false;
    }
    // The page shown goes into the history before the next replaces it.
    SheetPosition left;
    if (!shownReference_.empty() && form_->ShownSheetPosition(left)) {
        sheetHistory_.Remember(ParseSheetReference(shownReference_).name, left);
    }
    const SheetReference parts = ParseSheetReference(reference);
    if (SheetClassOf(parts.kind) == SheetClass::None) {
        form_->ShowEmptyPage(parts.name);
        shownReference_ = reference;
        return true;
    }
    if (!form_->ShowSheet(reference, sheetHistory_.Find(parts.name))) {
        return false;
    }
    shownReference_ = reference;
    return true;
}

void cuiMain::LoadInitialFile(int modelType)
{
    const std::string path = DataDirectory() + GTex().Text("GI_App_InitialFile", modelType);
    cmcKclFile file;
    file.SetImage(&reference_);
    file.SetModelCode(modelCode_);
    file.SetExtraCode(extraCode_);
    file.SetMapRevisionCheck(AcceptKnownMapRevision, nullptr);
    if (file.Read(path, RangeList(kCloneAreaRanges)) != kKclOk || CheckImageIdentity(reference_, false) != 0) {
        Fatal(Format("Cannot open '%s'.", path.c_str()));
    }
    PrepareImage(reference_);
}

void cuiMain::CloneWrite() {}

void cuiMain::KeyTyped(char) {}

void cuiMain::LayoutStatusBar() {}

void cuiMain::DrawStatusPanel(int panel, const Rect& rect, Canvas& canvas)
{
    if (panel != 0) {
        return;
    }
    canvas.FillRect(rect, statusBackColor_);
    const int y = rect.top + (rect.Height() - canvas.TextHeight(statusText_)) / 2;
    canvas.DrawText(rect.left, y, statusText_, statusTextColor_);
}

void cuiMain::SetModified()
{
    modified_ = true;
    UpdateTitle();
}

void cuiMain::ClearModified()
{
    spare_.CopyFrom(current_);
    modified_ = false;
    UpdateTitle();
}

void cuiMain::UpdateTitle()
{
    if (form_ == nullptr) {
        return;
    }
    std::string name = fileName_.empty() ? (std::filesystem::path(currentDirectory_) / "Untitled").string() : fileName_;
    name = std::filesystem::path(name).filename().string();
    form_->SetTitle(name + " - " + GTex().FirstLine("GI_Sys_AppTitle"));
}

void cuiMain::RestartDelayedCheck()
{
    if (!delayedCheck_) {
        delayedCheck_ = std::make_unique<cmcTick>();
    }
    delayedCheck_->Start(250);
}

void cuiMain::ImageChanged()
{
    RestartDelayedCheck();
    if (!modified_ && current_.Differs(spare_)) {
        SetModified();
    }
}

bool cuiMain::QueryClose()
{
    if (form_ == nullptr) {
        return true;
    }
    // Refused while a transfer, printing or the About box holds the form.
    if (!form_->IsEnabled()) {
        return false;
    }
    if (ConfirmSave() == MsgResult::Cancel) {
        return false;
    }
    indEnviron& env = Env();
    const Rect bounds = form_->NormalBounds();
    env.windowLeft = bounds.left;
    env.windowTop = bounds.top;
    env.windowWidth = bounds.Width();
    env.windowHeight = bounds.Height();
    env.splitterV = form_->LeftPanelWidth();
    return true;
}

void cuiMain::FormClosed()
{
    if (idleTask_ != nullptr) {
        idleTask_->SetPeriod(-1);
    }
    tree_.reset();
}

void cuiMain::PeriodicStep()
{
    // A page closed for a rebuild comes back, the delayed check runs once
    // its countdown has expired, and printing goes on page by page.
    ReopenClosedPage();
    if (delayedCheck_ && delayedCheck_->Remaining() == 0) {
        delayedCheck_.reset();
        int errors = 0;
        int warnings = 0;
        CountProblems(errors, warnings);
        EvMan().Post(kEvDelayedActionDone, 0, 0);
    }
    printing_.Tick();
}

void cuiMain::ReopenClosedPage()
{
    if (!reopenPending_ || form_ == nullptr) {
        return;
    }
    if (!shownReference_.empty()) {
        // Another command has shown a page meanwhile.
        reopenPending_ = false;
        reopenReference_.clear();
        return;
    }
    if (!form_->IsShown()) {
        return;
    }
    reopenPending_ = false;
    const std::string reference = std::move(reopenReference_);
    reopenReference_.clear();
    if (!reference.empty()) {
        ShowSheet(reference);
    } else if (tree_ && tree_->SelectedCell() != nullptr) {
        cmcCellObj cell = *tree_->SelectedCell();
        indActiveCell(*this).RunCell(cell, cellkey::kEnter);
    } else if (!tree_ && !sheetHistory_.Newest().empty()) {
        ShowSheet(sheetHistory_.Newest());
    }
}

void cuiMain::IdleHandler(void* context, cmcTask*)
{
    static_cast<cuiMain*>(context)->PeriodicStep();
}

void cuiMain::Listener(void* context, const cmcEvent& event)
{
    static_cast<cuiMain*>(context)->OnEvent(event);
}

void cuiMain::OnEvent(const cmcEvent& event)
{
    switch (event.type) {
    case kEvSettingsChanged:
        EvMan().Send(kEvRefreshMenus, 0, 0);
        EvMan().Send(kEvRefreshToolBar, 0, 0);
        break;
    case kEvFillSubMenu:
        if (menu_ && event.object == menu_->QueryId() && editMenuFillPosted_) {
            // The placeholder arrives after the refresh that asked for it:
            // its state comes with the next one.
            editMenuFillPosted_ = false;
            EvMan().Post(kEvRefreshMenus, 0, 0);
        }
        break;
    case kEvShowAbout:
        if (form_ != nullptr) {
            form_->ShowAbout();
        }
        break;
    case kEvStatusText:
        statusTextColor_ = static_cast<uint32_t>(event.object);
        statusBackColor_ = static_cast<uint32_t>(event.value);
        statusText_ = event.Text();
        if (form_ != nullptr) {
            form_->RepaintStatusBar();
        }
        break;
    default:
        break;
    }
}

}  // namespace xtr
