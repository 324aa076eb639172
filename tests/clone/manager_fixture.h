// A clone manager on the simulated radio under the manual clock, with the
// settings store, the shipped overlay texts, scripted message boxes and a
// progress view that records what it is told.
#pragma once

#include "app/environ.h"
#include "app/globals.h"
#include "app/local_instance_guard.h"
#include "app/memory_settings.h"
#include "clone/clone_checks.h"
#include "clone/clone_manager.h"
#include "clone/clone_progress.h"
#include "clone/fake_serial_link.h"
#include "clone/sim_radio.h"
#include "support/manual_time.h"
#include "support/overlay_guard.h"
#include "support/scripted_messages.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace xtr::test {

// What the progress view saw, in order: "start 1", "k" for a run of
// progress figures, "end"; and every figure.
class RecordingProgress : public CloneProgressView {
public:
    void CloneStarted(uint8_t kind) override { events.push_back("start " + std::to_string(kind)); }
    void CloneProgress(int k) override
    {
        figures.push_back(k);
        if (events.empty() || events.back() != "k") {
            events.push_back("k");
        }
    }
    void CloneEnded() override { events.push_back("end"); }

    std::vector<std::string> events;
    std::vector<int> figures;
};

struct ManagerResult {
    uint8_t kind = 0;
    uint8_t code = 0;
    cmcEeprom image;
    bool portOpen = true;
};

class ManagerTest : public ::testing::Test {
protected:
    static constexpr int32_t kImageSize = 0x4000;

    ManagerTest()
    {
        previousEnv_ = SetEnv(env.get());
        manager.SetProgressView(&progress);
        manager.SetIdentityHandler(&CloneIdentityHandler, &identityContext);
        manager.SetReadHandler(&CloneReadHandler, &imageChecks);
        manager.SetTarget(0x2527, 0);
        manager.SetImageSize(kImageSize);
    }
    indEnviron* previousEnv_ = nullptr;  // put back on destruction
    ~ManagerTest() override { SetEnv(previousEnv_); }

    static void OnDone(void* context, dst_CDrv_Result* result)
    {
        auto* self = static_cast<ManagerTest*>(context);
        ManagerResult r;
        r.kind = result->kind;
        r.code = result->code;
        r.image.CopyFrom(result->image);
        r.portOpen = self->manager.Driver().Port().IsOpen();
        self->results.push_back(std::move(r));
    }

    bool Run(uint64_t limitMs = 120000)
    {
        return clock->AdvanceUntil([this] { return !manager.IsBusy(); }, limitMs, 10);
    }

    // Frames of one command the radio received.
    std::vector<SimFrameRecord> FramesOf(uint8_t command) const
    {
        std::vector<SimFrameRecord> frames;
        for (const SimFrameRecord& frame : radio.Received()) {
            if (frame.command == command) {
                frames.push_back(frame);
            }
        }
        return frames;
    }

    // Texts of the boxes shown so far.
    std::vector<std::string> Shown() const
    {
        std::vector<std::string> texts;
        for (const AskedMessage& m : messages.asked) {
            texts.push_back(m.text);
        }
        return texts;
    }

    ManualTimeGuard clock;  // first: every task takes its timer from it
    std::unique_ptr<OverlayGuard> overlay = OverlayGuard::Shipped();
    ScriptedMessages messages;
    MemorySettings settings;
    LocalInstanceGuard guard;
    std::unique_ptr<indEnviron> env = std::make_unique<indEnviron>(
        kEnvironGuardName, kEnvironPerUserKey, EnvironServices{&settings, &guard, ScreenSize{1024, 768}});
    SimRadio radio;
    FakeSerialLink link{radio};
    CloneIdentityBlock identity;
    CloneIdentityHandlerContext identityContext{0x2527, &identity};
    FamilyImageChecks imageChecks;
    RecordingProgress progress;
    indCloneMan manager{link.NewDevice()};
    std::vector<ManagerResult> results;
};

}  // namespace xtr::test
