#include "app/main/radio_backup.h"

#include "app/globals.h"
#include "app/main/clone_front.h"
#include "app/main/cui_main.h"
#include "clone/clone_info.h"
#include "image/eeprom.h"
#include "platform/app_data_folder.h"
#include "settings/tree_pages.h"

namespace xtr {

BackupOutcome KeepRadioBackup(cuiMain& app, const CloneFront& front, const cmcEeprom& image,
                              const std::string& folder, const BackupTime& when)
{
    BackupStore store(folder.empty() ? BackupFolder() : folder);
    BackupOutcome outcome;
    outcome.folder = store.Folder().empty() ? std::string("(no folder)") : store.Folder();
    outcome.kept = store.Keep(image, app.ModelCode(), app.ExtraCode(), CloneInfoEsn(front.Identity()), when,
                              outcome.path, outcome.error);
    return outcome;
}

std::vector<SettingDifference> ImageDifferences(cuiMain& app, const cmcEeprom& a, const cmcEeprom& b,
                                                bool withMakerPages)
{
    // The cells read the current image, so each image takes its place in
    // turn while its settings are listed.
    cmcEeprom& current = app.CurrentImage();
    cmcEeprom saved;
    saved.SetSize(current.Size());
    saved.CopyFrom(current);
    const std::vector<SettingPage> pages = TreeSettingPages(GTex(), withMakerPages);
    current.CopyFrom(a);
    const std::vector<SettingEntry> sent = ListSettings(pages, GTex(), app);
    current.CopyFrom(b);
    const std::vector<SettingEntry> back = ListSettings(pages, GTex(), app);
    current.CopyFrom(saved);
    return DiffSettings(sent, back);
}

}  // namespace xtr
