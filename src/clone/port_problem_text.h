// The line of a port failure's message that says why the port could not be
// opened and what to do about it: the overlay's text for the problem with
// the device (and, for a refused permission, the group to join) filled in.
#pragma once

#include "platform/port_problem.h"

#include <string>

namespace xtr {

inline constexpr const char* kPortMissingKey = "GI_Mess_Port_Missing";
inline constexpr const char* kPortBusyKey = "GI_Mess_Port_Busy";
inline constexpr const char* kPortDeniedKey = "GI_Mess_Port_Denied";
inline constexpr const char* kPortNotSerialKey = "GI_Mess_Port_NotSerial";

// "" when the problem is Unknown or the device is not named. "%1" in the
// overlay's line is the device, "%2" the group; the texts are put in as
// they are, never read as formats.
std::string PortProblemText(PortProblem problem, const std::string& device, const std::string& group);

// The same from the error number of the failed open, with the group that
// owns the device.
std::string PortOpenFailureText(const std::string& device, int openError);

}  // namespace xtr
