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

#include "gui_program.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <cstdlib>

namespace {

void BM_StartupToShownWindow(benchmark::State& state)
{
    for (auto _ : state) {
        bench::GuiProgram program;
        QCoreApplication::processEvents();
        if (!program.form->isVisible()) {
            state.SkipWithError("the main window was not shown");
            break;
        }
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_MiB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}
BENCHMARK(BM_StartupToShownWindow)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
