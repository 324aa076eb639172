#include "clone/clone_speed.h"

#include "app/text_util.h"
#include "clone/clone_driver.h"

namespace xtr {
namespace {

// The speed-switch frame goes out with twenty 0xFE bytes in front; the radio
// may need them to find the start of a frame at a speed it was not set to.
constexpr CloneSpeedSetup kHighSpeed = {
    "(9600,N,8,1)FEFEFEFEFEFEFEFEFEFEFEFEFEFEFEFEFEFEFEFE EEEF E8 %04X%04X 01 %02X%02X FD",
    0x30, 0x39, "38400,N,8,1", 48, 12,
};
constexpr CloneSpeedSetup kLowSpeed = {
    "(38400,N,8,1)FEFEFEFEFEFEFEFEFEFEFEFEFEFEFEFEFEFEFEFE EEEF E8 %04X%04X 01 %02X%02X FD",
    0x32, 0x37, "9600,N,8,1", 12, 0,
};

}  // namespace

const CloneSpeedSetup& CloneSpeed(bool highSpeed)
{
    return highSpeed ? kHighSpeed : kLowSpeed;
}

std::string SpeedScript(const CloneSpeedSetup& setup, int32_t modelCode)
{
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
#endif
    return Format(setup.scriptFormat, modelCode & 0xFFFF, 0, setup.speedByte1, setup.speedByte2);
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif
}

bool ConfigureCloneSpeed(cmcCloneDrv& driver, int32_t port, bool highSpeed)
{
    const CloneSpeedSetup& setup = CloneSpeed(highSpeed);
    return driver.SetPort(port, setup.workingSettings) && driver.SetScript(SpeedScript(setup, driver.ModelCode())) &&
           driver.SetCommandPreamble(setup.commandPreamble) && driver.SetDataPreamble(setup.dataPreamble);
}

}  // namespace xtr
