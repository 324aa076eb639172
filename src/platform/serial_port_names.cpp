#include "platform/serial_port_names.h"

#include <cstdlib>
#include <map>
#include <string>

namespace xtr {
namespace {

std::map<int32_t, std::string>& Overrides()
{
    static std::map<int32_t, std::string> overrides;
    return overrides;
}

}  // namespace

std::string DefaultSerialPortName(int32_t port)
{
    if (port < 1) {
        return {};
    }
#ifdef _WIN32
    // The device namespace prefix is what lets COM10 and above open at all.
    return "\\\\.\\COM" + std::to_string(port);
#else
    return "/dev/ttyUSB" + std::to_string(port - 1);
#endif
}

std::string SerialPortName(int32_t port)
{
    if (port < 1) {
        return {};
    }
    const std::string variable = "XTR450_PORT_" + std::to_string(port);
    if (const char* value = std::getenv(variable.c_str()); value != nullptr && *value != '\0') {
        return value;
    }
    const auto& overrides = Overrides();
    if (auto it = overrides.find(port); it != overrides.end()) {
        return it->second;
    }
    return DefaultSerialPortName(port);
}

void SetSerialPortOverride(int32_t port, const std::string& path)
{
    if (path.empty()) {
        Overrides().erase(port);
    } else {
        Overrides()[port] = path;
    }
}

void ClearSerialPortOverrides()
{
    Overrides().clear();
}

}  // namespace xtr
