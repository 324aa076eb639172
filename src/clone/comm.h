// cmcComm: the serial port the radio's cloning cable is attached to. It
// opens a port by number (or by device path) with a settings text such as
// "9600,N,8,1", reads whatever has arrived without ever blocking, and sends
// through a transmit buffer that its pump task hands to the driver in chunks
// of at most 1024 bytes, one chunk only after the driver has sent the last.
// It knows nothing of frames.
#pragma once

#include "app/task.h"
#include "image/buff.h"
#include "platform/serial_device.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace xtr {

class cmcComm {
public:
    static constexpr int32_t kReceiveQueueSize = 32000;
    static constexpr int32_t kTransmitQueueSize = 1024;
    static constexpr int32_t kPumpPeriodMs = 10;

    // Uses the device of the installed factory (normally the system's).
    cmcComm();
    explicit cmcComm(std::unique_ptr<SerialDevice> device);
    ~cmcComm();
    cmcComm(const cmcComm&) = delete;
    cmcComm& operator=(const cmcComm&) = delete;

    // Opens port number n (see serial_port_names.h) with the settings text.
    // False, changing nothing, if the port is already open; false with the
    // port closed if it cannot be opened or configured.
    bool Open(int32_t port, std::string_view settings);
    // The same for a device given by its name or path.
    bool OpenDevice(const std::string& name, std::string_view settings);
    // Stops the pump, closes the device and drops unsent bytes. Safe when closed.
    void Close();
    bool IsOpen() const;

    // Queues bytes for sending; nothing happens on a closed port.
    void Write(const uint8_t* bytes, int32_t count);
    void Write(const cmcBuff& bytes) { Write(bytes.Data(), bytes.Length()); }
    // Copies up to max arrived bytes; 0 when closed, idle or failing.
    int32_t Read(uint8_t* buffer, int32_t max);
    // Bytes waiting in the driver's receive queue (0 when closed or unknown).
    int32_t InQueue();
    // Bytes still in the driver's transmit queue (0 when closed or unknown).
    int32_t OutQueue();
    // Everything written and not yet on the wire.
    int32_t Pending();

    int32_t PortNumber() const { return port_; }
    // The device of the last open and, when it failed, why (the system's
    // error number; 0 when the open succeeded or the reason is not known).
    const std::string& DeviceName() const { return deviceName_; }
    int OpenError() const { return openError_; }
    const SerialLineConfig& LineConfig() const { return config_; }
    // Bytes queued and not yet handed to the driver.
    int32_t Buffered() const { return transmit_.Length(); }
    bool PumpRunning() const { return pump_ && !pump_->Stopped(); }

private:
    static void Pump(void* context, cmcTask* task);
    bool OpenNamed(const std::string& name, std::string_view settings);

    std::unique_ptr<SerialDevice> device_;
    int32_t port_ = 0;
    std::string deviceName_;
    int openError_ = 0;
    cmcBuff transmit_;
    SerialLineConfig config_;
    std::unique_ptr<cmcTask> pump_;
};

}  // namespace xtr
