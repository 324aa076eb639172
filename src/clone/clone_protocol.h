// The fixed bytes of the radio's clone protocol. A frame is one or more 0xFE
// preamble bytes, the destination and source address, a command, a body and
// the terminator 0xFD. Multi-byte numbers travel high byte first.
#pragma once

#include <cstdint>
#include <string_view>

namespace xtr::clone {

inline constexpr uint8_t kPreamble = 0xFE;
inline constexpr uint8_t kTerminator = 0xFD;
inline constexpr uint8_t kRadioAddress = 0xEE;
inline constexpr uint8_t kComputerAddress = 0xEF;

inline constexpr uint8_t kCmdIdentify = 0xE0;   // computer asks for the identity
inline constexpr uint8_t kCmdIdentity = 0xE1;   // radio's identity answer
inline constexpr uint8_t kCmdReadStart = 0xE2;  // radio sends its data frames
inline constexpr uint8_t kCmdWriteStart = 0xE3; // computer's data frames follow
inline constexpr uint8_t kCmdData = 0xE4;       // one data block as hex text
inline constexpr uint8_t kCmdEnd = 0xE5;        // maker text and frame count
inline constexpr uint8_t kCmdAck = 0xE6;        // radio's answer to a write's end
inline constexpr uint8_t kCmdSpeed = 0xE8;      // switch the radio's clone speed

// The text that opens the body of every end frame.
inline constexpr std::string_view kMakerText = "Nalu Inc.";

// The model code and extra code that this program's radios answer to.
inline constexpr int32_t kModelCode = 0x2527;
inline constexpr int32_t kExtraCode = 0x0000;

// A data frame's body is hex text of address (2 bytes), count, data and a
// checksum; a received frame keeps its single leading 0xFE, so the body
// starts at byte 4 (FE, destination, source, command).
inline constexpr int32_t kFrameHeaderLength = 4;

}  // namespace xtr::clone
