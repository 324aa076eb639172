// xtr450: the desktop program.
#include "app/fatal.h"
#include "app/globals.h"
#include "app/main/ind_main.h"
#include "app/main/process_objects.h"
#include "app/main/startup_outcome.h"
#include "app/message_service.h"
#include "app/time_service.h"
#include "platform/executable_path.h"
#include "platform/serial_device.h"
#include "platform/settings_platform.h"
#include "platform/task_bar.h"
#include "ui/main_form.h"
#include "ui/qt_cell_ui.h"
#include "ui/qt_messages.h"
#include "ui/qt_printer_session.h"
#include "ui/qt_time_service.h"
#include "ui/segment_editors.h"

#include <QApplication>
#include <QScreen>


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
    ui::QtCellUi cellUi;
    SetCellUi(&cellUi);

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
            // A second copy ends quietly; a guard that cannot be made is
            // told and ends with a failure status.
            exitCode = GuardExitCode(objects);
        } else {
            // The serial device is traced while the transfer options say so.
            SetSerialDeviceFactory([] { return App().Traces().Wrap(CreateSystemSerialDevice()); });
            exitCode = RunWindowLife(
                [&] {
                    ui::TForm1 form;
                    messages.SetParent(&form);
                    App().Printing().SetSessionFactory(ui::QtPrinterSessionFactory(&form));
                    ui::QtSegmentEditors segmentEditors(&form, &form);
                    SetSegmentEditors(&segmentEditors);
                    const int code = application.exec();
                    App().Printing().SetSessionFactory(nullptr);
                    SetSegmentEditors(nullptr);
                    messages.SetParent(nullptr);
                    return code;
                },
                [&] {
                    SetSegmentEditors(nullptr);
                    messages.SetParent(nullptr);
                });
            SetSerialDeviceFactory(nullptr);
        }
    }
    SetCellUi(nullptr);
    SetTimeService(nullptr);
    return exitCode;
}
