#include "ui/about_box.h"

#include "app/globals.h"
#include "overlay/gtex.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace xtr::ui {
namespace {

QString Overlay(const char* name)
{
    return QString::fromLocal8Bit(GTex().FirstLine(name).c_str());
}

}  // namespace

AboutBox::AboutBox(QWidget* mainForm) : QDialog(nullptr), mainForm_(mainForm)
{
    // A window of its own (not a child of the form), so that disabling the
    // form does not disable the box.
    setWindowTitle(Overlay("GI_App_About_Caption"));
    setWindowModality(Qt::ApplicationModal);
    setProperty("xtrKeyPreview", true);

    const int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize);
    auto* icon = new QLabel(this);
    icon->setPixmap(QApplication::windowIcon().isNull()
                        ? style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(iconSize)
                        : QApplication::windowIcon().pixmap(iconSize));
    auto* text = new QLabel(this);
    text->setText(QStringLiteral("<b>%1</b><br>%2<br><br>Reads, edits, checks and writes the settings<br>"
                                 "of XT-R450 MPT1327 trunked radios.")
                      .arg(Overlay("GI_Sys_AppTitle").toHtmlEscaped(), Overlay("GI_Sys_AppTitleRev").toHtmlEscaped()));
    auto* button = new QPushButton(Overlay("GI_App_About_Button"), this);
    button->setDefault(true);
    button->setFixedWidth(iconSize * 5 / 2);
    connect(button, &QPushButton::clicked, this, &QDialog::accept);

    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addWidget(text, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(button, 0, Qt::AlignHCenter);

    adjustSize();
    if (mainForm_ != nullptr) {
        move(mainForm_->geometry().center() - rect().center());
        mainForm_->setEnabled(false);
    }
}

AboutBox::~AboutBox()
{
    if (mainForm_ != nullptr) {
        mainForm_->setEnabled(true);
        mainForm_->activateWindow();
        mainForm_->setFocus();
    }
}

}  // namespace xtr::ui
