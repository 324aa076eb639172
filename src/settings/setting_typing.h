// Typing one value into one setting, as the text and CSV imports do: the
// grid's typed-text path (EditCell), except that a setting which already
// shows the value is left alone (some shown texts are not typed forms of
// the value), and "<-" on the transmit side of a row means the text the
// setting before it in the same row shows (the receive side).
#pragma once

#include "settings/setting_ref.h"

#include <string>

namespace xtr {

class CellHost;

// False, with the reason, when the cell does not take the value; the image
// is then as it was. previous is the setting typed just before (or none).
bool TypeSetting(CellHost& host, const SettingRef& ref, const std::string& value, const SettingRef& previous,
                 std::string& reason);

}  // namespace xtr
