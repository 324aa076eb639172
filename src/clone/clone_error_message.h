// The message shown for a failed clone operation: a head line that names
// what went wrong (one overlay line per result code) and, below a blank
// line, the hints that fit the failure (chosen from the check list of the
// overlay by a small table).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace xtr {

inline constexpr const char* kCloneErrHeadKey = "GI_Mess_CloneErr_Head";
inline constexpr const char* kCloneErrCheckKey = "GI_Mess_CloneErr_Check";

// The full text for a result code; the head line of a port failure names
// the port as the user gave it: the device path when there is one, else
// the serial port number.
// A reason (why the port could not be opened) stands on the line below
// the head line.
std::string CloneErrorText(uint8_t code, int32_t port, const std::string& devicePath = {},
                           const std::string& reason = {});

// Shows the text in an error box captioned with the program's title.
void ShowCloneError(uint8_t code, int32_t port, const std::string& devicePath = {}, const std::string& reason = {});

// The head line of a port failure holds one number conversion (such as
// "%d") for the port. Only that conversion is filled and "%%" becomes "%";
// anything else that looks like a conversion stays as it is written, so a
// stray "%s" in the overlay cannot make the program read what is not there.
std::string FillPortNumber(std::string_view line, int32_t port);
// The same for a port given as a device path (empty: the number): the
// path takes the place of the number and of a "COM" written before it.
std::string FillPortName(std::string_view line, int32_t port, const std::string& devicePath);

}  // namespace xtr
