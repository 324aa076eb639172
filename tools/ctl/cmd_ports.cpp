// xtr450ctl ports: the serial ports of the computer, one line each.
#include "app/globals.h"
#include "ctl/ctl_options.h"
#include "ctl/ctl_session.h"
#include "ctl/ctl_settings.h"
#include "ctl/settings_commands.h"
#include "platform/serial_port_list.h"

#include <cstdio>

namespace xtr::ctl {
namespace {

const char kUsage[] =
    "Usage: xtr450ctl ports\n\n"
    "Lists the serial ports of the computer, one line each: the device (as\n"
    "--port takes it), then what the system knows of it: the adapter's\n"
    "description and maker, its USB vendor and product ids, its serial number\n"
    "and, on Linux, its stable name under /dev/serial/by-id (which --port takes\n"
    "as well). On Windows the device is the COM name and the description its\n"
    "friendly name.\n\n"
    "Exit status:\n"
    "  0        success (also when there are none)\n"
    "  2        usage error\n";

int RunPorts(const std::vector<std::string>& words)
{
    const Args args(words, {}, {});
    if (!args.Ok()) {
        return UsageError("ports", args.Error());
    }
    if (!args.Positional().empty()) {
        return UsageError("ports", "unexpected argument '" + args.Positional().front() + "'");
    }
    SessionOptions options;
    options.verbosity = Verbosity::Quiet;
    Session session(options);  // the overlay's texts
    const std::vector<SerialPortInfo> ports = CreateSystemPortLister()->List();
    if (ports.empty()) {
        std::fprintf(stderr, "%s\n", OverlayText("GI_Mess_Ports_None").c_str());
        return kExitOk;
    }
    for (const SerialPortInfo& port : ports) {
        std::printf("%s\n", DescribeSerialPort(port).c_str());
    }
    std::fflush(stdout);
    return kExitOk;
}

}  // namespace

Command PortsCommand()
{
    static const std::string usage = kUsage;
    return {"ports", "list the serial ports of the computer", usage.c_str(), RunPorts};
}

}  // namespace xtr::ctl
