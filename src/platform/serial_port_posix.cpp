// The serial device on POSIX systems: a tty opened non-blocking and put in
// raw mode, with RTS raised and DTR held low while open (the cloning cable
// takes its supply from RTS, and DTR must not reset the radio).
#ifndef _WIN32

#include "platform/serial_device.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace xtr {
namespace {

struct BaudEntry {
    uint32_t rate;
    speed_t code;
};

constexpr BaudEntry kBaudRates[] = {
    {300, B300},     {600, B600},     {1200, B1200},   {2400, B2400},   {4800, B4800},
    {9600, B9600},   {19200, B19200}, {38400, B38400}, {57600, B57600}, {115200, B115200},
};

bool BaudCode(uint32_t rate, speed_t& code)
{
    for (const BaudEntry& entry : kBaudRates) {
        if (entry.rate == rate) {
            code = entry.code;
            return true;
        }
    }
    return false;
}

bool DataBitsFlag(uint8_t bits, tcflag_t& flag)
{
    switch (bits) {
    case 5: flag = CS5; return true;
    case 6: flag = CS6; return true;
    case 7: flag = CS7; return true;
    case 8: flag = CS8; return true;
    default: return false;  // a tty cannot frame 4-bit characters
    }
}

class PosixSerialDevice : public SerialDevice {
public:
    ~PosixSerialDevice() override { Close(); }

    bool Open(const std::string& name) override
    {
        if (fd_ >= 0) {
            return false;
        }
        openError_ = 0;
        int fd;
        do {
            fd = ::open(name.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        } while (fd < 0 && errno == EINTR);
        if (fd < 0) {
            openError_ = errno;
            return false;
        }
        if (::isatty(fd) == 0) {
            ::close(fd);
            openError_ = ENOTTY;
            return false;
        }
        // Not shared: further opens by other programs fail until we close.
        if (::ioctl(fd, TIOCEXCL) != 0) {
            openError_ = errno;
            ::close(fd);
            return false;
        }
        fd_ = fd;
        return true;
    }

    int OpenError() const override { return openError_; }

    bool SetupQueues(int32_t, int32_t) override
    {
        // The tty's queue sizes are fixed by the kernel; only the purge applies.
        return fd_ >= 0 && ::tcflush(fd_, TCIOFLUSH) == 0;
    }

    bool Configure(const SerialLineConfig& config) override
    {
        if (fd_ < 0) {
            return false;
        }
        termios tio{};
        if (::tcgetattr(fd_, &tio) != 0) {
            return false;
        }
        speed_t speed;
        tcflag_t size;
        if (!BaudCode(config.baudRate, speed) || !DataBitsFlag(config.dataBits, size)) {
            return false;
        }
        // Raw: no line editing, echo, signals or character translation.
        tio.c_iflag &= ~static_cast<tcflag_t>(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON |
                                              IXOFF | IXANY | INPCK | IGNPAR);
        tio.c_oflag &= ~static_cast<tcflag_t>(OPOST);
        tio.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
        tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | PARODD | CSTOPB);
#ifdef CMSPAR
        tio.c_cflag &= ~static_cast<tcflag_t>(CMSPAR);
#endif
#ifdef CRTSCTS
        tio.c_cflag &= ~static_cast<tcflag_t>(CRTSCTS);
#endif
        tio.c_cflag |= size | CREAD | CLOCAL;

        switch (config.parity) {
        case kParityOdd: tio.c_cflag |= PARENB | PARODD; break;
        case kParityEven: tio.c_cflag |= PARENB; break;
#ifdef CMSPAR
        case kParityMark: tio.c_cflag |= PARENB | PARODD | CMSPAR; break;
        case kParitySpace: tio.c_cflag |= PARENB | CMSPAR; break;
#else
        case kParityMark:
        case kParitySpace: return false;
#endif
        default: break;
        }
        if ((config.flags & serial_flags::kParityCheck) != 0 && config.parity != kParityNone) {
            tio.c_iflag |= INPCK;
        } else {
            tio.c_iflag |= IGNPAR;
        }
        // termios knows one or two stop bits; one and a half (only defined
        // for 5-bit characters) is sent as two.
        if (config.stopBits != kStopOne) {
            tio.c_cflag |= CSTOPB;
        }
#ifdef CRTSCTS
        if ((config.flags & serial_flags::kOutxCtsFlow) != 0) {
            tio.c_cflag |= CRTSCTS;
        }
#endif
        if ((config.flags & serial_flags::kOutX) != 0) {
            tio.c_iflag |= IXON;
        }
        if ((config.flags & serial_flags::kInX) != 0) {
            tio.c_iflag |= IXOFF;
        }
        tio.c_cc[VSTART] = static_cast<cc_t>(config.xonChar);
        tio.c_cc[VSTOP] = static_cast<cc_t>(config.xoffChar);
        // Reads return at once with whatever has arrived.
        tio.c_cc[VMIN] = 0;
        tio.c_cc[VTIME] = 0;
        if (::cfsetispeed(&tio, speed) != 0 || ::cfsetospeed(&tio, speed) != 0) {
            return false;
        }
        if (::tcsetattr(fd_, TCSANOW, &tio) != 0) {
            return false;
        }
        SetModemLines(config.flags);
        return true;
    }

    void Close() override
    {
        if (fd_ < 0) {
            return;
        }
        ::ioctl(fd_, TIOCNXCL);  // the exclusive mark outlives us while others hold the tty
        ::close(fd_);
        fd_ = -1;
    }

    bool IsOpen() const override { return fd_ >= 0; }

    int32_t ReceiveCount() override
    {
        int count = 0;
        if (fd_ < 0 || ::ioctl(fd_, FIONREAD, &count) != 0) {
            return -1;
        }
        return count;
    }

    int32_t TransmitCount() override
    {
        int count = 0;
        if (fd_ < 0 || ::ioctl(fd_, TIOCOUTQ, &count) != 0) {
            return -1;
        }
        return count;
    }

    int32_t Read(uint8_t* buffer, int32_t max) override
    {
        if (fd_ < 0 || max <= 0) {
            return -1;
        }
        ssize_t n;
        do {
            n = ::read(fd_, buffer, static_cast<size_t>(max));
        } while (n < 0 && errno == EINTR);
        if (n < 0) {
            return errno == EAGAIN || errno == EWOULDBLOCK ? 0 : -1;
        }
        return static_cast<int32_t>(n);
    }

    int32_t Write(const uint8_t* bytes, int32_t count) override
    {
        if (fd_ < 0 || count < 0) {
            return -1;
        }
        ssize_t n;
        do {
            n = ::write(fd_, bytes, static_cast<size_t>(count));
        } while (n < 0 && errno == EINTR);
        if (n < 0) {
            return errno == EAGAIN || errno == EWOULDBLOCK ? 0 : -1;
        }
        return static_cast<int32_t>(n);
    }

private:
    void SetModemLines(uint16_t flags)
    {
        // Pseudo-terminals and some adapters have no modem lines; that is
        // not an error worth refusing the port for.
        int rts = TIOCM_RTS;
        int dtr = TIOCM_DTR;
        const bool rtsHigh = (flags & serial_flags::kRtsControlMask) == serial_flags::kRtsControlEnable;
        const bool dtrHigh = (flags & serial_flags::kDtrControlMask) == serial_flags::kDtrControlEnable;
        ::ioctl(fd_, rtsHigh ? TIOCMBIS : TIOCMBIC, &rts);
        ::ioctl(fd_, dtrHigh ? TIOCMBIS : TIOCMBIC, &dtr);
    }

    int fd_ = -1;
    int openError_ = 0;
};

}  // namespace

std::unique_ptr<SerialDevice> CreateSystemSerialDevice()
{
    return std::make_unique<PosixSerialDevice>();
}

}  // namespace xtr

#endif  // !_WIN32
