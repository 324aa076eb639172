#include "ui/transfer_options_dialog.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace xtr::ui {
namespace {

enum Line {
    kCaption,
    kBackups,
    kFolder,
    kVerify,
    kTrace,
    kTraceFile,
    kBrowse,
    kOk,
    kCancel,
    kFolderCaption,
    kTraceCaption,
    kTraceFilter,
};

QString PlainName(const QString& text)
{
    QString name = text;
    return name.remove('&');
}

// The overlay's filter "Text|*.txt|All|*.*" as the toolkit writes it.
QString ToolkitFilter(const QString& filter)
{
    const QStringList parts = filter.split('|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        filters << parts[i];
    }
    return filters.join(";;");
}

}  // namespace

TransferOptionsDialog::TransferOptionsDialog(QWidget* parent, const QStringList& texts,
                                             const TransferSettings& settings)
    : QDialog(parent), texts_(texts)
{
    setWindowTitle(Text(kCaption));
    setObjectName("transferOptions");

    backups_ = new QCheckBox(Text(kBackups), this);
    backups_->setAccessibleName(PlainName(Text(kBackups)));
    backups_->setChecked(settings.backups);
    folder_ = new QLineEdit(QString::fromStdString(settings.backupFolder), this);
    folder_->setAccessibleName(PlainName(Text(kFolder)));
    browseFolder_ = new QPushButton(Text(kBrowse), this);
    browseFolder_->setAccessibleName(PlainName(Text(kFolderCaption)));
    verify_ = new QCheckBox(Text(kVerify), this);
    verify_->setAccessibleName(PlainName(Text(kVerify)));
    verify_->setChecked(settings.verify);
    trace_ = new QCheckBox(Text(kTrace), this);
    trace_->setAccessibleName(PlainName(Text(kTrace)));
    trace_->setChecked(settings.trace);
    traceFile_ = new QLineEdit(QString::fromStdString(settings.traceFile), this);
    traceFile_->setAccessibleName(PlainName(Text(kTraceFile)));
    browseTrace_ = new QPushButton(Text(kBrowse), this);
    browseTrace_->setAccessibleName(PlainName(Text(kTraceCaption)));
    ok_ = new QPushButton(Text(kOk), this);
    ok_->setDefault(true);
    auto* cancel = new QPushButton(Text(kCancel), this);

    auto* folderLabel = new QLabel(Text(kFolder), this);
    folderLabel->setBuddy(folder_);
    auto* traceLabel = new QLabel(Text(kTraceFile), this);
    traceLabel->setBuddy(traceFile_);

    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(folder_, 1);
    folderRow->addWidget(browseFolder_);
    auto* traceRow = new QHBoxLayout;
    traceRow->addWidget(traceFile_, 1);
    traceRow->addWidget(browseTrace_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(backups_);
    layout->addWidget(folderLabel);
    layout->addLayout(folderRow);
    layout->addSpacing(8);
    layout->addWidget(verify_);
    layout->addSpacing(8);
    layout->addWidget(trace_);
    layout->addWidget(traceLabel);
    layout->addLayout(traceRow);
    layout->addSpacing(8);
    layout->addLayout(buttons);

    connect(backups_, &QCheckBox::toggled, this, &TransferOptionsDialog::Update);
    connect(trace_, &QCheckBox::toggled, this, &TransferOptionsDialog::Update);
    connect(traceFile_, &QLineEdit::textChanged, this, &TransferOptionsDialog::Update);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(browseFolder_, &QPushButton::clicked, this, [this] {
        const QString chosen = QFileDialog::getExistingDirectory(this, Text(kFolderCaption), folder_->text());
        if (!chosen.isEmpty()) {
            folder_->setText(chosen);
        }
    });
    connect(browseTrace_, &QPushButton::clicked, this, [this] {
        const QString chosen = QFileDialog::getSaveFileName(this, Text(kTraceCaption), traceFile_->text(),
                                                            ToolkitFilter(Text(kTraceFilter)), nullptr,
                                                            QFileDialog::DontConfirmOverwrite);
        if (!chosen.isEmpty()) {
            traceFile_->setText(chosen);
        }
    });
    Update();
}

QString TransferOptionsDialog::Text(int line) const
{
    return line < texts_.size() ? texts_[line] : QString();
}

TransferSettings TransferOptionsDialog::Settings() const
{
    TransferSettings settings;
    settings.backups = backups_->isChecked();
    settings.backupFolder = folder_->text().trimmed().toStdString();
    settings.verify = verify_->isChecked();
    settings.trace = trace_->isChecked();
    settings.traceFile = traceFile_->text().trimmed().toStdString();
    return settings;
}

void TransferOptionsDialog::Update()
{
    folder_->setEnabled(backups_->isChecked());
    browseFolder_->setEnabled(backups_->isChecked());
    traceFile_->setEnabled(trace_->isChecked());
    browseTrace_->setEnabled(trace_->isChecked());
    ok_->setEnabled(TransferSettingsComplete(Settings()));
}

}  // namespace xtr::ui
