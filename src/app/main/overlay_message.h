// An overlay message with its "%1" and "%2" filled in (all its lines, the
// trailing line breaks dropped), and a plain box that shows one.
#pragma once

#include "app/message_service.h"

#include <string>

namespace xtr {

std::string OverlayMessage(const char* name, const std::string& first = "", const std::string& second = "");

// A box with only OK, captioned with the program's title.
void ShowOverlayBox(const std::string& text, MsgIcon icon);

}  // namespace xtr
