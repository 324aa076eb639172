// Start-up of the desktop program up to its first shown window: building the
// process-wide objects (settings, overlay, events, application object with
// its initial file) and the main form, on Qt's offscreen platform. The peak
// resident memory of the process is reported as a counter.
#include "app/local_instance_guard.h"
#include "app/main/process_objects.h"
#include "app/memory_settings.h"
#include "app/message_service.h"
#include "app/time_service.h"
#include "ui/main_form.h"
#include "ui/qt_time_service.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <cstdlib>

namespace {

QApplication& Application()
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

void BM_StartupToShownWindow(benchmark::State& state)
{
    Application();
    setenv("XTR450_DATA_DIR", XTR_RUNTIME_DATA_DIR, 0);
    xtr::ui::QtTimeService time;
    xtr::SetTimeService(&time);
    for (auto _ : state) {
        xtr::MemorySettings settings;
        xtr::LocalInstanceGuard guard;
        xtr::ProcessServices services;
        services.environ = xtr::EnvironServices{&settings, &guard, xtr::ScreenSize{1920, 1080}};
        services.commandLine = {"xtr450"};
        xtr::ProcessObjects objects(services);
        xtr::ui::TForm1 form;
        QCoreApplication::processEvents();
        if (!form.isVisible()) {
            state.SkipWithError("the main window was not shown");
            break;
        }
    }
    xtr::SetTimeService(nullptr);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_MiB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}
BENCHMARK(BM_StartupToShownWindow)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
