// What the desktop-program benchmarks share: the Qt application on the
// offscreen platform, and the program's process-wide objects with its main
// window over the shipped data.
#pragma once

#include "app/local_instance_guard.h"
#include "app/main/process_objects.h"
#include "app/memory_settings.h"
#include "app/time_service.h"
#include "ui/main_form.h"
#include "ui/qt_time_service.h"

#include <QApplication>

#include <cstdlib>
#include <memory>

namespace bench {

inline QApplication& Application()
{
    static int argc = 1;
    static char name[] = "bench";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    return *app;
}

// The process objects (settings in memory, a 1920 x 1080 screen) and the
// main window; the data files are the build's.
struct GuiProgram {
    GuiProgram()
    {
        Application();
        setenv("XTR450_DATA_DIR", XTR_RUNTIME_DATA_DIR, 0);
        xtr::SetTimeService(&time);
        xtr::ProcessServices services;
        services.environ = xtr::EnvironServices{&settings, &guard, xtr::ScreenSize{1920, 1080}};
        services.commandLine = {"xtr450"};
        objects = std::make_unique<xtr::ProcessObjects>(services);
        form = std::make_unique<xtr::ui::TForm1>();
    }
    ~GuiProgram()
    {
        form.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        objects.reset();
        xtr::SetTimeService(nullptr);
    }
    GuiProgram(const GuiProgram&) = delete;
    GuiProgram& operator=(const GuiProgram&) = delete;

    xtr::ui::QtTimeService time;
    xtr::MemorySettings settings;
    xtr::LocalInstanceGuard guard;
    std::unique_ptr<xtr::ProcessObjects> objects;
    std::unique_ptr<xtr::ui::TForm1> form;
};

}  // namespace bench
