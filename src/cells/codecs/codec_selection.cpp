#include "cells/codecs/codec_selection.h"

#include "cells/codecs/codec_common.h"
#include "cells/fcache.h"
#include "cells/ui_seams.h"
#include "image/eeprom.h"

namespace xtr {

bool CodecSelection(cmcCellCapsule& rq, int& editorKind, cmcFCache& lists, std::string_view list, std::int32_t& value,
                    std::int32_t itemCell)
{
    bool changed = false;
    const cmcCellCapsule* owner = rq.owner;
    if (owner != nullptr && owner->cell != nullptr && owner->cell->cellId == itemCell &&
        rq.commitMode == cellcommit::kPreview) {
        value = owner->cell->index;
        changed = true;
    }

    if (rq.Interactive()) {
        if (rq.key == cellkey::kSpace || rq.key == cellkey::kBackspace) {
            value = lists.Step(list, itemCell, value, rq.key == cellkey::kSpace ? 1 : -1);
            changed = true;
        } else if (rq.key == cellkey::kEnter) {
            TheCellUi().OpenDropDown(rq, std::string(list), itemCell, value);
            editorKind = celleditor::kDropDown;
        }
    }

    codec::Show(rq, lists.TextOf(list, itemCell, value));
    return changed;
}

bool CodecSelectionBits(cmcCellCapsule& rq, int& editorKind, cmcFCache& lists, std::string_view list,
                        std::uint8_t* byte, int shift, int width, std::int32_t itemCell)
{
    const unsigned mask = ((1u << width) - 1u) << shift;
    std::int32_t value = static_cast<std::int32_t>((*byte & mask) >> shift);
    const bool changed = CodecSelection(rq, editorKind, lists, list, value, itemCell);
    if (changed) {
        // A value wider than the field cannot be stored; keep the bits
        // around it whatever the list holds.
        *byte = static_cast<std::uint8_t>((*byte & ~mask) | ((static_cast<unsigned>(value) << shift) & mask));
    }
    return changed;
}

bool CodecEnableBit(cmcCellCapsule& rq, int& editorKind, cmcFCache& lists, cmcEeprom& image, int bit)
{
    const std::int32_t address = kEnableBitsAddress + bit / 8;
    const std::uint8_t mask = static_cast<std::uint8_t>(0x80 >> (bit % 8));
    std::uint8_t byte = image.GetByte(address);
    std::int32_t value = (byte & mask) != 0 ? 1 : 0;
    const bool changed = CodecSelection(rq, editorKind, lists, "GI_Sheet_Sel_Misc_Enable", value);
    if (changed) {
        byte = static_cast<std::uint8_t>(value != 0 ? (byte | mask) : (byte & ~mask));
        image.SetByte(address, byte);
    }
    return changed;
}

}  // namespace xtr
