// Display-text throughput of the value codecs: how many "show this cell"
// requests per second each codec answers, the work a grid repaint does for
// every visible cell. Lists come from a small overlay written for the run.
#include "cells/codecs/codec_fixed.h"
#include "cells/codecs/codec_frequency.h"
#include "cells/codecs/codec_integer.h"
#include "cells/codecs/codec_row_number.h"
#include "cells/codecs/codec_selection.h"
#include "cells/codecs/codec_text.h"
#include "cells/codecs/codec_timer.h"
#include "cells/codecs/codec_tone.h"
#include "cells/fcache.h"
#include "support/overlay_guard.h"

#include <benchmark/benchmark.h>

#include <array>
#include <memory>
#include <string>

namespace {

using namespace xtr;

std::string Overlay()
{
    std::string text =
        "#GI_AppInd_TimerOff\nOFF\n"
        "#GI_AppInd_OutofCh\nNew\n-\n"
        "#GI_Sheet_Sel_Misc_Enable_Cells\n{S(%Flex0[0])}Disable\n{S(%Flex0[1])}Enable\n"
        "#GI_Sheet_Sel_Ctcss_Cells\n";
    for (int i = 0; i < 50; ++i) {
        text += "{S(%Flex0[" + std::to_string(i) + "])}" + std::to_string(670 + i * 37) + "\n";
    }
    text += "{S(%Flex0[52])}None|{S(%FlexDtcs[53])}DTCS\n#End_Of_Ovl\n";
    return text;
}

struct Fixture {
    std::unique_ptr<test::OverlayGuard> overlay = test::OverlayGuard::FromText(Overlay());
    cmcFCache lists{overlay->Store()};
    cmcCellObj cell;
    cmcCellCapsule rq;
    int editor = 0;

    cmcCellCapsule& Fresh()
    {
        rq.Reset();
        rq.cell = &cell;
        return rq;
    }
};

template <typename Show>
void Run(benchmark::State& state, Show show)
{
    Fixture f;
    for (auto _ : state) {
        show(f);
        benchmark::DoNotOptimize(f.rq.displayText.data());
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_Integer(benchmark::State& state)
{
    std::uint8_t field = 27;
    Run(state, [&](Fixture& f) { CodecIntByteStep(f.Fresh(), f.editor, &field, {0, 30, 0, 3, nullptr, true}); });
}

void BM_Frequency(benchmark::State& state)
{
    datChFreq ch;
    ch.rx = 450'012'500;
    ch.tx = 460'012'500;
    Run(state, [&](Fixture& f) { CodecFrequency(f.Fresh(), f.editor, ch, FreqSide::Transmit); });
}

void BM_FixedPoint(benchmark::State& state)
{
    std::int32_t v = -45'050'000;
    const FixedSpec spec{6, 4, -99.975, 99.975, 12500, 2};
    Run(state, [&](Fixture& f) { CodecFixed(f.Fresh(), f.editor, v, spec); });
}

void BM_Timer(benchmark::State& state)
{
    std::int32_t v = 25;
    Run(state, [&](Fixture& f) { CodecTimer(f.Fresh(), f.editor, v, {100}); });
}

void BM_TimerOff(benchmark::State& state)
{
    std::int32_t v = 0;
    Run(state, [&](Fixture& f) { CodecTimer(f.Fresh(), f.editor, v, {100, 0, 255, true}); });
}

void BM_Selection(benchmark::State& state)
{
    std::uint8_t byte = 0x10;
    Run(state, [&](Fixture& f) {
        CodecSelectionBits(f.Fresh(), f.editor, f.lists, "GI_Sheet_Sel_Misc_Enable", &byte, 4, 1);
    });
}

void BM_PlainText(benchmark::State& state)
{
    std::array<std::uint8_t, 16> field{'C', 'h', 'a', 'n', 'n', 'e', 'l', ' ', 'p', 'l', 'a', 'n', ' ', ' ', ' ', ' '};
    Run(state, [&](Fixture& f) { CodecPlainText(f.Fresh(), f.editor, field.data(), 16); });
}

void BM_Nibbles(benchmark::State& state)
{
    std::uint32_t v = 0x1234;
    Run(state, [&](Fixture& f) { CodecNibbles(f.Fresh(), f.editor, v, 4, false); });
}

void BM_Dtmf(benchmark::State& state)
{
    std::array<std::uint8_t, 12> digits{0x12, 0x34, 0x56, 0x78, 0x9E, 0xF0};
    std::uint8_t count = 11;
    Run(state, [&](Fixture& f) { CodecDtmf(f.Fresh(), f.editor, digits.data(), &count, 24); });
}

void BM_ToneCtcss(benchmark::State& state)
{
    datChTones tones;
    tones.rx.flags = datTone::kInUse;
    tones.rx.ctcss = 37;
    Run(state, [&](Fixture& f) { CodecTone(f.Fresh(), f.editor, f.lists, tones, ToneSide::Receive); });
}

void BM_ToneDtcs(benchmark::State& state)
{
    datChTones tones;
    tones.rx.flags = datTone::kInUse | datTone::kDtcs;
    tones.rx.dtcs = 0754;
    Run(state, [&](Fixture& f) { CodecTone(f.Fresh(), f.editor, f.lists, tones, ToneSide::Receive); });
}

void BM_RowNumber(benchmark::State& state)
{
    Run(state, [&](Fixture& f) { CodecRowNumber(f.Fresh(), 1, 12, 5); });
}

void BM_RowNumberFree(benchmark::State& state)
{
    Run(state, [&](Fixture& f) { CodecRowNumber(f.Fresh(), 1, 12, 12); });
}

BENCHMARK(BM_Integer);
BENCHMARK(BM_Frequency);
BENCHMARK(BM_FixedPoint);
BENCHMARK(BM_Timer);
BENCHMARK(BM_TimerOff);
BENCHMARK(BM_Selection);
BENCHMARK(BM_PlainText);
BENCHMARK(BM_Nibbles);
BENCHMARK(BM_Dtmf);
BENCHMARK(BM_ToneCtcss);
BENCHMARK(BM_ToneDtcs);
BENCHMARK(BM_RowNumber);
BENCHMARK(BM_RowNumberFree);

}  // namespace

BENCHMARK_MAIN();
