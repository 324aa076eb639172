// The main window's commands on the document's settings as a whole: open
// one of the radio's backups, compare the document with a clone file, and
// the text export and import of every setting. Each works through the same
// setting lists as xtr450ctl's diff, export and import, so both faces
// report settings by page and name, never by address.
#include "app/main/cui_main.h"

#include "app/environ.h"
#include "app/events.h"
#include "app/globals.h"
#include "app/main/clone_front.h"
#include "app/main/image_file.h"
#include "app/main/main_form.h"
#include "app/main/overlay_message.h"
#include "app/main/radio_backup.h"
#include "app/main/text_file.h"
#include "clone/backup_store.h"
#include "clone/clone_info.h"
#include "image/clone_file.h"
#include "overlay/gtex.h"
#include "platform/app_data_folder.h"
#include "settings/settings_text.h"
#include "settings/tree_pages.h"

#include <filesystem>

namespace xtr {
namespace {

// At most this many refused lines are listed in the box; the rest are
// counted.
constexpr std::size_t kListedLines = 20;

std::string FileNameOf(const std::string& path)
{
    return std::filesystem::path(path).filename().string();
}

std::string TextExtension()
{
    return GTex().Text("GI_Sys_Dialog_Text", 0);
}

std::string TextFilter()
{
    return GTex().Text("GI_Sys_Dialog_Text", 1);
}

}  // namespace

bool cuiMain::RestoreBackup()
{
    EvMan().Post(kEvCommitEdit, 0, 0);
    if (form_ == nullptr) {
        return false;
    }
    const std::string configured = HasEnv() ? Env().transfer.backupFolder : std::string();
    const BackupStore store(configured.empty() ? BackupFolder() : configured);
    // The backups of the radio identified last, when one has been; else
    // every radio's, each named by its serial number.
    const std::string esn = clone_ && clone_->HasIdentity() ? CloneInfoEsn(clone_->Identity()) : std::string();
    std::vector<BackupEntry> entries = store.List(esn);
    if (entries.empty() && !esn.empty()) {
        entries = store.List();
    }
    if (entries.empty()) {
        ShowOverlayBox(OverlayMessage("GI_Mess_Backup_None", store.Folder()), MsgIcon::Information);
        return false;
    }
    std::vector<std::string> items;
    for (const BackupEntry& entry : entries) {
        items.push_back(entry.when + "   " + entry.esn);
    }
    int chosen = -1;
    if (!form_->ChooseBackup(items, chosen) || chosen < 0 || chosen >= static_cast<int>(entries.size())) {
        return false;
    }
    if (ConfirmSave() == MsgResult::Cancel) {
        return false;
    }
    cmcEeprom scratch;
    if (ReadImageFile(*this, entries[static_cast<std::size_t>(chosen)].path, scratch) != kKclOk) {
        return false;  // its message has been shown
    }
    // Untitled, as after a read from the radio: a save must not overwrite
    // the backup by accident.
    current_.CopyFrom(scratch);
    ImageLoaded(current_);
    fileName_.clear();
    SetModified();
    ReopenSheet();
    EvMan().Post(kEvImageLoaded, 0, 0);
    return true;
}

bool cuiMain::CompareWith()
{
    std::string path;
    if (!AskFileToOpen(path)) {
        return false;
    }
    // The file is compared in the comparison image, brought into the same
    // canonical form as an opened file so that only real settings differ.
    if (ReadImageFile(*this, path, comparison_) != kKclOk) {
        return false;
    }
    PrepareImage(comparison_);
    const std::vector<SettingDifference> differences = ImageDifferences(*this, current_, comparison_, MakerMode());
    if (differences.empty()) {
        ShowOverlayBox(OverlayMessage("GI_Mess_Compare_Same", FileNameOf(path)), MsgIcon::Information);
        return true;
    }
    form_->ShowComparison(FileNameOf(path), differences);
    return true;
}

bool cuiMain::ExportText()
{
    EvMan().Post(kEvCommitEdit, 0, 0);
    if (form_ == nullptr) {
        return false;
    }
    const std::string base = fileName_.empty() ? "Untitled" : std::filesystem::path(fileName_).stem().string();
    std::string path;
    if (!form_->AskSaveFileName(TextExtension(), TextFilter(), currentDirectory_, base + "." + TextExtension(),
                                path)) {
        return false;
    }
    PrepareImage(current_);
    const std::string text =
        ExportSettingsText(ListSettings(TreeSettingPages(GTex(), MakerMode()), GTex(), *this));
    if (!WriteWholeTextFile(path, text)) {
        ShowOverlayBox(OverlayMessage("GI_Mess_Text_CannotWrite", path), MsgIcon::Error);
        return false;
    }
    return true;
}

bool cuiMain::ImportText()
{
    EvMan().Post(kEvCommitEdit, 0, 0);
    if (form_ == nullptr) {
        return false;
    }
    std::string path;
    if (!form_->AskOpenFileName(TextExtension(), TextFilter(), currentDirectory_, path)) {
        return false;
    }
    std::string text;
    if (!ReadWholeTextFile(path, text)) {
        ShowOverlayBox(OverlayMessage("GI_Mess_Text_CannotRead", path), MsgIcon::Error);
        return false;
    }
    // Typed into the document itself, as the grid would; a refusal anywhere
    // puts every byte back.
    cmcEeprom before;
    before.SetSize(current_.Size());
    before.CopyFrom(current_);
    const bool wasModified = modified_;
    const ImportReport report = ImportSettingsText(text, TreeSettingPages(GTex(), MakerMode()), *this);
    if (!report.refused.empty()) {
        current_.CopyFrom(before);
        if (!wasModified) {
            ClearModified();
        }
        std::string list = OverlayMessage("GI_Mess_Import_RefusedWindow", std::to_string(report.refused.size()),
                                          FileNameOf(path));
        std::size_t listed = 0;
        for (const RefusedLine& line : report.refused) {
            if (listed++ == kListedLines) {
                list += "\n" + OverlayMessage("GI_Mess_Verify_More", std::to_string(report.refused.size() - kListedLines));
                break;
            }
            list += "\n" + OverlayMessage("GI_Mess_Import_Line", std::to_string(line.number), line.reason) + " " +
                    line.text;
        }
        ReopenSheet();
        ShowOverlayBox(list, MsgIcon::Error);
        return false;
    }
    ImageChanged();
    ReopenSheet();
    EvMan().Post(kEvImageLoaded, 0, 0);
    ShowOverlayBox(OverlayMessage("GI_Mess_Import_Done", std::to_string(report.taken), FileNameOf(path)),
                   MsgIcon::Information);
    return true;
}

bool cuiMain::TransferOptions()
{
    if (form_ == nullptr || !HasEnv()) {
        return false;
    }
    TransferSettings settings = Env().transfer;
    if (!form_->AskTransferSettings(settings)) {
        return false;
    }
    Env().transfer = settings;
    return true;
}

}  // namespace xtr
