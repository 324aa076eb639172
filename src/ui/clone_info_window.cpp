#include "ui/clone_info_window.h"

#include "app/globals.h"
#include "app/main/cui_main.h"
#include "overlay/gtex.h"
#include "ui/sheet_panel.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QPushButton>
#include <QVBoxLayout>

namespace xtr::ui {

cuiInformation::cuiInformation(QWidget* owner, const std::string& caption, const std::string& sheetKey)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(QString::fromLocal8Bit(caption.c_str()));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 5, 5);

    page_ = new SheetPanel(this);
    page_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    page_->setLineWidth(2);
    page_->Build([&sheetKey](SheetView* view) { return App().CreateSheet(view, sheetKey); });
    page_->setFixedSize(page_->NeededSize());
    layout->addWidget(page_);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QString::fromLocal8Bit(GTex().Text("GI_AppInd_Button_OkCancel", 0).c_str()),
                                         QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    if (owner != nullptr) {
        move(owner->frameGeometry().center() - QPoint(width() / 2, height() / 2));
    }
    ok->setFocus(Qt::OtherFocusReason);
}

}  // namespace xtr::ui
