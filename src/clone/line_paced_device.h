// A serial device that never reports less transmit backlog than its line
// speed allows. A real port's driver counts what still waits in its
// transmit queue, and the clone protocol paces its writes and its
// time-outs by that count; a pseudo-terminal (the simulated radio's line)
// always answers 0, so a write would race ahead of a simulated wire and
// time out waiting for the radio. This decorator keeps its own account of
// when the line will be free, at the configured speed and framing, and
// reports the larger of that and the device's own count. Like a UART's
// transmit FIFO, which the driver's count never includes, the last 12 ms
// of bytes on the line are not counted: the port's transmit pump looks
// every 10 ms, and so hands over the next bytes before the line runs dry
// instead of letting it idle between them.
//
// A far end that is no line at all (a simulated radio without wire time)
// gives itself away: after the computer's last write it answers with more
// bytes than the line could have carried in the time since. From then on
// the device's own count alone is reported, so nothing waits for a line
// that is not there. On a real port that count is the true one anyway.
#pragma once

#include "platform/serial_device.h"

#include <memory>

namespace xtr {

class LinePacedDevice : public SerialDevice {
public:
    static constexpr int64_t kFifoMs = 12;

    explicit LinePacedDevice(std::unique_ptr<SerialDevice> inner);

    bool Open(const std::string& name) override;
    bool SetupQueues(int32_t receiveSize, int32_t transmitSize) override;
    bool Configure(const SerialLineConfig& config) override;
    void Close() override;
    bool IsOpen() const override { return inner_->IsOpen(); }
    int OpenError() const override { return inner_->OpenError(); }
    int32_t ReceiveCount() override { return inner_->ReceiveCount(); }
    int32_t TransmitCount() override;
    int32_t Read(uint8_t* buffer, int32_t max) override;
    int32_t Write(const uint8_t* bytes, int32_t count) override;

    // Bytes still on the modelled line now, the FIFO's included.
    int32_t ModelledBacklog();
    // The bytes the line carries in the FIFO's time at the current speed.
    int32_t FifoBytes() const;
    // True once the far end has answered faster than the line allows.
    bool Unpaced() const { return unpaced_; }

private:
    void Reset();
    uint32_t NowMs();
    // Time in units of 1/(1000 × baud) seconds, so that one character of
    // b bits takes exactly b × 1000 units and nothing is lost to rounding.
    int64_t NowUnits();

    std::unique_ptr<SerialDevice> inner_;
    int64_t baud_ = 9600;
    int64_t unitsPerByte_ = 10 * 1000;  // start, data, parity and stop bits
    int64_t busyUntil_ = 0;
    bool started_ = false;
    uint32_t startTick_ = 0;
    // Bytes received since the last write, and when that write was.
    bool wrote_ = false;
    uint32_t lastWriteMs_ = 0;
    int64_t receivedSinceWrite_ = 0;
    bool unpaced_ = false;
};

// The system's serial device behind the line model: what the command-line
// tool installs so that it paces itself on a pseudo-terminal as on a port.
std::unique_ptr<SerialDevice> CreateLinePacedSystemDevice();

}  // namespace xtr
