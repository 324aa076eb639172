// Connects the simulated radio to a pseudo-terminal: what the program on the
// slave side writes travels to the radio at the speed that program has set,
// and the radio's answers are written back when they have crossed the line.
//
// A pseudo-terminal keeps no speed with its bytes, so the bridge can only
// ask for the program's speed when it reads them. Bytes may wait in the
// terminal for a while (a busy machine does not run the bridge, or the
// kernel moves them late) and the program may change its speed meanwhile,
// as it does right after its speed-switch frame. When the speed has changed
// since the bridge last looked, the bytes read may have gone at either
// speed, and the radio hears them if it listens at either; otherwise a
// radio still at the old speed would lose the very frame that tells it to
// change.
#pragma once

#include "clone/sim_radio.h"
#include "platform/serial_pty.h"

#include <cstdint>
#include <deque>

namespace xtr {

class SimPtyBridge {
public:
    // Takes the terminal's speed now as the program's first one: build the
    // bridge before the program is told the terminal's path.
    SimPtyBridge(SimRadio& radio, PseudoTerminal& terminal)
        : radio_(radio), terminal_(terminal), lastProgramBaud_(terminal.SlaveBaud())
    {
    }

    // Moves bytes both ways. False when the terminal has failed.
    bool Poll();

    // Radio bytes the program could not have understood (speed mismatch).
    int32_t Garbled() const { return garbled_; }

private:
    SimRadio& radio_;
    PseudoTerminal& terminal_;
    std::deque<uint8_t> toProgram_;
    uint32_t lastProgramBaud_;  // the program's speed at the last poll (0: unknown)
    int32_t garbled_ = 0;
};

}  // namespace xtr
