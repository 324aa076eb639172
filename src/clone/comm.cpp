#include "clone/comm.h"

#include "clone/line_settings.h"
#include "platform/serial_port_names.h"

#include <algorithm>

namespace xtr {

cmcComm::cmcComm() : cmcComm(NewSerialDevice()) {}

cmcComm::cmcComm(std::unique_ptr<SerialDevice> device)
    : device_(device ? std::move(device) : CreateSystemSerialDevice()), pump_(std::make_unique<cmcTask>())
{
    pump_->SetHandler(&cmcComm::Pump, this);
}

cmcComm::~cmcComm()
{
    Close();
    cmcTask::Release(pump_);
}

bool cmcComm::Open(int32_t port, std::string_view settings)
{
    if (IsOpen()) {
        return false;
    }
    port_ = port;
    return OpenNamed(SerialPortName(port), settings);
}

bool cmcComm::OpenDevice(const std::string& name, std::string_view settings)
{
    if (IsOpen()) {
        return false;
    }
    return OpenNamed(name, settings);
}

bool cmcComm::OpenNamed(const std::string& name, std::string_view settings)
{
    ParseLineSettings(settings, config_);
    deviceName_ = name;
    openError_ = 0;
    if (name.empty() || !device_->Open(name)) {
        openError_ = name.empty() ? 0 : device_->OpenError();
        return false;
    }
    if (!device_->SetupQueues(kReceiveQueueSize, kTransmitQueueSize)) {
        Close();
        return false;
    }
    config_.xonLimit = kReceiveQueueSize / 2;
    config_.xoffLimit = kReceiveQueueSize * 3 / 4;
    if (!device_->Configure(config_)) {
        Close();
        return false;
    }
    return true;
}

void cmcComm::Close()
{
    if (pump_) {
        pump_->SetPeriod(-1);
    }
    if (device_->IsOpen()) {
        device_->Close();
    }
    transmit_.SetLength(0);
}

bool cmcComm::IsOpen() const
{
    return device_->IsOpen();
}

void cmcComm::Write(const uint8_t* bytes, int32_t count)
{
    if (!IsOpen() || bytes == nullptr || count <= 0) {
        return;
    }
    pump_->SetPeriod(-1);
    transmit_.AppendBytes(bytes, count);
    pump_->SetPeriod(0);
}

int32_t cmcComm::Read(uint8_t* buffer, int32_t max)
{
    if (!IsOpen() || max <= 0) {
        return 0;
    }
    const int32_t wanted = std::min(InQueue(), max);
    if (wanted <= 0) {
        return 0;
    }
    return std::max(device_->Read(buffer, wanted), int32_t{0});
}

int32_t cmcComm::InQueue()
{
    return IsOpen() ? std::max(device_->ReceiveCount(), int32_t{0}) : 0;
}

int32_t cmcComm::OutQueue()
{
    return IsOpen() ? std::max(device_->TransmitCount(), int32_t{0}) : 0;
}

int32_t cmcComm::Pending()
{
    return OutQueue() + transmit_.Length();
}

void cmcComm::Pump(void* context, cmcTask* task)
{
    auto* self = static_cast<cmcComm*>(context);
    if (!self->IsOpen()) {
        task->SetPeriod(-1);
        return;
    }
    cmcBuff& buffer = self->transmit_;
    if (self->OutQueue() != 0) {
        task->SetPeriod(kPumpPeriodMs);  // the driver still holds the last chunk
        return;
    }
    const int32_t chunk = std::min(kTransmitQueueSize, buffer.Length());
    int32_t taken = chunk > 0 ? self->device_->Write(buffer.Data(), chunk) : 0;
    // A device that fails outright loses the chunk, as a refused write does;
    // the protocol's time-outs notice. A device that takes only part of it
    // (a full queue) keeps the rest for the next turn.
    if (taken < 0 || taken > chunk) {
        taken = chunk;
    }
    if (taken >= buffer.Length()) {
        buffer.SetLength(0);
        task->SetPeriod(-1);
        return;
    }
    buffer.AssignBytes(buffer.Data() + taken, buffer.Length() - taken);
    task->SetPeriod(kPumpPeriodMs);
}

}  // namespace xtr
