#include "platform/text_line_end.h"

namespace xtr {

std::string_view NativeTextLineEnd()
{
#ifdef _WIN32
    return "\r\n";
#else
    return "\n";
#endif
}

}  // namespace xtr
