// The port list on POSIX systems: the sysfs tree of Linux. Where there is
// none (other systems) the list is empty and ports are given by path.
#ifndef _WIN32

#include "platform/serial_port_list.h"

namespace xtr {
namespace {

class SysfsPortLister : public SerialPortLister {
public:
    std::vector<SerialPortInfo> List() override { return ListSysfsSerialPorts("/sys", "/dev"); }
};

}  // namespace

std::unique_ptr<SerialPortLister> CreateSystemPortLister()
{
    return std::make_unique<SysfsPortLister>();
}

}  // namespace xtr

#endif
