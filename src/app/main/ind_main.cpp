#include "app/main/ind_main.h"

#include "app/environ.h"
#include "app/events.h"
#include "app/globals.h"
#include "app/main/main_form.h"
#include "app/message_service.h"
#include "app/text_util.h"
#include "cells/prepare/prepare_image.h"
#include "overlay/gtex.h"
#include "ui/model/sheet_reference.h"
#include "ui/model/tree.h"

#include <algorithm>
#include <cstring>
#include <filesystem>

namespace xtr {
namespace {

constexpr char kMakerSwitch[] = "/kestrel";
constexpr char kAccessWord[] = "kestrel";

// The maker panel: dark red with white text.
constexpr Color kMakerPanelBack = 128;
constexpr Color kMakerPanelText = 0xFFFFFF;

}  // namespace

indMain::indMain(std::vector<std::string> commandLine)
    : cuiMain("XTR450", std::max<int32_t>(kImageSize, 4747)), commandLine_(std::move(commandLine))
{
    makerPanelText_.clear();
    indMain::InitEnvironment();
    EvMan().Register(MakerListener, this);
}

indMain::~indMain()
{
    if (HasEvMan()) {
        EvMan().Unregister(MakerListener, this);
    }
}

void indMain::InitEnvironment()
{
    cuiMain::InitEnvironment();
    modelCode_ = kModelCode;
    extraCode_ = kExtraCode;
}

void indMain::AttachForm(MainForm* form)
{
    cuiMain::AttachForm(form);
    UseWindowNumbering();
    // Every item of the command line is compared, the program path
    // included; the switch given twice asks again only if the first
    // question was cancelled.
    for (const std::string& item : commandLine_) {
        if (ToLower(item) == kMakerSwitch) {
            EnterMakerMode();
        }
    }
    // An item after the program's path that names an existing file, or
    // any item ending in ".kcl", is a clone file to open ("xtr450
    // FILE.kcl"); the first one is opened, and one that cannot be opened
    // leaves the initial image with its message shown. Other items are
    // switches this program does not know and are ignored.
    for (std::size_t i = 1; i < commandLine_.size(); ++i) {
        const std::string& item = commandLine_[i];
        std::error_code ec;
        const bool isFile = std::filesystem::is_regular_file(item, ec);
        const std::string lower = ToLower(item);
        const bool namesCloneFile = lower.size() > 4 && lower.compare(lower.size() - 4, 4, ".kcl") == 0;
        if (lower != kMakerSwitch && (isFile || namesCloneFile)) {
            OpenFile(commandLine_[i]);
            break;
        }
    }
}

void indMain::UseWindowNumbering()
{
    Env().attached = 1;
}

void indMain::ImageLoaded(cmcEeprom& image)
{
    PrepareImage(image);
    EvMan().Send(kEvImageLoaded, 0, 0);
}

void indMain::PrepareImage(cmcEeprom& image)
{
    // The canonical form: maker data and unused list rows from the
    // reference image, and the derived bytes. The reference image is
    // prepared against itself once, right after the initial file is read.
    xtr::PrepareImage(image, reference_, Env().modelType == 1 ? 1 : 0);
    // The problem count runs again a quarter second later.
    RestartDelayedCheck();
}

void indMain::CountProblems(int& errors, int& warnings)
{
    cuiMain::CountProblems(errors, warnings);
    EvMan().Post(kEvProblemsCounted, 0, 0);
}

void indMain::LoadInitialFile(int modelType)
{
    cuiMain::LoadInitialFile(modelType);
}

void indMain::CloneWrite()
{
    // Nothing with consistency errors reaches the radio.
    EvMan().Send(kEvCommitEdit, 0, 0);
    int errors = 0;
    int warnings = 0;
    CountProblems(errors, warnings);
    const std::string caption = GTex().FirstLine("GI_Sys_AppTitle");
    if (errors > 0) {
        Messages().Show(caption, GTex().AllLines("GI_Mess_DataError"), MsgIcon::Error, MsgButtons::Ok);
        return;
    }
    if (CloneActive()) {
        return;
    }
    if (MakerMode() && !AskMakerCaution()) {
        return;
    }
    if (Messages().Show(caption, GTex().AllLines("GI_Mess_Confirm_CloneWrite"), MsgIcon::Warning,
                        MsgButtons::OkCancel) != MsgResult::Ok) {
        return;
    }
    StartCloneWrite();
}

bool indMain::AskMakerCaution()
{
    const MsgResult answer = Messages().Show(GTex().FirstLine("GI_Sys_AppTitle"), GTex().AllLines("GI_Mess_Maker_Caution"),
                                             MsgIcon::Warning, MsgButtons::OkCancel);
    return answer == MsgResult::Ok;
}

void indMain::EnterMakerMode()
{
    if (makerFlag_ == 1) {
        return;
    }
    if (!AskMakerCaution()) {
        return;
    }
    makerFlag_ = 1;
    BuildTree();
    makerPanelText_ = GTex().FirstLine("GI_StatusPanel_Maker");
    if (form_ != nullptr && form_->StatusPanelCount() > 0) {
        makerPanel_ = form_->StatusPanelCount() - 1;
        form_->SetStatusPanelWidth(makerPanel_,
                                   form_->MeasureStatusText(makerPanelText_) + form_->MeasureStatusText("XX"));
    }
    LayoutStatusBar();
}

void indMain::KeyTyped(char character)
{
    std::memmove(typed_, typed_ + 1, sizeof typed_ - 1);
    typed_[sizeof typed_ - 1] = static_cast<char>(ToLower(std::string(1, character))[0]);
    if (std::memcmp(typed_, kAccessWord, sizeof typed_) == 0) {
        EnterMakerMode();
    }
}

void indMain::LayoutStatusBar()
{
    if (form_ == nullptr || form_->StatusPanelCount() == 0) {
        return;
    }
    int others = 0;
    for (int panel = 1; panel < form_->StatusPanelCount(); ++panel) {
        others += form_->StatusPanelWidth(panel);
    }
    form_->SetStatusPanelWidth(0, std::max(100, form_->StatusBarWidth() - others));
}

void indMain::DrawStatusPanel(int panel, const Rect& rect, Canvas& canvas)
{
    if (panel != makerPanel_ || makerPanel_ < 1) {
        cuiMain::DrawStatusPanel(panel, rect, canvas);
        return;
    }
    canvas.FillRect(rect, kMakerPanelBack);
    const int x = rect.left + (rect.Width() - canvas.TextWidth(makerPanelText_)) / 2;
    const int y = rect.top + (rect.Height() - canvas.TextHeight(makerPanelText_)) / 2;
    canvas.DrawText(x, y, makerPanelText_, kMakerPanelText);
}

void indMain::MakerListener(void* context, const cmcEvent& event)
{
    static_cast<indMain*>(context)->OnMakerEvent(event);
}

namespace {

// The name of the sheet the selected node opens, "" when none.
std::string SelectedSheetName(const cuiTree& tree)
{
    const cmcCellObj* cell = tree.SelectedCell();
    if (cell == nullptr || !cell->parameter.has_value()) {
        return {};
    }
    return ParseSheetReference(*cell->parameter).name;
}

}  // namespace

void indMain::OnMakerEvent(const cmcEvent& event)
{
    if (event.type != kEvImageLoaded || !tree_) {
        return;
    }
    // Outside maker mode the factory pages (Flag0) leave the tree after
    // every rebuild. Should the selected page be among them, the selection
    // goes on to the page after the one the tree chose instead.
    const std::string before = SelectedSheetName(*tree_);
    if (makerFlag_ == 0) {
        tree_->RemoveNodes(0);
    }
    if (SelectedSheetName(*tree_) != before && tree_->Selected() != kNoNode) {
        const std::vector<TreeNodeId> order = tree_->FlatOrder();
        const auto at = std::find(order.begin(), order.end(), tree_->Selected());
        if (at != order.end() && at + 1 != order.end()) {
            tree_->Select(*(at + 1));
        }
    }
}

}  // namespace xtr
