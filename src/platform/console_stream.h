// Whether a standard stream is an interactive terminal, so that the
// command-line tool draws its progress bar only where someone watches.
#pragma once

#include <cstdio>

namespace xtr {

bool IsTerminalStream(std::FILE* stream);

}  // namespace xtr
