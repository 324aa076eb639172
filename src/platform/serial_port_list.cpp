#include "platform/serial_port_list.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <system_error>

namespace fs = std::filesystem;

namespace xtr {
namespace {

std::string ReadAttribute(const fs::path& path)
{
    std::ifstream in(path);
    std::string text;
    std::getline(in, text);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) {
        text.pop_back();
    }
    return text;
}

fs::path Canonical(const fs::path& path)
{
    std::error_code ec;
    fs::path result = fs::canonical(path, ec);
    return ec ? fs::path() : result;
}

// The device names of /dev/serial/by-id by the device they point to.
std::map<std::string, std::string> ByIdNames(const fs::path& devRoot)
{
    std::map<std::string, std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(devRoot / "serial" / "by-id", ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path target = Canonical(it->path());
        if (!target.empty()) {
            names.emplace(target.filename().string(), it->path().string());
        }
    }
    return names;
}

}  // namespace

std::string DescribeSerialPort(const SerialPortInfo& port)
{
    std::string line = port.device;
    auto add = [&line](const std::string& label, const std::string& value) {
        if (!value.empty()) {
            line += "  " + label + value;
        }
    };
    add("", port.description);
    add("", port.manufacturer);
    if (!port.vendorId.empty() || !port.productId.empty()) {
        line += "  USB " + port.vendorId + ":" + port.productId;
    }
    add("serial ", port.serialNumber);
    add("", port.byId);
    return line;
}

std::vector<SerialPortInfo> ListSysfsSerialPorts(const std::string& sysRoot, const std::string& devRoot)
{
    std::vector<SerialPortInfo> ports;
    const std::map<std::string, std::string> byId = ByIdNames(devRoot);
    std::error_code ec;
    for (fs::directory_iterator it(fs::path(sysRoot) / "class" / "tty", ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        // Virtual terminals and pseudo-terminals have no device behind them.
        const fs::path device = Canonical(it->path() / "device");
        if (device.empty()) {
            continue;
        }
        // The kernel lists the legacy ports it reserves even without a
        // UART behind them; their port type is 0 (unknown) then.
        if (fs::exists(it->path() / "type", ec) && ReadAttribute(it->path() / "type") == "0") {
            continue;
        }
        SerialPortInfo port;
        port.device = (fs::path(devRoot) / name).string();
        const auto link = byId.find(name);
        if (link != byId.end()) {
            port.byId = link->second;
        }
        // The USB device is the nearest folder above with a vendor id.
        const fs::path root = Canonical(sysRoot);
        for (fs::path up = device; !up.empty() && up != root && up != up.root_path(); up = up.parent_path()) {
            if (fs::exists(up / "idVendor", ec)) {
                port.vendorId = ReadAttribute(up / "idVendor");
                port.productId = ReadAttribute(up / "idProduct");
                port.manufacturer = ReadAttribute(up / "manufacturer");
                port.description = ReadAttribute(up / "product");
                port.serialNumber = ReadAttribute(up / "serial");
                break;
            }
        }
        if (port.description.empty()) {
            port.description = ReadAttribute(device / "interface");
        }
        ports.push_back(std::move(port));
    }
    std::sort(ports.begin(), ports.end(),
              [](const SerialPortInfo& a, const SerialPortInfo& b) { return a.device < b.device; });
    return ports;
}

}  // namespace xtr
