// The grid of the desktop program on the largest shipped page, on Qt's
// offscreen platform: opening the page (the old sheet destroyed, the new one
// built, laid out and shown), repainting every visible cell, and a typed
// value committed and repainted. The peak resident memory of the process
// with the page shown is reported as a counter.
#include "app/globals.h"
#include "gui_program.h"
#include "app/local_instance_guard.h"
#include "app/main/cui_main.h"
#include "app/main/process_objects.h"
#include "app/memory_settings.h"
#include "app/time_service.h"
#include "overlay/gtex.h"
#include "ui/cui_grid.h"
#include "ui/main_form.h"
#include "ui/model/sheet_table.h"
#include "ui/qt_time_service.h"
#include "ui/sheet_panel.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <cstdlib>
#include <memory>

namespace {

// The process objects and the main window, shown at a usual size.
struct Program : bench::GuiProgram {
    Program()
    {
        form->resize(1280, 900);
        QCoreApplication::processEvents();
    }

    // The page of the main tree with the most cells.
    std::string LargestPage()
    {
        std::string best;
        long cells = 0;
        std::string line;
        for (int i = 0; xtr::GTex().TryText("GI_Tree_Main_Body", i, line) && (line.empty() || line[0] != '#'); ++i) {
            const auto open = line.find(":[St_");
            if (open == std::string::npos) {
                continue;
            }
            const auto close = line.find_first_of(")}", open);
            const std::string reference = line.substr(open + 1, close - open - 1);
            xtr::SheetTable table;
            if (table.Build(reference, xtr::GTex(), &xtr::App().CurrentImage()) &&
                static_cast<long>(table.Rows()) * table.Columns() > cells) {
                cells = static_cast<long>(table.Rows()) * table.Columns();
                best = reference;
            }
        }
        return best;
    }

    xtr::ui::cuiGrid* Show(const std::string& reference)
    {
        xtr::App().RunCommand(xtr::AppCommand::ShowSheet, 0, reference);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return form->Page() != nullptr ? form->Page()->Grid() : nullptr;
    }
};

void PeakMemory(benchmark::State& state)
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_MiB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BM_OpenLargestPage(benchmark::State& state)
{
    Program program;
    const std::string page = program.LargestPage();
    state.SetLabel(page);
    program.Show(page);
    for (auto _ : state) {
        xtr::ui::cuiGrid* grid = program.Show(page);
        if (grid == nullptr) {
            state.SkipWithError("the page was not shown");
            break;
        }
        grid->viewport()->repaint();
    }
    PeakMemory(state);
}
BENCHMARK(BM_OpenLargestPage)->Unit(benchmark::kMillisecond);

void BM_RepaintVisibleGrid(benchmark::State& state)
{
    Program program;
    const std::string page = program.LargestPage();
    state.SetLabel(page);
    xtr::ui::cuiGrid* grid = program.Show(page);
    for (auto _ : state) {
        grid->viewport()->repaint();
    }
    PeakMemory(state);
}
BENCHMARK(BM_RepaintVisibleGrid)->Unit(benchmark::kMillisecond);

void BM_TypedValueToRepaint(benchmark::State& state)
{
    Program program;
    xtr::ui::cuiGrid* grid = program.Show("[St_Common]GI_Sheet_ConvCh");
    const std::string values[] = {"446.00625", "446.01875"};
    int i = 0;
    for (auto _ : state) {
        grid->Model().Command(1, 1, 13, 0, &values[i++ % 2]);
        grid->viewport()->repaint();
    }
    PeakMemory(state);
}
BENCHMARK(BM_TypedValueToRepaint)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
