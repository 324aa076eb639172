#include "ui/qt_messages.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>

namespace xtr::ui {
namespace {

QMessageBox::Icon ToQt(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Information: return QMessageBox::Information;
    case MsgIcon::Warning: return QMessageBox::Warning;
    case MsgIcon::Error: return QMessageBox::Critical;
    case MsgIcon::Question: return QMessageBox::Question;
    case MsgIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQt(MsgButtons buttons)
{
    switch (buttons) {
    case MsgButtons::Ok: return QMessageBox::Ok;
    case MsgButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MsgButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MsgButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

}  // namespace

MsgResult QtMessageService::Show(const std::string& caption, const std::string& text, MsgIcon icon, MsgButtons buttons)
{
    QMessageBox box(ToQt(icon), QString::fromLocal8Bit(caption.c_str()), QString::fromLocal8Bit(text.c_str()),
                    ToQt(buttons), parent_);
    switch (box.exec()) {
    case QMessageBox::Ok: return MsgResult::Ok;
    case QMessageBox::Yes: return MsgResult::Yes;
    case QMessageBox::No: return MsgResult::No;
    default: return MsgResult::Cancel;
    }
}

void QtFatalPresenter::ShowFatal(const std::string& caption, const std::string& message)
{
    // Without a display nobody could answer a box: the message goes to the
    // standard error stream instead.
    if (QApplication::instance() == nullptr || QGuiApplication::platformName() == QLatin1String("offscreen")) {
        std::fprintf(stderr, "%s: %s\n", caption.c_str(), message.c_str());
        return;
    }
    QMessageBox box(QMessageBox::Critical, QString::fromLocal8Bit(caption.c_str()),
                    QString::fromLocal8Bit(message.c_str()), QMessageBox::Ok);
    box.exec();
}

}  // namespace xtr::ui
