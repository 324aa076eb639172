#include "settings/setting_typing.h"

#include "cells/cell_names.h"
#include "cells/cell_obj.h"
#include "cells/cell_text_edit.h"
#include "settings/setting_list.h"

namespace xtr {
namespace {

// What the transmit side of a channel shows when it equals the receive side
// beside it: typed, it means the text that setting shows.
constexpr const char* kSameAsLeft = "<-";

}  // namespace

bool TypeSetting(CellHost& host, const SettingRef& ref, const std::string& value, const SettingRef& previous,
                 std::string& reason)
{
    if (ShownText(host, ref) == value) {
        return true;
    }
    std::string typed = value;
    if (typed == kSameAsLeft && previous.cellId != kCellNone && previous.category == ref.category &&
        previous.index == ref.index) {
        typed = ShownText(host, previous);
    }
    cmcCellObj cell;
    MakeSettingCell(ref, cell);
    const CellEdit edit = EditCell(host, cell, typed);
    if (!edit.accepted) {
        reason = edit.reason + " (it shows '" + edit.shown + "')";
    }
    return edit.accepted;
}

}  // namespace xtr
