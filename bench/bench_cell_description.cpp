// Parsing speed of cell descriptions: a 40-row by 8-column sheet layout of
// the kind the overlay holds (a heading row with a shared style, row labels
// driven by a counter, bound list cells and a few free labels), parsed the
// way a sheet fills its cells, with the basic cell as template.
#include "cells/cell_description.h"
#include "support/overlay_guard.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

constexpr int kRows = 40;
constexpr int kColumns = 8;

std::vector<std::string> Layout()
{
    std::vector<std::string> rows;
    rows.push_back(
        "{($Head)}No.|{($Head)}Rx\\nFrequency|{($Head)}Tx\\nFrequency|{($Head)}Tx\\nInhibit|"
        "{($Head)}Narrow|{($Head)}Rx\\nTone|{($Head)}Tx\\nTone|{($Head)}RF\\nPower");
    for (int r = 1; r < kRows; ++r) {
        rows.push_back(
            "{^W(Color=clBtnFace)(@ch1+)}\\(@ch1)|"
            "{S>W(%CT_Conv.CL_PersConv_FreqRx[@ch1])}|"
            "{S>W(%CT_Conv.CL_PersConv_FreqTx[@ch1])}|"
            "{S^(%CT_Conv.CL_PersConv_TxInh[@ch1])(PopupMenu=GI_PMenu_Conv)}|"
            "{S^(%CT_Conv.CL_PersConv_Nar[@ch1])}|"
            "{S>(%CT_Conv.CL_PersConv_ToneRx[@ch1])(Font=,,,,,fsBold,)}|"
            "{S>(%CT_Conv.CL_PersConv_ToneTx[@ch1])}|"
            "{S^B(%CT_Conv.CL_PersConv_RfPower[@ch1]:Pwr)}Ch\\_\\(@ch1+1)");
    }
    return rows;
}

void BM_ParseSheetLayout(benchmark::State& state)
{
    auto overlay = xtr::test::OverlayGuard::FromText(
        "#CellModel_Head\n^BH-(Color=clBtnFace)(Font=,,,,,fsBold,)\n#End_Of_Ovl\n");
    const std::vector<std::string> rows = Layout();

    xtr::cmcCellObj basic;
    xtr::ParseCellDescription("{<(Color=clWindow)(Font=DEFAULT_CHARSET,MS Sans Serif,clWindowText,13,,,)}", basic,
                              nullptr, nullptr);
    std::vector<xtr::cmcCellObj> cells(kRows * kColumns);

    for (auto _ : state) {
        xtr::CellCounters counters{};
        std::size_t slot = 0;
        for (const std::string& row : rows) {
            std::string_view rest = row;
            while (!rest.empty()) {
                rest = xtr::ParseCellDescription(rest, cells[slot++], &counters, &basic);
            }
        }
        benchmark::DoNotOptimize(cells.data());
    }
    state.SetItemsProcessed(state.iterations() * kRows * kColumns);
}
BENCHMARK(BM_ParseSheetLayout);

}  // namespace

BENCHMARK_MAIN();
