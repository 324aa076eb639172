// Every device that wraps the system's serial device passes on why an
// opening failed: without it the message of a port that cannot be opened
// loses its reason line (missing, busy, no permission) in the programs.
#include "app/main/trace_switch.h"
#include "clone/line_paced_device.h"
#include "clone/transfer_trace.h"
#include "support/manual_time.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <memory>

namespace xtr::test {
namespace {

class RefusingDevice : public SerialDevice {
public:
    bool Open(const std::string&) override { return false; }
    int OpenError() const override { return EBUSY; }
    bool SetupQueues(int32_t, int32_t) override { return false; }
    bool Configure(const SerialLineConfig&) override { return false; }
    void Close() override {}
    bool IsOpen() const override { return false; }
    int32_t ReceiveCount() override { return -1; }
    int32_t TransmitCount() override { return -1; }
    int32_t Read(uint8_t*, int32_t) override { return -1; }
    int32_t Write(const uint8_t*, int32_t) override { return -1; }
};

int ErrorOfAFailedOpen(SerialDevice& device)
{
    EXPECT_FALSE(device.Open("/dev/ttyXTR9"));
    return device.OpenError();
}

TEST(DeviceWrappers, PassOnTheErrorOfAFailedOpen)
{
    ManualTimeGuard time;  // the paced device reads the clock
    LinePacedDevice paced(std::make_unique<RefusingDevice>());
    EXPECT_EQ(ErrorOfAFailedOpen(paced), EBUSY);

    TempDir dir;
    std::FILE* file = std::fopen(dir.File("trace.txt").c_str(), "w");
    ASSERT_NE(file, nullptr);
    {
        TransferTrace trace(file);
        const auto traced = CreateTracingDevice(std::make_unique<RefusingDevice>(), trace);
        EXPECT_EQ(ErrorOfAFailedOpen(*traced), EBUSY);
    }
    std::fclose(file);

    // The desktop's trace switch, with the trace off and on.
    for (const bool on : {false, true}) {
        TransferSettings settings;
        settings.trace = on;
        settings.traceFile = dir.File("switched.txt");
        TraceSwitch traces([settings] { return settings; });
        const auto switched = traces.Wrap(std::make_unique<RefusingDevice>());
        EXPECT_EQ(ErrorOfAFailedOpen(*switched), EBUSY) << "trace " << on;
    }
}

}  // namespace
}  // namespace xtr::test
