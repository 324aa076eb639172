// xtr450ctl: the command-line face of the cloning program.
#include "clone/clone_driver.h"
#include "ctl/commands.h"

#include <cstdint>
#include <cstdlib>

int main(int argc, char** argv)
{
    // Test rigs that run this program against the simulated radio over a
    // pseudo-terminal allow for the kernel holding the line on a loaded
    // machine; nothing else sets this.
    if (const char* stall = std::getenv("XTR450_LINE_STALL_MS")) {
        xtr::cmcCloneDrv::SetLineStallAllowance(static_cast<std::uint32_t>(std::strtoul(stall, nullptr, 10)));
    }
    return xtr::ctl::Run(argc, argv);
}
