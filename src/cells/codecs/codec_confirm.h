// Confirmation: a warning box with OK and Cancel before a change that the
// user may not expect (fleet counts refitted, rows overwritten or pushed
// out of a list). Captioned with the program's title.
#pragma once

#include "app/message_service.h"

#include <string>

namespace xtr {

// Shows all lines of the overlay message messageKey; the button pressed.
MsgResult Confirm(const std::string& messageKey);

}  // namespace xtr
