// The serial device on Windows: a COM port opened synchronously, with read
// time-outs that make every read return at once with what has arrived, and
// write time-outs that bound how long a write may wait for a port that does
// not send (flow control held off, a cable or driver gone stuck).
#ifdef _WIN32

#include "platform/serial_device.h"
#include "platform/serial_timeouts_win.h"

#include <windows.h>

namespace xtr {

COMMTIMEOUTS SerialTimeouts(uint32_t baudRate)
{
    COMMTIMEOUTS timeouts{};
    timeouts.ReadIntervalTimeout = MAXDWORD;  // with the other read values 0: return at once
    // A byte takes at most 12 bit times (start, 8 data, parity, 2 stop); a
    // write may take twice its own time on the wire plus a fixed allowance,
    // then it returns with what was sent.
    const uint32_t baud = baudRate == 0 ? 300 : baudRate;
    timeouts.WriteTotalTimeoutMultiplier = (2 * 12 * 1000 + baud - 1) / baud;
    timeouts.WriteTotalTimeoutConstant = kSerialWriteTimeoutAllowanceMs;
    return timeouts;
}

namespace {

class WinSerialDevice : public SerialDevice {
public:
    ~WinSerialDevice() override { Close(); }

    bool Open(const std::string& name) override
    {
        if (handle_ != INVALID_HANDLE_VALUE) {
            return false;
        }
        handle_ = ::CreateFileA(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        openError_ = handle_ == INVALID_HANDLE_VALUE ? static_cast<int>(::GetLastError()) : 0;
        return handle_ != INVALID_HANDLE_VALUE;
    }

    int OpenError() const override { return openError_; }

    bool SetupQueues(int32_t receiveSize, int32_t transmitSize) override
    {
        if (handle_ == INVALID_HANDLE_VALUE) {
            return false;
        }
        if (!::SetupComm(handle_, static_cast<DWORD>(receiveSize), static_cast<DWORD>(transmitSize))) {
            return false;
        }
        return ::PurgeComm(handle_, PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR) != 0;
    }

    bool Configure(const SerialLineConfig& config) override
    {
        if (handle_ == INVALID_HANDLE_VALUE) {
            return false;
        }
        COMMTIMEOUTS timeouts = SerialTimeouts(config.baudRate);
        if (!::SetCommTimeouts(handle_, &timeouts)) {
            return false;
        }
        DCB dcb{};
        dcb.DCBlength = sizeof(dcb);
        if (!::GetCommState(handle_, &dcb)) {
            return false;
        }
        using namespace serial_flags;
        const uint16_t f = config.flags;
        dcb.BaudRate = config.baudRate;
        dcb.fBinary = (f & kBinary) != 0;
        dcb.fParity = (f & kParityCheck) != 0;
        dcb.fOutxCtsFlow = (f & kOutxCtsFlow) != 0;
        dcb.fOutxDsrFlow = (f & kOutxDsrFlow) != 0;
        dcb.fDtrControl = (f & kDtrControlMask) >> 4;
        dcb.fDsrSensitivity = (f & kDsrSensitivity) != 0;
        dcb.fTXContinueOnXoff = (f & kTxContinueOnXoff) != 0;
        dcb.fOutX = (f & kOutX) != 0;
        dcb.fInX = (f & kInX) != 0;
        dcb.fErrorChar = (f & kErrorChar) != 0;
        dcb.fNull = (f & kNull) != 0;
        dcb.fRtsControl = (f & kRtsControlMask) >> 12;
        dcb.fAbortOnError = (f & kAbortOnError) != 0;
        dcb.ByteSize = config.dataBits;
        dcb.Parity = config.parity;
        dcb.StopBits = config.stopBits;
        dcb.XonChar = static_cast<char>(config.xonChar);
        dcb.XoffChar = static_cast<char>(config.xoffChar);
        dcb.ErrorChar = static_cast<char>(config.errorChar);
        dcb.EofChar = static_cast<char>(config.eofChar);
        dcb.EvtChar = static_cast<char>(config.eventChar);
        dcb.XonLim = config.xonLimit;
        dcb.XoffLim = config.xoffLimit;
        return ::SetCommState(handle_, &dcb) != 0;
    }

    void Close() override
    {
        if (handle_ != INVALID_HANDLE_VALUE) {
            ::CloseHandle(handle_);
            handle_ = INVALID_HANDLE_VALUE;
        }
    }

    bool IsOpen() const override { return handle_ != INVALID_HANDLE_VALUE; }

    int32_t ReceiveCount() override
    {
        COMSTAT status{};
        return QueryStatus(status) ? static_cast<int32_t>(status.cbInQue) : -1;
    }

    int32_t TransmitCount() override
    {
        COMSTAT status{};
        return QueryStatus(status) ? static_cast<int32_t>(status.cbOutQue) : -1;
    }

    int32_t Read(uint8_t* buffer, int32_t max) override
    {
        DWORD got = 0;
        if (handle_ == INVALID_HANDLE_VALUE || max <= 0 ||
            !::ReadFile(handle_, buffer, static_cast<DWORD>(max), &got, nullptr)) {
            return -1;
        }
        return static_cast<int32_t>(got);
    }

    int32_t Write(const uint8_t* bytes, int32_t count) override
    {
        DWORD sent = 0;
        if (handle_ == INVALID_HANDLE_VALUE || count < 0 ||
            !::WriteFile(handle_, bytes, static_cast<DWORD>(count), &sent, nullptr)) {
            return -1;
        }
        return static_cast<int32_t>(sent);
    }

private:
    // Also clears any pending line error, which would otherwise stop the port.
    bool QueryStatus(COMSTAT& status)
    {
        DWORD errors = 0;
        return handle_ != INVALID_HANDLE_VALUE && ::ClearCommError(handle_, &errors, &status) != 0;
    }

    HANDLE handle_ = INVALID_HANDLE_VALUE;
    int openError_ = 0;
};

}  // namespace

std::unique_ptr<SerialDevice> CreateSystemSerialDevice()
{
    return std::make_unique<WinSerialDevice>();
}

}  // namespace xtr

#endif  // _WIN32
