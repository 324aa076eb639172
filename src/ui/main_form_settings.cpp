// The main window's dialogs for the backups, the comparison with a file and
// the transfer options; the application object decides what they show and
// what their answers do.
#include "ui/main_form.h"

#include "app/globals.h"
#include "app/transfer_settings.h"
#include "overlay/gtex.h"
#include "settings/difference_rows.h"
#include "ui/backup_picker_dialog.h"
#include "ui/comparison_dialog.h"
#include "ui/transfer_options_dialog.h"

#include <QStringList>

namespace xtr::ui {
namespace {

QStringList OverlayLines(const char* name)
{
    QStringList lines = QString::fromStdString(GTex().AllLines(name)).split('\n');
    while (!lines.isEmpty() && lines.back().isEmpty()) {
        lines.removeLast();
    }
    return lines;
}

}  // namespace

bool TForm1::ChooseBackup(const std::vector<std::string>& items, int& chosen)
{
    QStringList list;
    for (const std::string& item : items) {
        list << QString::fromStdString(item);
    }
    BackupPickerDialog dialog(this, OverlayLines("GI_Dlg_Backup"), list);
    const bool taken = dialog.exec() == QDialog::Accepted && dialog.Chosen() >= 0;
    activateWindow();
    if (taken) {
        chosen = dialog.Chosen();
    }
    return taken;
}

void TForm1::ShowComparison(const std::string& file, const std::vector<SettingDifference>& differences)
{
    ComparisonDialog dialog(this, OverlayLines("GI_Dlg_Compare"), QString::fromStdString(file),
                            DifferenceRows(differences));
    dialog.exec();
    activateWindow();
}

bool TForm1::AskTransferSettings(TransferSettings& settings)
{
    TransferOptionsDialog dialog(this, OverlayLines("GI_Dlg_TransferOptions"), settings);
    const bool taken = dialog.exec() == QDialog::Accepted;
    activateWindow();
    if (taken) {
        settings = dialog.Settings();
    }
    return taken;
}

}  // namespace xtr::ui
