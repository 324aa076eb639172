#include "clone/line_paced_device.h"

#include "app/time_service.h"

#include <algorithm>

namespace xtr {

LinePacedDevice::LinePacedDevice(std::unique_ptr<SerialDevice> inner) : inner_(std::move(inner)) {}

namespace {

// Slack for the far-end test: twice the line's rate plus a few bytes, so
// that adapters that hand over received bytes in bursts are never taken
// for a line without wire time.
constexpr int64_t kRateSlack = 2;
constexpr int64_t kByteSlack = 16;

}  // namespace

void LinePacedDevice::Reset()
{
    busyUntil_ = 0;
    wrote_ = false;
    receivedSinceWrite_ = 0;
}

uint32_t LinePacedDevice::NowMs()
{
    // Milliseconds since the first look; the 32-bit tick count may wrap,
    // the difference does not.
    const uint32_t tick = Time().TickCount();
    if (!started_) {
        started_ = true;
        startTick_ = tick;
    }
    return static_cast<uint32_t>(tick - startTick_);
}

int64_t LinePacedDevice::NowUnits()
{
    return static_cast<int64_t>(NowMs()) * baud_;
}

bool LinePacedDevice::Open(const std::string& name)
{
    Reset();
    return inner_->Open(name);
}

bool LinePacedDevice::SetupQueues(int32_t receiveSize, int32_t transmitSize)
{
    Reset();  // the purge empties the transmit queue
    return inner_->SetupQueues(receiveSize, transmitSize);
}

bool LinePacedDevice::Configure(const SerialLineConfig& config)
{
    if (config.baudRate > 0) {
        const int64_t waiting = ModelledBacklog();
        const int64_t bits = 1 + config.dataBits + (config.parity != kParityNone ? 1 : 0) +
                             (config.stopBits == kStopOne ? 1 : 2);
        baud_ = config.baudRate;
        unitsPerByte_ = bits * 1000;
        busyUntil_ = waiting > 0 ? NowUnits() + waiting * unitsPerByte_ : 0;
    }
    return inner_->Configure(config);
}

void LinePacedDevice::Close()
{
    Reset();
    inner_->Close();
}

int32_t LinePacedDevice::ModelledBacklog()
{
    if (unpaced_) {
        return 0;
    }
    const int64_t now = NowUnits();
    if (busyUntil_ <= now) {
        return 0;
    }
    return static_cast<int32_t>((busyUntil_ - now + unitsPerByte_ - 1) / unitsPerByte_);
}

int32_t LinePacedDevice::FifoBytes() const
{
    return static_cast<int32_t>((kFifoMs * baud_ + unitsPerByte_ - 1) / unitsPerByte_);
}

int32_t LinePacedDevice::TransmitCount()
{
    const int32_t own = inner_->TransmitCount();
    if (own < 0) {
        return own;  // a failing device stays failing
    }
    return std::max(own, ModelledBacklog() - FifoBytes());
}

int32_t LinePacedDevice::Write(const uint8_t* bytes, int32_t count)
{
    const int32_t taken = inner_->Write(bytes, count);
    if (taken > 0) {
        busyUntil_ = std::max(busyUntil_, NowUnits()) + taken * unitsPerByte_;
        wrote_ = true;
        lastWriteMs_ = NowMs();
        receivedSinceWrite_ = 0;
    }
    return taken;
}

int32_t LinePacedDevice::Read(uint8_t* buffer, int32_t max)
{
    const int32_t n = inner_->Read(buffer, max);
    if (n > 0 && wrote_ && !unpaced_) {
        // The radio only ever answers: whatever arrives was sent after the
        // computer's last write reached it, so a line could have carried at
        // most elapsed / character time of it by now.
        receivedSinceWrite_ += n;
        const int64_t elapsedMs = static_cast<uint32_t>(NowMs() - lastWriteMs_);
        const int64_t carried = elapsedMs * baud_ / unitsPerByte_;
        if (receivedSinceWrite_ > kRateSlack * carried + kByteSlack) {
            unpaced_ = true;
            busyUntil_ = 0;
        }
    }
    return n;
}

std::unique_ptr<SerialDevice> CreateLinePacedSystemDevice()
{
    return std::make_unique<LinePacedDevice>(CreateSystemSerialDevice());
}

}  // namespace xtr
