#include "clone/sim_pty_bridge.h"

#include <algorithm>
#include <vector>

namespace xtr {

bool SimPtyBridge::Poll()
{
    // The program's speed, when the system tells it; otherwise assume it
    // matches the radio.
    const uint32_t known = terminal_.SlaveBaud();
    const uint32_t programBaud = known != 0 ? known : radio_.Baud();
    const uint32_t before = lastProgramBaud_ != 0 ? lastProgramBaud_ : programBaud;
    lastProgramBaud_ = programBaud;
    const uint32_t otherBaud = before != programBaud ? before : 0;

    uint8_t buffer[1024];
    for (;;) {
        const int32_t n = terminal_.Read(buffer, sizeof buffer);
        if (n < 0) {
            return false;
        }
        if (n == 0) {
            break;
        }
        radio_.FromComputer(buffer, static_cast<size_t>(n), programBaud, otherBaud);
    }

    std::vector<WireByte> arrived;
    radio_.ToComputer(arrived);
    for (const WireByte& byte : arrived) {
        if (byte.baud == programBaud) {
            toProgram_.push_back(byte.value);
        } else {
            ++garbled_;
        }
    }
    while (!toProgram_.empty()) {
        const int32_t n = static_cast<int32_t>(std::min<size_t>(toProgram_.size(), sizeof buffer));
        std::copy_n(toProgram_.begin(), n, buffer);
        const int32_t taken = terminal_.Write(buffer, n);
        if (taken < 0) {
            return false;
        }
        toProgram_.erase(toProgram_.begin(), toProgram_.begin() + taken);
        if (taken < n) {
            break;  // the terminal is full; the rest goes next time
        }
    }
    return true;
}

}  // namespace xtr
