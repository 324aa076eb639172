#include "ui/file_dialogs.h"

#include "ui/model/dialog_filter.h"

#include <QDir>
#include <QFileDialog>
#include <QStringList>

namespace xtr::ui {
namespace {

void Configure(QFileDialog& dialog, const std::string& defaultExtension, const std::string& filter,
               const std::string& directory)
{
    QStringList filters;
    for (const std::string& entry : DialogFilterEntries(filter)) {
        filters << QString::fromStdString(entry);
    }
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
    }
    dialog.setDefaultSuffix(QString::fromStdString(defaultExtension));
    dialog.setDirectory(QString::fromStdString(directory));
    dialog.setSizeGripEnabled(true);
}

bool Run(QFileDialog& dialog, std::string& path)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return false;
    }
    path = QDir::toNativeSeparators(dialog.selectedFiles().first()).toStdString();
    return true;
}

}  // namespace

bool AskOpenFile(QWidget* owner, const std::string& defaultExtension, const std::string& filter,
                 const std::string& directory, std::string& path)
{
    QFileDialog dialog(owner);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    Configure(dialog, defaultExtension, filter, directory);
    return Run(dialog, path);
}

bool AskSaveFile(QWidget* owner, const std::string& defaultExtension, const std::string& filter,
                 const std::string& directory, const std::string& name, std::string& path)
{
    QFileDialog dialog(owner);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    Configure(dialog, defaultExtension, filter, directory);
    dialog.selectFile(QString::fromStdString(WithDefaultExtension(name, defaultExtension)));
    return Run(dialog, path);
}

}  // namespace xtr::ui
