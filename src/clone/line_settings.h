// Line settings texts such as "9600,N,8,1": baud rate, parity letter, data
// bits and stop bits, separated by commas.
#pragma once

#include "platform/serial_device.h"

#include <string_view>

namespace xtr {

// Reads a settings text into the speed, parity, data bits and stop bits of
// config; the other fields are left alone. Fields that are missing keep the
// values config already holds. The split is aware of double-byte
// characters: a comma that is the second byte of one separates nothing.
//   baud: the decimal number at the start of the field;
//   parity: N none, O odd, E even, M mark, S space (either case); any
//     letter but N turns parity checking on, unknown letters mean none;
//   data bits: clamped to 4..8;
//   stop bits: "1.5" one and a half, "2" two, anything else one.
void ParseLineSettings(std::string_view text, SerialLineConfig& config);

}  // namespace xtr
