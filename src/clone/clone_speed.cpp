#include "clone/clone_speed.h"

#include "app/text_util.h"
#include "clone/clone_driver.h"

namespace xtr {
namespace {

constexpr CloneSpeedSetup kHighSpeed = {
    .switchSettings = "9600,N,8,1",
    .speedBytes = {0x30, 0x39},
    .workingSettings = "38400,N,8,1",
    .commandPreamble = 48,
    .dataPreamble = 12,
};
constexpr CloneSpeedSetup kLowSpeed = {
    .switchSettings = "38400,N,8,1",
    .speedBytes = {0x32, 0x37},
    .workingSettings = "9600,N,8,1",
    .commandPreamble = 12,
    .dataPreamble = 0,
};

// The speed-switch frame goes out with twenty 0xFE bytes in front; the radio
// may need them to find the start of a frame at a speed it was not set to.
constexpr int kSwitchPreambleBytes = 20;

}  // namespace

const CloneSpeedSetup& CloneSpeed(bool highSpeed)
{
    return highSpeed ? kHighSpeed : kLowSpeed;
}

std::string SpeedScript(const CloneSpeedSetup& setup, int32_t modelCode)
{
    std::string script = "(" + std::string(setup.switchSettings) + ")";
    for (int i = 0; i < kSwitchPreambleBytes; ++i) {
        script += "FE";
    }
    script += " EEEF E8 ";
    script += Format("%04X%04X", static_cast<unsigned>(modelCode & 0xFFFF), 0u);
    script += " 01 ";
    script += Format("%02X%02X", static_cast<unsigned>(setup.speedBytes[0]), static_cast<unsigned>(setup.speedBytes[1]));
    script += " FD";
    return script;
}

bool ConfigureCloneSpeed(cmcCloneDrv& driver, int32_t port, bool highSpeed)
{
    const CloneSpeedSetup& setup = CloneSpeed(highSpeed);
    return driver.SetPort(port, setup.workingSettings) && driver.SetScript(SpeedScript(setup, driver.ModelCode())) &&
           driver.SetCommandPreamble(setup.commandPreamble) && driver.SetDataPreamble(setup.dataPreamble);
}

}  // namespace xtr
