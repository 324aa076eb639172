// The main menu, the tool bar and the navigation tree of the desktop
// program over the shipped overlay, on Qt's offscreen platform: building all
// three on their Qt views, and one refresh of every main-menu item (event 9,
// which follows every command; target under 1 ms).
#include "app/globals.h"
#include "app/local_instance_guard.h"
#include "app/main/ind_main.h"
#include "app/main/process_objects.h"
#include "app/memory_settings.h"
#include "app/time_service.h"
#include "overlay/gtex.h"
#include "ui/icons.h"
#include "ui/main_form.h"
#include "ui/model/menu_builder.h"
#include "ui/model/tool_bar.h"
#include "ui/model/tree.h"
#include "ui/qt_menu_view.h"
#include "ui/qt_time_service.h"
#include "ui/qt_tool_bar_view.h"
#include "ui/qt_tree_view.h"

#include "gui_program.h"

#include <QApplication>
#include <QFrame>
#include <QMainWindow>
#include <QMenuBar>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

namespace {

// The program's process-wide objects and main window, built once.
using Program = bench::GuiProgram;

Program& TheProgram()
{
    static Program* program = new Program();
    return *program;
}

void BM_BuildMenuToolBarAndTree(benchmark::State& state)
{
    Program& program = TheProgram();
    for (auto _ : state) {
        QMainWindow window;
        QFrame panel;
        xtr::ui::QtMenuView menuView(window.menuBar(), program.form->ToolBarImages());
        xtr::ui::QtToolBarView barView(&window, program.form->ToolBarImages());
        xtr::cuiMenu menu(&window, menuView, xtr::GTex(), "GI_Menu_Main");
        menu.Build();
        xtr::cuiToolBar bar(&window, barView, xtr::GTex(), "GI_ToolBar_Main");
        bar.Build();
        xtr::cuiTree tree(std::make_unique<xtr::ui::QtTreeView>(&panel, program.form->TreeImages()), xtr::GTex(),
                          "GI_Tree_Main");
        tree.Build();
        benchmark::DoNotOptimize(tree.NodeCount());
    }
}
BENCHMARK(BM_BuildMenuToolBarAndTree)->Unit(benchmark::kMillisecond);

void BM_RefreshEveryMainMenuItem(benchmark::State& state)
{
    Program& program = TheProgram();
    xtr::cuiMenu* menu = xtr::App().MainMenu();
    if (menu == nullptr) {
        state.SkipWithError("no main menu");
        return;
    }
    for (auto _ : state) {
        menu->Refresh();
    }
    (void)program;
}
BENCHMARK(BM_RefreshEveryMainMenuItem)->Unit(benchmark::kMicrosecond);

void BM_RefreshToolBar(benchmark::State& state)
{
    TheProgram();
    xtr::cuiToolBar* bar = xtr::App().ToolBar();
    if (bar == nullptr) {
        state.SkipWithError("no tool bar");
        return;
    }
    for (auto _ : state) {
        bar->Refresh();
    }
}
BENCHMARK(BM_RefreshToolBar)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
