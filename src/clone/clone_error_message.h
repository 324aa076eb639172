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

// The full text for a result code; port is the serial port number that the
// head line of a port failure names.
std::string CloneErrorText(uint8_t code, int32_t port);

// Shows the text in an error box captioned with the program's title.
void ShowCloneError(uint8_t code, int32_t port);

// The head line of a port failure holds one number conversion (such as
// "%d") for the port. Only that conversion is filled and "%%" becomes "%";
// anything else that looks like a conversion stays as it is written, so a
// stray "%s" in the overlay cannot make the program read what is not there.
std::string FillPortNumber(std::string_view line, int32_t port);

}  // namespace xtr
