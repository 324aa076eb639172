#include "ui/printing_dialog.h"

#include "ui/model/printing_dialog_layout.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

namespace xtr::ui {

PrintingDialog::PrintingDialog(QWidget* parent, const QString& caption, const QString& label, const QString& button,
                               std::function<void()> onCancel)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), onCancel_(std::move(onCancel))
{
    setWindowTitle(caption);
    auto* text = new QLabel(this);
    text->setTextFormat(Qt::PlainText);
    text->setText(label);  // no buddy: an "&" is shown as it is
    auto* cancel = new QPushButton(button, this);
    cancel->setDefault(true);
    connect(cancel, &QPushButton::clicked, this, &PrintingDialog::reject);

    const QSize labelSize = text->sizeHint();
    const PrintingDialogLayout layout =
        LayoutPrintingDialog(labelSize.width(), labelSize.height(), cancel->sizeHint().height());
    text->setGeometry(layout.label.left, layout.label.top, layout.label.Width(), layout.label.Height());
    cancel->setGeometry(layout.button.left, layout.button.top, layout.button.Width(), layout.button.Height());
    setFixedSize(layout.clientWidth, layout.clientHeight);
}

void PrintingDialog::ShowCentred()
{
    QRect frame(QPoint(0, 0), size());
    if (parentWidget() != nullptr) {
        frame.moveCenter(parentWidget()->window()->geometry().center());
    }
    if (const QScreen* screen = parentWidget() != nullptr ? parentWidget()->screen() : QApplication::primaryScreen()) {
        const QRect work = screen->availableGeometry();
        frame.moveLeft(std::clamp(frame.left(), work.left(), std::max(work.left(), work.right() - frame.width())));
        frame.moveTop(std::clamp(frame.top(), work.top(), std::max(work.top(), work.bottom() - frame.height())));
    }
    move(frame.topLeft());
    show();
    // Painted before the first page holds the program up.
    QApplication::processEvents();
}

void PrintingDialog::reject()
{
    // Printing ends the dialog, not the button.
    if (onCancel_) {
        onCancel_();
    }
}

}  // namespace xtr::ui
