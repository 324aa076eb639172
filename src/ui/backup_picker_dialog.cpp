#include "ui/backup_picker_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace xtr::ui {
namespace {

QString Line(const QStringList& texts, int n)
{
    return n < texts.size() ? texts[n] : QString();
}

}  // namespace

BackupPickerDialog::BackupPickerDialog(QWidget* parent, const QStringList& texts, const QStringList& items)
    : QDialog(parent)
{
    setWindowTitle(Line(texts, 0));
    setObjectName("backupPicker");
    auto* label = new QLabel(Line(texts, 1), this);
    list_ = new QListWidget(this);
    list_->setAccessibleName(Line(texts, 1));
    list_->addItems(items);
    label->setBuddy(list_);
    if (!items.isEmpty()) {
        list_->setCurrentRow(0);
    }
    open_ = new QPushButton(Line(texts, 2), this);
    open_->setDefault(true);
    auto* cancel = new QPushButton(Line(texts, 3), this);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(open_);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);
    resize(420, 320);

    connect(open_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(list_, &QListWidget::itemActivated, this, &QDialog::accept);
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) { open_->setEnabled(row >= 0); });
    open_->setEnabled(list_->currentRow() >= 0);
}

int BackupPickerDialog::Chosen() const
{
    return list_->currentRow();
}

}  // namespace xtr::ui
