// The Linux port list over a small sysfs tree: a USB adapter with its
// vendor, product and serial number and its by-id name, a legacy port
// without a UART left out, terminals without a device left out.
#ifndef _WIN32  // the sysfs tree is Linux's; it is built here with symbolic links

#include "platform/serial_port_list.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace xtr::test {
namespace {

void Put(const fs::path& path, const std::string& text)
{
    fs::create_directories(path.parent_path());
    std::FILE* file = std::fopen(path.string().c_str(), "w");
    ASSERT_NE(file, nullptr);
    std::fputs(text.c_str(), file);
    std::fclose(file);
}

TEST(SysfsPortList, DescribesUsbAdaptersAndLeavesOutPortsWithoutHardware)
{
    TempDir dir;
    const fs::path sys = dir.Path() / "sys";
    const fs::path dev = dir.Path() / "dev";
    // A USB serial adapter: device folder with its interface and tty.
    const fs::path usb = sys / "devices" / "pci0" / "usb1" / "1-1";
    Put(usb / "idVendor", "0403\n");
    Put(usb / "idProduct", "6001\n");
    Put(usb / "manufacturer", "FTDI\n");
    Put(usb / "product", "FT232R USB UART\n");
    Put(usb / "serial", "A50285BI\n");
    const fs::path iface = usb / "1-1:1.0" / "ttyUSB0";
    fs::create_directories(iface);
    fs::create_directories(sys / "class" / "tty" / "ttyUSB0");
    fs::create_directory_symlink(iface, sys / "class" / "tty" / "ttyUSB0" / "device");
    // A legacy port the kernel reserves without a UART (type 0), one with.
    for (const auto& [name, type] : {std::pair{"ttyS0", "4"}, std::pair{"ttyS1", "0"}}) {
        const fs::path port = sys / "devices" / "platform" / "serial8250" / name;
        fs::create_directories(port);
        fs::create_directories(sys / "class" / "tty" / name);
        fs::create_directory_symlink(port, sys / "class" / "tty" / name / "device");
        Put(sys / "class" / "tty" / name / "type", std::string(type) + "\n");
    }
    // A virtual terminal: no device.
    fs::create_directories(sys / "class" / "tty" / "tty1");
    // The stable name udev gives the adapter.
    fs::create_directories(dev / "serial" / "by-id");
    Put(dev / "ttyUSB0", "");
    fs::create_symlink("../../ttyUSB0", dev / "serial" / "by-id" / "usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0");

    const std::vector<SerialPortInfo> ports = ListSysfsSerialPorts(sys.string(), dev.string());
    ASSERT_EQ(ports.size(), 2u);
    EXPECT_EQ(ports[0].device, (dev / "ttyS0").string());
    EXPECT_EQ(ports[0].vendorId, "");
    const SerialPortInfo& adapter = ports[1];
    EXPECT_EQ(adapter.device, (dev / "ttyUSB0").string());
    EXPECT_EQ(adapter.vendorId, "0403");
    EXPECT_EQ(adapter.productId, "6001");
    EXPECT_EQ(adapter.serialNumber, "A50285BI");
    EXPECT_EQ(DescribeSerialPort(adapter), (dev / "ttyUSB0").string() +
                                               "  FT232R USB UART  FTDI  USB 0403:6001  serial A50285BI  " +
                                               (dev / "serial" / "by-id" / "usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0").string());

    EXPECT_TRUE(ListSysfsSerialPorts((dir.Path() / "none").string(), dev.string()).empty());
}

}  // namespace
}  // namespace xtr::test

#endif  // !_WIN32
