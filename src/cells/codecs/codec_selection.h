// Selection codec: a value chosen from a selection list of the overlay
// ("GI_Sheet_Sel_..."). The list's items are cells of one kind (Flex0 for
// the value lists) whose index is the value they stand for. Space and
// backspace step to the next and previous item in the list's layout order;
// Enter opens the list beside the cell, and the item the user picks comes
// back as a request whose owner is the item's request, in commit mode 2.
#pragma once

#include "cells/cell_capsule.h"
#include "cells/cell_names.h"

#include <cstdint>
#include <string_view>

namespace xtr {

class cmcEeprom;
class cmcFCache;

bool CodecSelection(cmcCellCapsule& rq, int& editorKind, cmcFCache& lists, std::string_view list, std::int32_t& value,
                    std::int32_t itemCell = Flex0);

// The same on `width` bits of a byte starting at bit `shift`; the other
// bits of the byte are kept.
bool CodecSelectionBits(cmcCellCapsule& rq, int& editorKind, cmcFCache& lists, std::string_view list,
                        std::uint8_t* byte, int shift, int width, std::int32_t itemCell = Flex0);

// The set-mode enable bits: bit n of the 16-byte field at 0x0166 (byte
// 0x0166 + n/8, mask 0x80 >> n%8), chosen from "GI_Sheet_Sel_Misc_Enable".
inline constexpr std::int32_t kEnableBitsAddress = 0x0166;
bool CodecEnableBit(cmcCellCapsule& rq, int& editorKind, cmcFCache& lists, cmcEeprom& image, int bit);

}  // namespace xtr
