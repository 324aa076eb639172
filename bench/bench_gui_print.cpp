// Printing figures: every page of the tree of the factory file the desktop
// program starts with, printed to a PDF file at 600 dots per inch as the
// print command and xtr450ctl print draw them (target: under 3 s).
#include "app/globals.h"
#include "app/main/ind_main.h"
#include "app/main/print_command.h"
#include "overlay/gtex.h"
#include "ui/model/sheet.h"
#include "ui/model/sheet_print.h"
#include "ui/print_target.h"

#include "gui_program.h"

#include <QPageSize>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void BM_AllPagesOfTheFactoryFileToPdf(benchmark::State& state)
{
    bench::GuiProgram program;
    const std::vector<std::string> references = xtr::App().Tree() != nullptr ? xtr::PageReferences(*xtr::App().Tree()) : std::vector<std::string>();
    QTemporaryDir dir;
    int pages = 0;
    for (auto _ : state) {
        QPdfWriter writer(dir.filePath("all.pdf"));
        writer.setResolution(600);
        writer.setPageSize(QPageSize(QPageSize::A4));
        xtr::ui::QtPrintTarget target(
            writer, xtr::GTex(), [](const std::string& reference) { return xtr::App().CreateSheet(nullptr, reference); },
            program.form->Markers());
        xtr::PrintState printState;
        xtr::PrintAllRun run(target, printState, references, target.PrintableArea(), target.DefaultFontHeight());
        while (run.Tick()) {
        }
        pages = run.Pages();
    }
    state.counters["pages"] = pages;
}
BENCHMARK(BM_AllPagesOfTheFactoryFileToPdf)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
