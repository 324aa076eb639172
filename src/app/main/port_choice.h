// The Port menu's part that comes from the computer: the serial ports the
// system lists (device, adapter, USB serial number), each a choice beside
// the numbered ports of the menu, and a device path the user types. The
// choice is the settings' device path (Env().portDevice), which every
// transfer of the desktop program opens; choosing a numbered port clears
// it. Plain logic: the desktop program's menu only shows the entries.
#pragma once

#include "platform/serial_port_list.h"

#include <string>
#include <vector>

namespace xtr {

struct PortMenuEntry {
    std::string caption;  // the menu text, "&" in names doubled
    std::string device;   // what choosing it stores
    bool checked = false;
    bool listed = true;   // false: the chosen device, not found by the system now
};

// One port as the menu shows it: the device, then the adapter and its USB
// serial number where the system knows them.
std::string PortMenuCaption(const SerialPortInfo& port);

// The device path a typed text names: trimmed, a bare name taken from
// /dev on POSIX systems ("ttyACM0" is /dev/ttyACM0). "" for an empty text.
// False for a text that names no device path (control characters, a
// relative path).
bool TypedDevicePath(const std::string& text, std::string& device);

class PortChoice {
public:
    explicit PortChoice(SerialPortLister& lister) : lister_(lister) {}

    // The ports the system lists now, in its order, with the chosen device
    // checked; a chosen device the system does not list now (unplugged, or
    // typed) comes last, checked, so the menu always shows the choice.
    std::vector<PortMenuEntry> Entries();

    // A port of the list is chosen: it is stored and event 2 refreshes
    // the menus.
    void Choose(const std::string& device);

    // What the box for a typed path starts with: the device chosen now.
    std::string TypedDefault() const;
    // The user typed a device path (empty: back to the numbered port).
    // Text that names no device path is refused with a message and
    // changes nothing.
    bool ChooseTyped(const std::string& text);

private:
    SerialPortLister& lister_;
};

}  // namespace xtr
