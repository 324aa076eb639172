// xtr450: the desktop program.
#include "app/fatal.h"
#include "app/main/process_objects.h"
#include "app/message_service.h"
#include "app/time_service.h"
#include "platform/executable_path.h"
#include "platform/settings_platform.h"
#include "platform/task_bar.h"
#include "ui/main_form.h"
#include "ui/qt_messages.h"
#include "ui/qt_time_service.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>

#include <exception>

int main(int argc, char** argv)
{
    using namespace xtr;

    // The toolkit comes first: the default window bounds of a first run are
    // computed from the real screen size. Nothing is shown before the guard
    // has been taken.
    QApplication application(argc, argv);
    SetFatalCaption(ExecutableName());
    ui::QtFatalPresenter fatalPresenter;
    SetFatalPresenter(&fatalPresenter);
    ui::QtTimeService time;
    SetTimeService(&time);
    ui::QtMessageService messages;
    SetMessageService(&messages);

    ScreenSize screen{1024, 768};
    if (const QScreen* primary = QGuiApplication::primaryScreen()) {
        screen = ScreenSize{primary->size().width(), primary->size().height()};
    }
    auto settings = CreateUserSettingsBackend(kEnvironPerUserKey);
    auto guard = CreateInstanceGuard();

    ProcessServices services;
    services.environ = EnvironServices{settings.get(), guard.get(), screen};
    services.commandLine.assign(argv, argv + argc);

    int exitCode = 0;
    {
        ProcessObjects objects(services);
        ShowSystemTaskBar();
        if (!objects.HoldsGuard()) {
            return 0;  // a second copy ends quietly
        }
        try {
            ui::TForm1 form;
            messages.SetParent(&form);
            exitCode = application.exec();
            messages.SetParent(nullptr);
        } catch (const std::exception& error) {
            QMessageBox::critical(nullptr, QString::fromLocal8Bit(ExecutableName().c_str()),
                                  QString::fromLocal8Bit(error.what()));
        }
    }
    SetTimeService(nullptr);
    return exitCode;
}
