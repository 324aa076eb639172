// Where the running executable lives: the data files (overlay, initial
// images, manual) are found beside it.
#pragma once

#include <string>

namespace xtr {

// Full path of the running executable ("" if the system cannot tell).
std::string ExecutablePath();
// Its directory with a trailing separator.
std::string ExecutableDirectory();
// The file name without directory (the caption of fatal boxes).
std::string ExecutableName();

// The directory of the data files, with a trailing separator: the
// executable's own directory, or the installed data folder
// (../share/xtr450/ beside it) when the overlay is not beside the program.
// The environment variable XTR450_DATA_DIR overrides both.
std::string DataDirectory();

}  // namespace xtr
