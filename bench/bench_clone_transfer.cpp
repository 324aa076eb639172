// Processor time of whole transfers through the clone manager: identify,
// read of the clone area and normal write, against the simulated radio over
// the in-process line with wire time off, under the manual clock. The
// figures are the program's own work per transfer (framing, scanning,
// checks, progress), which must stay small beside the seconds the serial
// line takes. bytes_per_second counts the data bytes moved.
#include "app/environ.h"
#include "app/globals.h"
#include "app/local_instance_guard.h"
#include "app/memory_settings.h"
#include "clone/clone_checks.h"
#include "clone/clone_manager.h"
#include "clone/fake_serial_link.h"
#include "clone/sim_radio.h"
#include "support/manual_time.h"
#include "support/overlay_guard.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

namespace {

using namespace xtr;

struct Rig {
    Rig()
    {
        SetEnv(&env);
        env.comSpeedHigh = 1;
        radio.SetWireTime(false);
        manager.SetIdentityHandler(&CloneIdentityHandler, &identityContext);
        manager.SetReadHandler(&CloneReadHandler, &checks);
        manager.SetTarget(0x2527, 0);
        manager.SetImageSize(0x4000);
        image.SetSize(0x4000);
        SimRadio::ApplyMakerMarks(image);
    }
    ~Rig() { SetEnv(nullptr); }

    static void OnDone(void* context, dst_CDrv_Result* result) { *static_cast<int*>(context) = result->code; }

    void Finish(benchmark::State& state)
    {
        if (!clock->AdvanceUntil([this] { return !manager.IsBusy(); }, 600000, 10) || code != 0) {
            state.SkipWithError("transfer failed");
        }
    }

    test::ManualTimeGuard clock;
    std::unique_ptr<test::OverlayGuard> overlay = test::OverlayGuard::Shipped();
    MemorySettings settings;
    LocalInstanceGuard guard;
    indEnviron env{kEnvironGuardName, kEnvironPerUserKey, EnvironServices{&settings, &guard, ScreenSize{1024, 768}}};
    SimRadio radio;
    FakeSerialLink link{radio};
    CloneIdentityBlock identity;
    CloneIdentityHandlerContext identityContext{0x2527, &identity};
    FamilyImageChecks checks;
    indCloneMan manager{link.NewDevice()};
    cmcEeprom image;
    int code = 0;
};

void BM_Identify(benchmark::State& state)
{
    Rig rig;
    for (auto _ : state) {
        rig.manager.RunIdentify(&Rig::OnDone, &rig.code);
        rig.Finish(state);
    }
}
BENCHMARK(BM_Identify)->Unit(benchmark::kMillisecond);

void BM_ReadCloneArea(benchmark::State& state)
{
    Rig rig;
    for (auto _ : state) {
        rig.manager.RunRead(kCloneReadRanges, &Rig::OnDone, &rig.code);
        rig.Finish(state);
    }
    state.SetBytesProcessed(state.iterations() * RangeBytes(kCloneReadRanges));
}
BENCHMARK(BM_ReadCloneArea)->Unit(benchmark::kMillisecond);

void BM_WriteNormal(benchmark::State& state)
{
    Rig rig;
    for (auto _ : state) {
        rig.manager.RunWrite(rig.image, kCloneWriteRanges, &Rig::OnDone, &rig.code);
        rig.Finish(state);
    }
    state.SetBytesProcessed(state.iterations() * RangeBytes(kCloneWriteRanges));
}
BENCHMARK(BM_WriteNormal)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
