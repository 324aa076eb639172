#include "ui/clone_info_window.h"

#include "app/globals.h"
#include "app/main/cui_main.h"
#include "overlay/gtex.h"
#include "ui/sheet_panel.h"

#include <QFrame>
#include <QPushButton>

namespace xtr::ui {

cuiInformation::cuiInformation(QWidget* owner, const std::string& caption, const std::string& sheetKey)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(QString::fromLocal8Bit(caption.c_str()));

    // Raised outer bevel, the border, and the body's lowered bevel inside.
    page_ = new SheetPanel(this);
    page_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    page_->setLineWidth(2);
    page_->setContentsMargins(kPanelBorder, kPanelBorder, kPanelBorder, kPanelBorder);
    // The window is as large as the grid: it never scrolls.
    page_->Grid()->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    page_->Grid()->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    page_->Grid()->Model().SetScrollBars(false);
    page_->Build([&sheetKey](SheetView* view) { return App().CreateSheet(view, sheetKey); });

    ok_ = new QPushButton(QString::fromLocal8Bit(GTex().Text("GI_AppInd_Button_OkCancel", 0).c_str()), this);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

    const QSize content = page_->NeededSize();
    const QSize button = ok_->sizeHint();
    layout_ = LayOutInformationWindow(content.width(), content.height(), page_->frameWidth() + kPanelBorder,
                                      button.width(), button.height());
    const auto place = [](QWidget* widget, const Rect& rect) {
        widget->setGeometry(rect.left, rect.top, rect.Width(), rect.Height());
    };
    place(page_, layout_.panel);
    place(ok_, layout_.button);
    setFixedSize(layout_.clientWidth, layout_.clientHeight);
    if (owner != nullptr) {
        move(owner->frameGeometry().center() - QPoint(width() / 2, height() / 2));
        // The main window is disabled (and shows it) while the window lives.
        // The window itself, a window of its own, stays enabled.
        owner_ = owner;
        owner_->setEnabled(false);
        setEnabled(true);
    }
    ok_->setFocus(Qt::OtherFocusReason);
}

cuiInformation::~cuiInformation()
{
    if (owner_ != nullptr) {
        owner_->setEnabled(true);
    }
}

}  // namespace xtr::ui
