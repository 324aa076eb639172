// The document side of the application object: new, open, save and save
// as, the question that offers to save first, and the recent-file list.
#include "app/main/cui_main.h"

#include "app/environ.h"
#include "app/events.h"
#include "app/globals.h"
#include "app/main/image_file.h"
#include "app/main/main_form.h"
#include "image/clone_file.h"
#include "overlay/gtex.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace xtr {
namespace {

bool SamePath(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

std::string DirectoryOf(const std::string& path)
{
    std::filesystem::path parent = std::filesystem::path(path).parent_path();
    if (parent.empty()) {
        std::error_code ec;
        parent = std::filesystem::current_path(ec);
    }
    return parent.string();
}

}  // namespace

MsgResult cuiMain::ConfirmSave(bool sameFile)
{
    EvMan().Post(kEvCommitEdit, 0, 0);
    if (!modified_) {
        return MsgResult::Yes;
    }
    std::string text;
    if (sameFile) {
        text = GTex().FirstLine("GI_Mess_Confirm_WriteAnother");
    } else {
        const std::string name = fileName_.empty() ? "Untitled" : std::filesystem::path(fileName_).filename().string();
        text = GTex().FirstLine("GI_Mess_Confirm_WriteFile");
        // The overlay's text is not used as a format: only its "%s" is
        // replaced.
        const std::size_t at = text.find("%s");
        if (at != std::string::npos) {
            text.replace(at, 2, name);
        }
    }
    const MsgResult answer =
        Messages().Show(GTex().FirstLine("GI_Sys_AppTitle"), text, MsgIcon::Warning, MsgButtons::YesNoCancel);
    if (answer != MsgResult::Yes) {
        return answer == MsgResult::No ? MsgResult::No : MsgResult::Cancel;
    }
    const bool saved = (fileName_.empty() || sameFile) ? SaveAsDialog() : SaveFile(fileName_);
    return saved ? MsgResult::Yes : MsgResult::Cancel;
}

bool cuiMain::FileNew()
{
    if (ConfirmSave() == MsgResult::Cancel) {
        return false;
    }
    current_.CopyFrom(reference_);
    fileName_.clear();
    ClearModified();
    ReopenSheet();
    EvMan().Post(kEvImageLoaded, 0, 0);
    return true;
}

bool cuiMain::OpenFile(const std::string& path)
{
    if (ConfirmSave(!fileName_.empty() && SamePath(path, fileName_)) == MsgResult::Cancel) {
        return false;
    }
    // The file goes through a scratch image: the current one is replaced
    // only after every check has passed.
    if (OpenImageFile(*this, path) != kKclOk) {
        return false;
    }
    currentDirectory_ = DirectoryOf(path);
    fileName_ = path;
    Env().recent.AddNewest(path);
    ClearModified();
    ReopenSheet();
    EvMan().Post(kEvImageLoaded, 0, 0);
    EvMan().Post(kEvSettingsChanged, 0, 0);
    return true;
}

bool cuiMain::SaveFile(const std::string& path)
{
    EvMan().Post(kEvCommitEdit, 0, 0);
    const uint8_t code = SaveImageFile(*this, path);
    if (code != kKclOk) {
        cmcKclFile::ShowError(code);
        return false;
    }
    currentDirectory_ = DirectoryOf(path);
    fileName_ = path;
    Env().recent.AddNewest(path);
    ClearModified();
    EvMan().Post(kEvSettingsChanged, 0, 0);
    return true;
}

bool cuiMain::Save()
{
    return fileName_.empty() ? SaveAsDialog() : SaveFile(fileName_);
}

bool cuiMain::AskFileToOpen(std::string& path)
{
    EvMan().Post(kEvCommitEdit, 0, 0);
    return form_ != nullptr && form_->AskOpenFileName(GTex().Text("GI_Sys_Dialog_FOpen", 0),
                                                      GTex().Text("GI_Sys_Dialog_FOpen", 1), currentDirectory_, path);
}

bool cuiMain::OpenDialog()
{
    std::string path;
    return AskFileToOpen(path) && OpenFile(path);
}

bool cuiMain::SaveAsDialog()
{
    if (form_ == nullptr) {
        return false;
    }
    const std::string name = fileName_.empty() ? "Untitled" : std::filesystem::path(fileName_).filename().string();
    std::string path;
    if (!form_->AskSaveFileName(GTex().Text("GI_Sys_Dialog_FOpen", 0), GTex().Text("GI_Sys_Dialog_FOpen", 1),
                                currentDirectory_, name, path)) {
        return false;
    }
    return SaveFile(path);
}

std::string cuiMain::RecentFileText(std::int32_t position)
{
    return Env().recent.DisplayText(position, currentDirectory_);
}

void cuiMain::ReopenSheet()
{
    if (shownReference_.empty()) {
        return;
    }
    const std::string reference = shownReference_;
    RememberAndCloseSheet();
    reopenReference_ = reference;
}

}  // namespace xtr
