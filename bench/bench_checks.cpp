// The consistency check list over a whole factory image, which the desktop
// program runs 250 ms after every edit, and the image preparation that runs
// before every save and every write to the radio.
#include "app/environ.h"
#include "app/globals.h"
#include "app/local_instance_guard.h"
#include "app/memory_settings.h"
#include "cells/active_cell.h"
#include "cells/checks/check_list.h"
#include "cells/prepare/prepare_image.h"
#include "image/clone_file.h"
#include "overlay/gtex.h"
#include "support/fake_cell_host.h"
#include "support/overlay_guard.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

using namespace xtr;

struct Stage {
    explicit Stage(int variant)
        : overlay(test::OverlayGuard::Shipped()),
          env(kEnvironGuardName, kEnvironPerUserKey, EnvironServices{&settings, &guard, ScreenSize{1024, 768}}),
          host(overlay->Store())
    {
        SetEnv(&env);
        env.modelType = static_cast<std::uint8_t>(variant);
        cmcKclFile file;
        file.SetImage(&host.CurrentImage());
        file.SetModelCode(0x2527);
        file.SetMapRevisionCheck(AcceptKnownMapRevision, nullptr);
        ok = file.Read(std::string(XTR_SOURCE_DATA_DIR) + (variant == 1 ? "/XTR450CPS.kcl" : "/XTR450MPT.kcl")) ==
             kKclOk;
        host.ReferenceImage().CopyFrom(host.CurrentImage());
    }
    ~Stage() { SetEnv(nullptr); }

    MemorySettings settings;
    LocalInstanceGuard guard;
    std::unique_ptr<test::OverlayGuard> overlay;
    indEnviron env;
    test::FakeCellHost host;
    bool ok = false;
};

void BM_WarningCheckList(benchmark::State& state)
{
    Stage stage(static_cast<int>(state.range(0)));
    if (!stage.ok) {
        state.SkipWithError("factory image not readable");
        return;
    }
    indActiveCell cells(stage.host);
    for (auto _ : state) {
        CheckListResult result = RunWarningCheckList(GTex(), cells);
        benchmark::DoNotOptimize(result.errors);
    }
}
BENCHMARK(BM_WarningCheckList)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_PrepareImage(benchmark::State& state)
{
    const int variant = static_cast<int>(state.range(0));
    Stage stage(variant);
    if (!stage.ok) {
        state.SkipWithError("factory image not readable");
        return;
    }
    cmcEeprom image;
    image.SetSize(stage.host.CurrentImage().Size());
    for (auto _ : state) {
        image.CopyFrom(stage.host.CurrentImage());
        PrepareImage(image, stage.host.ReferenceImage(), variant);
        benchmark::DoNotOptimize(image.Data());
    }
}
BENCHMARK(BM_PrepareImage)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
