// Building the frames of the clone protocol. Used by the driver for the
// computer's frames and by the simulated radio for its own.
#pragma once

#include "image/buff.h"

#include <cstdint>
#include <string>

namespace xtr {

// E0, E2 or E3 with model and extra code, after `preamble` extra 0xFE bytes.
void AppendCommandFrame(cmcBuff& out, int32_t preamble, uint8_t command, int32_t modelCode, int32_t extraCode);

// The checksum of a data block: the two's complement of the sum of address
// high and low byte, count and data bytes, so that all of them and the
// checksum add up to 0 modulo 256.
uint8_t BlockChecksum(int32_t address, const uint8_t* data, int32_t count);

// The hex text body of a data frame: "%04X%02X", the data bytes and the
// checksum, upper case.
std::string DataFrameBody(int32_t address, const uint8_t* data, int32_t count);

// A whole frame: preamble extra 0xFE bytes, FE FE, destination, source,
// command, body and FD.
void AppendFrame(cmcBuff& out, int32_t preamble, uint8_t destination, uint8_t source, uint8_t command,
                 const uint8_t* body, int32_t bodyLength);
void AppendFrame(cmcBuff& out, int32_t preamble, uint8_t destination, uint8_t source, uint8_t command,
                 const std::string& body);

// A data frame from source to destination.
void AppendDataFrame(cmcBuff& out, int32_t preamble, uint8_t destination, uint8_t source, int32_t address,
                     const uint8_t* data, int32_t count);

// The end frame body: "Nalu Inc." and the frame count modulo 256 as two
// upper-case hex digits.
std::string EndFrameBody(int32_t frameCount);

}  // namespace xtr
