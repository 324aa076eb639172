// What the clone information display shows of the radio's identity block:
// its firmware revision, the two clone comments, the option unit fitted,
// whether it has seen over-voltage, and its electronic serial number.
//
// Identity block layout (0-based): 2-17 first comment, 18-33 second
// comment, 34 revision as two packed digits, 37-44 the serial number as 8
// hexadecimal characters, 46 option unit (bit 5 fitted, bit 4 which one),
// 48 bit 3 over-voltage detected.
#pragma once

#include "clone/clone_checks.h"

#include <string>

namespace xtr {

inline constexpr const char* kCloneInfoOptQd301Key = "GI_Mess_CloneInfo_Opt_Qd301";
inline constexpr const char* kCloneInfoOptQd302Key = "GI_Mess_CloneInfo_Opt_Qd302";
inline constexpr const char* kCloneInfoOverVoltKey = "GI_Mess_CloneInfo_OverVolt";

// "%d.%d" of the high and the low digit: 0x12 shows 1.2.
std::string CloneInfoRevision(const CloneIdentityBlock& block);

// Comment 0 (bytes 2-17) or any other index (bytes 18-33), as text: bytes
// that are not printable become blanks, trailing blanks are removed.
std::string CloneInfoComment(const CloneIdentityBlock& block, int index);

// Empty without an option unit; otherwise the first overlay line naming the
// unit, followed by a line break.
std::string CloneInfoOption(const CloneIdentityBlock& block);

// The first overlay line of the over-voltage notice when the radio has seen
// over-voltage, otherwise empty.
std::string CloneInfoOverVolt(const CloneIdentityBlock& block);

// The serial number's 8 hex characters read as numbers of 2, 1 and 5
// digits and shown as "%03d/%02d/%06d" (1A2B3C4D shows 026/02/736333), or
// "---/--/------" when any of them is not a hexadecimal digit.
std::string CloneInfoEsn(const CloneIdentityBlock& block);

}  // namespace xtr
