#include "platform/serial_pty.h"

#ifndef _WIN32

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace xtr {
namespace {

struct SpeedEntry {
    speed_t code;
    uint32_t rate;
};

constexpr SpeedEntry kSpeeds[] = {
    {B300, 300},     {B600, 600},     {B1200, 1200},   {B2400, 2400},   {B4800, 4800},
    {B9600, 9600},   {B19200, 19200}, {B38400, 38400}, {B57600, 57600}, {B115200, 115200},
};

class PosixPseudoTerminal : public PseudoTerminal {
public:
    PosixPseudoTerminal(int master, int slave, std::string path) : master_(master), slave_(slave), path_(std::move(path))
    {
    }
    ~PosixPseudoTerminal() override
    {
        ::close(slave_);
        ::close(master_);
    }

    const std::string& SlavePath() const override { return path_; }

    int32_t Read(uint8_t* buffer, int32_t max) override
    {
        ssize_t n;
        do {
            n = ::read(master_, buffer, static_cast<size_t>(max));
        } while (n < 0 && errno == EINTR);
        if (n < 0) {
            return errno == EAGAIN || errno == EWOULDBLOCK ? 0 : -1;
        }
        return static_cast<int32_t>(n);
    }

    int32_t Write(const uint8_t* bytes, int32_t count) override
    {
        ssize_t n;
        do {
            n = ::write(master_, bytes, static_cast<size_t>(count));
        } while (n < 0 && errno == EINTR);
        if (n < 0) {
            return errno == EAGAIN || errno == EWOULDBLOCK ? 0 : -1;
        }
        return static_cast<int32_t>(n);
    }

    uint32_t SlaveBaud() override
    {
        // The terminal settings are shared by both sides of the pair.
        termios tio{};
        if (::tcgetattr(slave_, &tio) != 0) {
            return 0;
        }
        const speed_t code = ::cfgetospeed(&tio);
        for (const SpeedEntry& entry : kSpeeds) {
            if (entry.code == code) {
                return entry.rate;
            }
        }
        return 0;
    }

private:
    int master_;
    int slave_;
    std::string path_;
};

}  // namespace

std::unique_ptr<PseudoTerminal> OpenPseudoTerminal()
{
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0) {
        return nullptr;
    }
    const char* name = nullptr;
    if (::grantpt(master) != 0 || ::unlockpt(master) != 0 || (name = ::ptsname(master)) == nullptr) {
        ::close(master);
        return nullptr;
    }
    const std::string path = name;
    const int slave = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (slave < 0) {
        ::close(master);
        return nullptr;
    }
    // Raw from the start: a terminal in its default mode would echo the
    // simulator's answers back to it before the program sets its own mode.
    termios tio{};
    if (::tcgetattr(slave, &tio) == 0) {
        ::cfmakeraw(&tio);
        ::cfsetispeed(&tio, B9600);
        ::cfsetospeed(&tio, B9600);
        ::tcsetattr(slave, TCSANOW, &tio);
    }
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
    ::fcntl(master, F_SETFD, FD_CLOEXEC);
    return std::make_unique<PosixPseudoTerminal>(master, slave, path);
}

}  // namespace xtr

#else  // _WIN32

namespace xtr {

std::unique_ptr<PseudoTerminal> OpenPseudoTerminal()
{
    return nullptr;
}

}  // namespace xtr

#endif
