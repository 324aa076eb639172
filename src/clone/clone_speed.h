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
    // Script with the model code, 0 and the two speed bytes to fill in.
    const char* scriptFormat;
    uint8_t speedByte1;
    uint8_t speedByte2;
    const char* workingSettings;
    int32_t commandPreamble;
    int32_t dataPreamble;
};

// High speed: told at 9600 baud to move to 38400. Low speed: told at 38400
// baud to move to 9600.
const CloneSpeedSetup& CloneSpeed(bool highSpeed);

// The script of a speed with the model code filled in.
std::string SpeedScript(const CloneSpeedSetup& setup, int32_t modelCode);

// Prepares an idle driver for an operation at the speed: port number, working
// settings, script and preambles. False if the driver is busy.
bool ConfigureCloneSpeed(cmcCloneDrv& driver, int32_t port, bool highSpeed);

}  // namespace xtr
