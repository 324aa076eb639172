// Drawing a display text as segment characters: the work a grid repaint
// does for every visible message cell. The canvas only counts the
// triangles, so the figure is the drawing routine's own cost.
#include "segedit/segment_font.h"
#include "support/overlay_guard.h"

#include <benchmark/benchmark.h>

#include <array>

namespace {

using namespace xtr;

class CountingCanvas : public Canvas {
public:
    void FillRect(const Rect&, Color) override {}
    void DrawText(int, int, const std::string&, Color) override {}
    int TextWidth(const std::string&) override { return 0; }
    int TextHeight(const std::string&) override { return 0; }
    void Polygon(const Point* points, int count, Color, Color) override
    {
        sum += points[count - 1].x;
        ++polygons;
    }
    long long sum = 0;
    long long polygons = 0;
};

void BM_DrawTenCharacterText(benchmark::State& state)
{
    auto overlay = test::OverlayGuard::Shipped();
    Segchar font = Segchar::FromOverlay();
    std::array<std::uint8_t, 32> user{};
    user.fill(0xFF);
    CountingCanvas canvas;
    const Rect cell{0, 0, 120, 18};
    for (auto _ : state) {
        font.DrawText(canvas, cell, "WAIT 8@%\x10#", 10, 10, 1, user);
        benchmark::DoNotOptimize(canvas.sum);
    }
    state.counters["triangles"] =
        benchmark::Counter(static_cast<double>(canvas.polygons) / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_DrawTenCharacterText);

}  // namespace

BENCHMARK_MAIN();
