// Command-line options of xtr450-radiosim: the clone file to serve, the
// radio's identity and the faults to act out.
#pragma once

#include "clone/sim_identity.h"
#include "clone/sim_radio.h"

#include <string>
#include <vector>

namespace xtr::radiosim {

struct Setup {
    // The clone file to serve; when empty, the demonstration file of the
    // numbering beside the program, or an erased memory with --blank.
    std::string imagePath;
    int modelType = 0;
    bool blank = false;
    std::string savePath;
    bool wireTime = true;
    bool quiet = false;
    bool help = false;
    bool version = false;
    uint32_t baud = SimRadio::kInitialBaud;
    SimIdentity identity;
    SimFaults faults;
};

// Reads the arguments (without the program name). Returns false with a
// message in error for an unknown option, a missing or a bad value.
bool ParseOptions(const std::vector<std::string>& args, Setup& setup, std::string& error);

std::string HelpText();

}  // namespace xtr::radiosim
