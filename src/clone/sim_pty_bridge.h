// Connects the simulated radio to a pseudo-terminal: what the program on the
// slave side writes travels to the radio at the speed that program has set,
// and the radio's answers are written back when they have crossed the line.
#pragma once

#include "clone/sim_radio.h"
#include "platform/serial_pty.h"

#include <cstdint>
#include <deque>

namespace xtr {

class SimPtyBridge {
public:
    SimPtyBridge(SimRadio& radio, PseudoTerminal& terminal) : radio_(radio), terminal_(terminal) {}

    // Moves bytes both ways. False when the terminal has failed.
    bool Poll();

    // Radio bytes the program could not have understood (speed mismatch).
    int32_t Garbled() const { return garbled_; }

private:
    SimRadio& radio_;
    PseudoTerminal& terminal_;
    std::deque<uint8_t> toProgram_;
    int32_t garbled_ = 0;
};

}  // namespace xtr
