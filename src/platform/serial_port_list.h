// The serial ports of the computer as the platform's device information
// describes them: on Linux the ttys of /sys/class/tty that belong to real
// hardware, with the properties of the USB device above them and their
// /dev/serial/by-id names; on Windows the COM ports SetupAPI lists, with
// their friendly names. The command-line tool's port list and the desktop
// program's port choice ask through the SerialPortLister seam.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace xtr {

struct SerialPortInfo {
    std::string device;        // what --port takes: "/dev/ttyUSB0", "COM3"
    std::string description;   // the adapter's product or friendly name
    std::string manufacturer;
    std::string vendorId;      // USB vendor, four hex digits ("0403"), or ""
    std::string productId;
    std::string serialNumber;
    std::string byId;          // a stable name of the device (/dev/serial/by-id/...), or ""
};

// One line: the device, then what is known of it.
std::string DescribeSerialPort(const SerialPortInfo& port);

class SerialPortLister {
public:
    virtual ~SerialPortLister() = default;
    // The ports in the order of their device names.
    virtual std::vector<SerialPortInfo> List() = 0;
};

// The operating system's lister.
std::unique_ptr<SerialPortLister> CreateSystemPortLister();

// The Linux way, over a sysfs tree and a /dev folder given by their roots
// ("/sys" and "/dev" for the system; tests build small trees of their own).
std::vector<SerialPortInfo> ListSysfsSerialPorts(const std::string& sysRoot, const std::string& devRoot);

}  // namespace xtr
