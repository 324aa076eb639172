// The settings that differ between the document and a clone file: one row
// per setting with its page, the setting and both texts, in the order of
// the pages. Read-only; Close (or Escape) ends it.
#pragma once

#include "settings/difference_rows.h"

#include <QDialog>
#include <QStringList>

#include <vector>

class QTableWidget;

namespace xtr::ui {

class ComparisonDialog : public QDialog {
    Q_OBJECT
public:
    // texts: the lines of "GI_Dlg_Compare" (caption, label, the four column
    // titles, Close), "%1" being the file's name.
    ComparisonDialog(QWidget* parent, const QStringList& texts, const QString& file,
                     const std::vector<DifferenceRow>& rows);

    QTableWidget* Table() const { return table_; }

private:
    QTableWidget* table_ = nullptr;
};

}  // namespace xtr::ui
