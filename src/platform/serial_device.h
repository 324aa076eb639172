// The seam between the serial port object and the operating system: a small
// device interface that the Win32 and POSIX ports implement and that tests
// replace with an in-process line to a simulated radio.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace xtr {

// Bits of the line flag word, laid out like the low 15 bits of the Win32
// device control block's flags so that the word can be handed over as it is.
namespace serial_flags {
inline constexpr uint16_t kBinary = 1u << 0;
inline constexpr uint16_t kParityCheck = 1u << 1;
inline constexpr uint16_t kOutxCtsFlow = 1u << 2;
inline constexpr uint16_t kOutxDsrFlow = 1u << 3;
inline constexpr uint16_t kDtrControlMask = 3u << 4;  // 0 disabled (DTR low), 1 enabled, 2 handshake
inline constexpr uint16_t kDtrControlEnable = 1u << 4;
inline constexpr uint16_t kDsrSensitivity = 1u << 6;
inline constexpr uint16_t kTxContinueOnXoff = 1u << 7;
inline constexpr uint16_t kOutX = 1u << 8;
inline constexpr uint16_t kInX = 1u << 9;
inline constexpr uint16_t kErrorChar = 1u << 10;
inline constexpr uint16_t kNull = 1u << 11;
inline constexpr uint16_t kRtsControlMask = 3u << 12;  // 0 disabled, 1 enabled (RTS high), 2 handshake
inline constexpr uint16_t kRtsControlEnable = 1u << 12;
inline constexpr uint16_t kAbortOnError = 1u << 14;

// Binary mode, transmit continues after XOFF, RTS raised, everything else off
// (no flow control, DTR low).
inline constexpr uint16_t kDefault = kBinary | kTxContinueOnXoff | kRtsControlEnable;
}  // namespace serial_flags

// Parity values as the device control block numbers them.
enum SerialParity : uint8_t { kParityNone = 0, kParityOdd = 1, kParityEven = 2, kParityMark = 3, kParitySpace = 4 };
// Stop bit values as the device control block numbers them.
enum SerialStopBits : uint8_t { kStopOne = 0, kStopOneAndHalf = 1, kStopTwo = 2 };

struct SerialLineConfig {
    uint32_t baudRate = 9600;
    uint16_t flags = serial_flags::kDefault;
    uint8_t dataBits = 8;
    uint8_t parity = kParityNone;
    uint8_t stopBits = kStopOne;
    uint8_t xonChar = 0x11;
    uint8_t xoffChar = 0x13;
    uint8_t errorChar = 0x3F;
    uint8_t eofChar = 0xFD;
    uint8_t eventChar = 0xFE;
    // Software flow control thresholds (bytes in the receive queue).
    uint16_t xonLimit = 16000;
    uint16_t xoffLimit = 24000;
};

// One serial device. Every call returns at once: reads hand over what has
// arrived, writes hand bytes to the driver's transmit queue.
class SerialDevice {
public:
    virtual ~SerialDevice() = default;

    // Opens the named device for reading and writing, not shared with other
    // programs. False if it does not exist or is in use.
    virtual bool Open(const std::string& name) = 0;
    // Why the last Open failed, as the system numbers it (errno on POSIX,
    // GetLastError on Windows); 0 when it is not known.
    virtual int OpenError() const { return 0; }
    // Asks for driver queues of the given sizes and discards everything
    // waiting in either direction.
    virtual bool SetupQueues(int32_t receiveSize, int32_t transmitSize) = 0;
    // Applies speed, framing and flow control; reads return at once.
    virtual bool Configure(const SerialLineConfig& config) = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;

    // Bytes waiting to be read, or -1 when the device cannot tell.
    virtual int32_t ReceiveCount() = 0;
    // Bytes handed over and not yet sent, or -1 when the device cannot tell.
    virtual int32_t TransmitCount() = 0;
    // Copies up to max waiting bytes; -1 on failure.
    virtual int32_t Read(uint8_t* buffer, int32_t max) = 0;
    // Hands bytes to the driver; returns how many it took (it may take fewer
    // when its queue is full), or -1 when the device failed.
    virtual int32_t Write(const uint8_t* bytes, int32_t count) = 0;
};

// The operating system's serial device (Win32 COM port or POSIX tty).
std::unique_ptr<SerialDevice> CreateSystemSerialDevice();

// Where new serial port objects get their device. Tests and the simulator
// install a factory that connects to a simulated radio; an empty factory
// returns to the operating system's device.
using SerialDeviceFactory = std::function<std::unique_ptr<SerialDevice>()>;
void SetSerialDeviceFactory(SerialDeviceFactory factory);
std::unique_ptr<SerialDevice> NewSerialDevice();

}  // namespace xtr
