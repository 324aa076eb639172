// Why a serial port could not be opened, in the words a user can act on:
// the device is not there, another program holds it, or the user may not
// open it. The system's error number of the failed open decides.
#pragma once

#include <string>

namespace xtr {

enum class PortProblem {
    Unknown,    // opened, then refused its settings; or an error without a rule
    Missing,    // no such device (unplugged adapter, wrong name)
    Busy,       // another program has it open
    Denied,     // the user lacks the permission to open it
    NotSerial,  // the name is not a serial device
};

// The problem an error number of a failed open stands for (errno on POSIX,
// GetLastError on Windows; 0 is Unknown).
PortProblem PortProblemOf(int systemError);

// The group that owns the device on POSIX systems (whose members may open
// it), "dialout" when the device cannot be asked; "" on Windows.
std::string DeviceGroup(const std::string& device);

}  // namespace xtr
