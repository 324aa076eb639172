// The list of the radio's backups, newest first, to open one of them.
// Open takes the selected backup (also a double click or Enter); Cancel or
// Escape takes none.
#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;
class QPushButton;

namespace xtr::ui {

class BackupPickerDialog : public QDialog {
    Q_OBJECT
public:
    // texts: the lines of "GI_Dlg_Backup" (caption, label, Open, Cancel).
    BackupPickerDialog(QWidget* parent, const QStringList& texts, const QStringList& items);

    // The row chosen, -1 for none.
    int Chosen() const;

    QListWidget* List() const { return list_; }
    QPushButton* OpenButton() const { return open_; }

private:
    QListWidget* list_ = nullptr;
    QPushButton* open_ = nullptr;
};

}  // namespace xtr::ui
