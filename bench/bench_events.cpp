// Cost of the event manager's deliveries: a send, and a post followed by the
// dispatch round that delivers it, for growing numbers of listeners. The
// manual clock drives the rounds, so the figures hold the manager's own work
// plus one timer firing. items_per_second counts deliveries, one per
// listener and event.
#include "app/events.h"
#include "support/manual_time.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

using namespace xtr;

void CountEvent(void* context, const cmcEvent& event)
{
    auto* count = static_cast<int64_t*>(context);
    *count += event.value;
}

// One counter per listener, so that every registration is a distinct entry.
struct Audience {
    explicit Audience(cmcEvMan& evman, int listeners) : counts(static_cast<size_t>(listeners), 0)
    {
        for (int64_t& count : counts) {
            evman.Register(&CountEvent, &count);
        }
    }
    std::vector<int64_t> counts;
};

void BM_Send(benchmark::State& state)
{
    test::ManualTimeGuard time;
    cmcEvMan evman;
    Audience audience(evman, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        evman.Send(kEvRefreshMenus, 0, 1);
    }
    benchmark::DoNotOptimize(audience.counts.data());
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_Send)->Arg(1)->Arg(10)->Arg(100);

void BM_SendText(benchmark::State& state)
{
    test::ManualTimeGuard time;
    cmcEvMan evman;
    Audience audience(evman, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        evman.SendText(kEvStatusText, 0x80000008u, 1, "Channel copied");
    }
    benchmark::DoNotOptimize(audience.counts.data());
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_SendText)->Arg(1)->Arg(10)->Arg(100);

void BM_PostAndRound(benchmark::State& state)
{
    test::ManualTimeGuard time;
    cmcEvMan evman;
    Audience audience(evman, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        evman.Post(kEvRefreshMenus, 0, 1);
        time->Advance(10);  // one dispatch round
    }
    if (audience.counts.front() != state.iterations()) {
        state.SkipWithError("a posted event was not delivered in its round");
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_PostAndRound)->Arg(1)->Arg(10)->Arg(100);

void AnswerOnce(void* context, const cmcEvent& event)
{
    static const uint8_t cell[48] = {};
    static_cast<cmcEvMan*>(context)->Answer(cell, sizeof cell);
}

void BM_QueryOneAnswer(benchmark::State& state)
{
    test::ManualTimeGuard time;
    cmcEvMan evman;
    Audience audience(evman, static_cast<int>(state.range(0)) - 1);
    evman.Register(&AnswerOnce, &evman);
    for (auto _ : state) {
        benchmark::DoNotOptimize(evman.Query(kEvQueryCursorCell, 0, 0));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_QueryOneAnswer)->Arg(1)->Arg(10)->Arg(100);

}  // namespace

BENCHMARK_MAIN();
