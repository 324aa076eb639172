// The transfer options: backups and their folder, the check after a write,
// the transfer trace and its file. Standard widgets, each with an
// accessible name; OK is offered only while the choice is complete (a
// trace needs a file).
#pragma once

#include "app/transfer_settings.h"

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace xtr::ui {

class TransferOptionsDialog : public QDialog {
    Q_OBJECT
public:
    // texts: the lines of "GI_Dlg_TransferOptions" (caption, the four
    // choices and their fields, Browse, OK, Cancel, the two browse captions
    // and the trace file filter).
    TransferOptionsDialog(QWidget* parent, const QStringList& texts, const TransferSettings& settings);

    TransferSettings Settings() const;

    QCheckBox* BackupsBox() const { return backups_; }
    QLineEdit* FolderEdit() const { return folder_; }
    QCheckBox* VerifyBox() const { return verify_; }
    QCheckBox* TraceBox() const { return trace_; }
    QLineEdit* TraceFileEdit() const { return traceFile_; }
    QPushButton* OkButton() const { return ok_; }

private:
    void Update();
    QString Text(int line) const;

    QStringList texts_;
    QCheckBox* backups_ = nullptr;
    QLineEdit* folder_ = nullptr;
    QPushButton* browseFolder_ = nullptr;
    QCheckBox* verify_ = nullptr;
    QCheckBox* trace_ = nullptr;
    QLineEdit* traceFile_ = nullptr;
    QPushButton* browseTrace_ = nullptr;
    QPushButton* ok_ = nullptr;
};

}  // namespace xtr::ui
