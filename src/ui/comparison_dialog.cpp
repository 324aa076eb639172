#include "ui/comparison_dialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace xtr::ui {
namespace {

QString Line(const QStringList& texts, int n, const QString& file)
{
    QString text = n < texts.size() ? texts[n] : QString();
    return text.replace("%1", file);
}

QTableWidgetItem* Cell(const std::string& text)
{
    auto* item = new QTableWidgetItem(QString::fromStdString(text));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

}  // namespace

ComparisonDialog::ComparisonDialog(QWidget* parent, const QStringList& texts, const QString& file,
                                   const std::vector<DifferenceRow>& rows)
    : QDialog(parent)
{
    setWindowTitle(Line(texts, 0, file));
    setObjectName("comparison");
    auto* label = new QLabel(Line(texts, 1, file), this);
    table_ = new QTableWidget(static_cast<int>(rows.size()), 4, this);
    table_->setAccessibleName(Line(texts, 1, file));
    table_->setHorizontalHeaderLabels({Line(texts, 2, file), Line(texts, 3, file), Line(texts, 4, file),
                                       Line(texts, 5, file)});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->verticalHeader()->setVisible(false);
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const DifferenceRow& row = rows[static_cast<std::size_t>(r)];
        table_->setItem(r, 0, Cell(row.page));
        table_->setItem(r, 1, Cell(row.setting));
        table_->setItem(r, 2, Cell(row.textA));
        table_->setItem(r, 3, Cell(row.textB));
    }
    table_->resizeColumnsToContents();
    table_->horizontalHeader()->setStretchLastSection(true);
    label->setBuddy(table_);

    auto* close = new QPushButton(Line(texts, 6, file), this);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(table_, 1);
    layout->addLayout(buttons);
    resize(720, 400);
}

}  // namespace xtr::ui
