// The warning check list: the overlay names, one per line of
// "GI_WarningCheckList", the check cells to run and the sheet each one
// marks (the check cell's parameter). Running the list tells how many checks
// found errors and warnings, and which sheets they mark; the main window
// counts them after every change and marks its tree, the write to the radio
// refuses settings with errors, and the command-line tool prints them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace xtr {

class cmcGTex;
class indActiveCell;

// One check that found something.
struct CheckFinding {
    std::int32_t cellId = 0;
    std::string parameter;  // the sheet the check marks ("" when none)
    bool error = false;     // else a warning
};

struct CheckListResult {
    int errors = 0;
    int warnings = 0;
    // The parameters of the failing checks, in list order.
    std::vector<std::string> errorSheets;
    std::vector<std::string> warningSheets;
    // Every failing check in list order.
    std::vector<CheckFinding> findings;
    // The last entry read carried a parameter: only then are tree marks
    // renewed.
    bool lastHasParameter = false;
};

inline constexpr const char* kWarningCheckList = "GI_WarningCheckList";

// Runs every entry of the list (entries 0, 1, 2 ... up to the first line
// beginning with "#") through cells with key 0 and without notification;
// control is the control the requests name (the main window, or null).
CheckListResult RunWarningCheckList(cmcGTex& texts, indActiveCell& cells, void* control = nullptr);

}  // namespace xtr
