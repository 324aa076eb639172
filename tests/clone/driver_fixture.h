// A clone protocol driver wired to a simulated radio under the manual clock,
// with every completion call recorded.
#pragma once

#include "clone/clone_driver.h"
#include "clone/clone_speed.h"
#include "clone/fake_serial_link.h"
#include "clone/sim_radio.h"
#include "support/manual_time.h"

#include <gtest/gtest.h>

#include <vector>

namespace xtr::test {

struct Completed {
    uint8_t kind = 0;
    uint8_t code = 0;
    int32_t identity1 = 0;
    int32_t identity2 = 0;
    std::vector<uint8_t> payload;
    cmcEeprom image;
    std::vector<uint8_t> receivedMap;
    uint32_t tick = 0;
    bool portOpen = false;
};

class DriverTest : public ::testing::Test {
protected:
    static constexpr int32_t kImageSize = 0x4000;

    DriverTest()
    {
        driver.SetTarget(0x2527, 0);
        driver.SetImageSize(kImageSize);
        ConfigureCloneSpeed(driver, 1, false);
    }

    static void OnDone(void* context, dst_CDrv_Result* result)
    {
        auto* self = static_cast<DriverTest*>(context);
        Completed c;
        c.kind = result->kind;
        c.code = result->code;
        c.identity1 = result->identity1;
        c.identity2 = result->identity2;
        c.payload.assign(result->payload.Data(), result->payload.Data() + result->payload.Length());
        c.image.CopyFrom(result->image);
        c.receivedMap.assign(result->receivedMap.Data(), result->receivedMap.Data() + result->receivedMap.Length());
        c.tick = Time().TickCount();
        c.portOpen = self->driver.Port().IsOpen();
        self->done.push_back(std::move(c));
    }

    // Runs until the driver is idle (at most limitMs of clock time).
    bool Run(uint64_t limitMs = 120000)
    {
        return clock->AdvanceUntil([this] { return !driver.IsBusy(); }, limitMs, 10);
    }

    void UseSpeed(bool high) { ConfigureCloneSpeed(driver, 1, high); }

    // The frames the radio received with the given command.
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

    ManualTimeGuard clock;  // first: the driver's tasks take their timers from it
    SimRadio radio;
    FakeSerialLink link{radio};
    cmcCloneDrv driver{link.NewDevice()};
    std::vector<Completed> done;
};

}  // namespace xtr::test
