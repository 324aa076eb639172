// The desktop program's document figures: a clone file opened up to its
// page shown again (the open, then the periodic step that reopens the page,
// run directly rather than waited for), and start-up up to the first page
// shown (the tree's first node run as its change delay would).
#include "app/environ.h"
#include "app/globals.h"
#include "app/main/ind_main.h"
#include "cells/active_cell.h"
#include "image/demo_files.h"
#include "platform/executable_path.h"
#include "ui/model/tree.h"
#include "ui/sheet_panel.h"

#include "gui_program.h"

#include <benchmark/benchmark.h>

namespace {

// Shows the tree's selected page as its change delay would.
bool ShowFirstPage(bench::GuiProgram& program)
{
    xtr::App().TreeSelectionChanged();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return program.form->Page() != nullptr;
}

void BM_StartupToFirstPage(benchmark::State& state)
{
    for (auto _ : state) {
        bench::GuiProgram program;
        QCoreApplication::processEvents();
        if (!ShowFirstPage(program)) {
            state.SkipWithError("no page was shown");
            break;
        }
        program.form->Page()->Grid()->viewport()->repaint();
    }
}
BENCHMARK(BM_StartupToFirstPage)->Unit(benchmark::kMillisecond);

void BM_OpenFileToPageShown(benchmark::State& state)
{
    bench::GuiProgram program;
    if (!ShowFirstPage(program)) {
        state.SkipWithError("no page was shown");
        return;
    }
    const std::string path = xtr::DataDirectory() + xtr::DemoFileName(xtr::Env().modelType);
    for (auto _ : state) {
        if (!xtr::App().OpenFile(path)) {
            state.SkipWithError("the file did not open");
            break;
        }
        xtr::App().PeriodicStep();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (program.form->Page() == nullptr) {
            state.SkipWithError("the page did not come back");
            break;
        }
        program.form->Page()->Grid()->viewport()->repaint();
    }
}
BENCHMARK(BM_OpenFileToPageShown)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
