// What the simulated radio says about itself when it is identified: the two
// identity words and the 52-byte identity payload.
//
// Payload layout (0-based): 2-17 first comment, 18-33 second comment (16
// text bytes each, blank padded), 34 revision as two packed digits, 35 the
// value 2, 37-44 the electronic serial number as 8 hex characters, 46 the
// option unit (bit 5 fitted, bit 4 which unit), 48 bit 3 over-voltage
// detected. The other bytes are 0.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace xtr {

struct SimIdentity {
    static constexpr int32_t kPayloadLength = 52;

    int32_t modelCode = 0x2527;   // identity word 1
    int32_t extraCode = 0x0000;   // identity word 2
    std::string comment1 = "SIMULATED RADIO";
    std::string comment2;
    uint8_t revision = 0x10;
    std::string serialNumber = "1A2B3C4D";
    uint8_t option = 0x00;
    bool overVoltage = false;
    uint8_t byte35 = 2;
    // The payload is cut or zero-padded to this many bytes.
    int32_t payloadLength = kPayloadLength;
};

// The payload bytes. Bytes 0xFD and 0xFE in the texts would end or restart
// the frame that carries them, so they travel as blanks.
std::vector<uint8_t> IdentityPayload(const SimIdentity& identity);

}  // namespace xtr
