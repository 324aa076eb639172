// The line end of the system's text files: what a C runtime writes for "\n"
// in text mode (CR LF on Windows, LF elsewhere). Files the other programs of
// the platform read as text are written with it.
#pragma once

#include <string_view>

namespace xtr {

std::string_view NativeTextLineEnd();

}  // namespace xtr
