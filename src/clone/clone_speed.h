// The two clone speeds. Every operation first tells the radio which speed to
// use, with an E8 frame sent at the speed the radio may still be on, and then
// talks at the new speed with a speed-dependent number of extra preamble
// bytes in front of the computer's frames.
#pragma once

#include <cstdint>
#include <string>

namespace xtr {

class cmcCloneDrv;

struct CloneSpeedSetup {
    // Line settings at which the speed-switch frame is sent: the speed the
    // radio may still be on.
    const char* switchSettings;
    // The two bytes of the switch frame that name the new speed; what they
    // mean lies in the radio.
    uint8_t speedBytes[2];
    // Line settings of the exchange that follows.
    const char* workingSettings;
    // Extra 0xFE bytes before each command frame and before each data frame
    // of the exchange.
    int32_t commandPreamble;
    int32_t dataPreamble;
};

// High speed: told at 9600 baud to move to 38400. Low speed: told at 38400
// baud to move to 9600.
const CloneSpeedSetup& CloneSpeed(bool highSpeed);

// The script of a speed: the port opened at the switch settings, then the
// switch frame E8 (twenty 0xFE bytes, EE EF E8, the model code, 00 00, 01,
// the speed bytes, FD) as hexadecimal text.
std::string SpeedScript(const CloneSpeedSetup& setup, int32_t modelCode);

// Prepares an idle driver for an operation at the speed: port number, working
// settings, script and preambles. False if the driver is busy.
bool ConfigureCloneSpeed(cmcCloneDrv& driver, int32_t port, bool highSpeed);

}  // namespace xtr
