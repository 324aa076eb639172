// Overlay text store timings over a synthetic overlay of 5,000 entries:
// the first lookup of the last entry on a fresh store (the whole index scan
// and one body read), and lookups of 50 names spread through the file once
// the store is warm (index walk with move-to-front, line cache).
#include "overlay/gtex.h"
#include "support/temp_dir.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

constexpr int kEntries = 5000;

std::string EntryName(int i) { return "GI_Bench_Entry_" + std::to_string(i); }

// Each entry has three body lines of typical length, as captions and
// message texts do.
const std::string& OverlayPath()
{
    static xtr::test::TempDir dir;
    static const std::string path = [] {
        std::string text = "; synthetic overlay\n";
        for (int i = 0; i < kEntries; ++i) {
            text += "#" + EntryName(i) + "\n";
            text += "Caption text of entry " + std::to_string(i) + "\n";
            text += "Second line, a little longer than the first one\n";
            text += "CL_Some_Cell_Name,clWindow,0,1,2\n";
        }
        text += "#End_Of_Ovl\n";
        return dir.Write("XTR450.OVL", text);
    }();
    return path;
}

void BM_FirstLookupOfLastEntry(benchmark::State& state)
{
    const std::string& path = OverlayPath();
    const std::string last = EntryName(kEntries - 1);
    for (auto _ : state) {
        xtr::cmcGTex store;
        store.NameFile(path);
        benchmark::DoNotOptimize(store.FirstLine(last));
    }
}
BENCHMARK(BM_FirstLookupOfLastEntry)->Unit(benchmark::kMicrosecond);

void BM_RepeatedLookupsOf50Names(benchmark::State& state)
{
    xtr::cmcGTex store;
    store.NameFile(OverlayPath());
    std::vector<std::string> names;
    for (int i = 0; i < 50; ++i) {
        names.push_back(EntryName(i * (kEntries / 50) + kEntries / 100));
    }
    for (const std::string& name : names) {
        store.FirstLine(name);  // warm: indexed, cached
    }
    for (auto _ : state) {
        for (const std::string& name : names) {
            benchmark::DoNotOptimize(store.FirstLine(name));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(names.size()));
}
BENCHMARK(BM_RepeatedLookupsOf50Names)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
