// A pseudo-terminal pair for the simulated radio: programs open the slave
// side as if it were a serial port, and the simulator talks on the master
// side. Only POSIX systems have them; elsewhere opening fails.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace xtr {

class PseudoTerminal {
public:
    virtual ~PseudoTerminal() = default;
    // The device path to give to the program that plays the computer.
    virtual const std::string& SlavePath() const = 0;
    // Bytes the program wrote, without waiting; -1 when the terminal failed.
    virtual int32_t Read(uint8_t* buffer, int32_t max) = 0;
    // Bytes for the program; returns how many were taken (fewer when its
    // queue is full), -1 when the terminal failed.
    virtual int32_t Write(const uint8_t* bytes, int32_t count) = 0;
    // The line speed the program set on its side, 0 when unknown.
    virtual uint32_t SlaveBaud() = 0;
};

// Opens a new pair, or nullptr when the system cannot. The slave side is
// held open in raw mode for the life of the object, so the program may close
// and reopen it as often as it likes without the master seeing a hang-up.
std::unique_ptr<PseudoTerminal> OpenPseudoTerminal();

}  // namespace xtr
