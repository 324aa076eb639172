// Serial ports are chosen by number, as COM1, COM2... on Windows. Elsewhere
// number n names a device path: /dev/ttyUSB(n-1) unless the environment
// variable XTR450_PORT_<n> or a registered override names another one.
#pragma once

#include <cstdint>
#include <string>

namespace xtr {

// The device name to open for port number n ("" for n < 1). Order of
// precedence: the environment variable, a registered override, the default.
std::string SerialPortName(int32_t port);

// The default name of port n without environment or overrides.
std::string DefaultSerialPortName(int32_t port);

// Registers a device path for port number n (an empty path removes it). The
// settings store uses this for per-port paths chosen by the user.
void SetSerialPortOverride(int32_t port, const std::string& path);
void ClearSerialPortOverrides();

}  // namespace xtr
