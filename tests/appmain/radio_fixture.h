// The application object with a window fake and the simulated radio behind
// the fake serial link, for the tests of the clone commands and their
// safety steps. The radio holds the demonstration image with a mark of its
// own; the document starts as the demonstration file.
#pragma once

#include "app_fixture.h"

#include "app/globals.h"
#include "app/main/image_file.h"
#include "clone/fake_serial_link.h"
#include "clone/sim_radio.h"
#include "image/demo_files.h"
#include "overlay/gtex.h"
#include "platform/executable_path.h"
#include "platform/serial_device.h"

#include <string>

namespace xtr::test {

class RadioAppTest : public AppTest {
protected:
    RadioAppTest()
    {
        radio.SetWireTime(false);
        SetSerialDeviceFactory([this] { return link.NewDevice(); });
    }
    ~RadioAppTest() override { SetSerialDeviceFactory(nullptr); }

    void StartWithDemo()
    {
        StartAttached();
        ASSERT_TRUE(App().OpenFile(DemoPath()));
        for (int32_t a = 0; a < App().CurrentImage().Size() && a < SimRadio::kMemorySize; ++a) {
            radio.Memory().SetByte(a, App().CurrentImage().GetByte(a));
        }
        SimRadio::ApplyMakerMarks(radio.Memory());
        radio.Memory().SetByte(0x0189, 'W');
    }

    std::string DemoPath() const { return DataDirectory() + DemoFileName(Env().modelType); }

    // Runs the transfer in progress to its end.
    bool Finish() { return time->AdvanceUntil([this] { return !App().CloneActive(); }, 120000, 10); }

    // How many boxes showed a text that begins with the overlay entry's
    // first line (up to its first "%1").
    int CountShown(const std::string& overlayName)
    {
        std::string start = GTex().FirstLine(overlayName);
        start = start.substr(0, start.find("%1"));
        int n = 0;
        for (const AskedMessage& m : messages.asked) {
            n += m.text.rfind(start, 0) == 0 ? 1 : 0;
        }
        return n;
    }

    SimRadio radio;
    FakeSerialLink link{radio};
};

}  // namespace xtr::test
