// The Windows serial port's time-outs: reads never wait, and a write to a
// port that does not send returns after a bounded time with what it could
// hand over, instead of holding the program for ever.
#ifdef _WIN32

#include "platform/serial_device.h"
#include "platform/serial_timeouts_win.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace xtr {
namespace {

TEST(SerialTimeouts, ReadsReturnAtOnceAndWritesAreBoundedAtBothLineSpeeds)
{
    for (uint32_t baud : {9600u, 38400u}) {
        const COMMTIMEOUTS t = SerialTimeouts(baud);
        EXPECT_EQ(t.ReadIntervalTimeout, MAXDWORD) << baud;
        EXPECT_EQ(t.ReadTotalTimeoutMultiplier, 0u) << baud;
        EXPECT_EQ(t.ReadTotalTimeoutConstant, 0u) << baud;

        // A full chunk of the transmit pump must have time to leave even
        // with two stop bits and parity, and yet the wait stays short.
        const double wireMs = 1024.0 * 12 * 1000 / baud;
        const double allowedMs = 1024.0 * t.WriteTotalTimeoutMultiplier + t.WriteTotalTimeoutConstant;
        EXPECT_GT(t.WriteTotalTimeoutMultiplier, 0u) << baud;
        EXPECT_GE(allowedMs, wireMs + 500) << baud;
        EXPECT_LE(allowedMs, 4000) << baud;
    }
    // Slower lines get longer waits; a speed of 0 still gives a bound.
    EXPECT_GT(SerialTimeouts(1200).WriteTotalTimeoutMultiplier, SerialTimeouts(9600).WriteTotalTimeoutMultiplier);
    EXPECT_GT(SerialTimeouts(0).WriteTotalTimeoutMultiplier, 0u);
}

// Needs a port whose other end is held open and never read: the Wine test
// script maps one onto a pseudo-terminal and names it here.
TEST(SerialPortWin, WriteToAPortThatDoesNotSendReturns)
{
    const char* name = std::getenv("XTR450_TEST_STUCK_PORT");
    if (name == nullptr || *name == '\0') {
        GTEST_SKIP() << "XTR450_TEST_STUCK_PORT names no port";
    }
    auto device = CreateSystemSerialDevice();
    ASSERT_TRUE(device->Open(name)) << name;
    ASSERT_TRUE(device->SetupQueues(32000, 1024));
    SerialLineConfig config;
    config.baudRate = 38400;
    ASSERT_TRUE(device->Configure(config));

    // Chunks as the transmit pump hands them over, until the port's buffers
    // are full and one write comes back short (or failed) at its time-out.
    const std::vector<uint8_t> chunk(1024, 0x55);
    int32_t last = 1024;
    int chunks = 0;
    for (; chunks < 16384 && last == 1024; ++chunks) {
        last = device->Write(chunk.data(), 1024);
    }
    EXPECT_LT(last, 1024) << "after " << chunks << " chunks";
    EXPECT_GT(chunks, 1);
    device->Close();
    EXPECT_FALSE(device->IsOpen());
}

}  // namespace
}  // namespace xtr

#endif  // _WIN32
