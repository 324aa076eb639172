// Display texts of the radio: the opening text and the system messages (56
// slots of 10 bytes from 0x0FED, each used up to the length its cell
// allows, zero-terminated), the texts of the directory and status lists
// (10 characters, blank-padded) and the 16 user-defined characters they
// may use (CL_CEdit, masks at 0x0168).
//
// The cells show a text as its bytes (the grid draws them as segment
// characters) and store a text typed as an escape text (segedit/
// segment_text.h). Enter or a typed character opens the text entry popup,
// Enter on a user-defined character the character editor; both belong to
// the desktop program, which installs them here. Without them the grid's
// in-place editor opens on the escape text (or the character's mask) and
// stores it the same way.
#pragma once

#include "cells/cell_capsule.h"
#include "image/memory_map.h"

#include <cstdint>
#include <span>
#include <string>

namespace xtr {

inline constexpr std::int32_t kDisplayTextBase = memmap::kDisplayTexts;
inline constexpr int kDisplayTextSlotSize = 10;
inline constexpr int kDisplayTextSlotCount = 56;
inline constexpr std::int32_t kUserCharMasks = memmap::kUserCharMasks;
inline constexpr int kUserCharCount = 16;
// The code of the first user-defined character.
inline constexpr int kUserCharFirstCode = 16;

struct DisplayTextSlot {
    int slot;
    std::int32_t cellId;  // kCellNone: no cell shows the slot
    int length;           // characters the radio shows
    std::int32_t Address() const { return kDisplayTextBase + kDisplayTextSlotSize * slot; }
};

// The 56 slots in order.
std::span<const DisplayTextSlot> DisplayTextSlots();
// The slot a cell shows, or null.
const DisplayTextSlot* DisplayTextSlotOf(std::int32_t cellId);

// The segment editors of the desktop program.
class SegmentEditors {
public:
    virtual ~SegmentEditors() = default;
    // Opens the text entry popup beside the cell of request on text (an
    // escape text) for a field of `length` characters; with selectAll the
    // whole text is selected, otherwise the caret stands after it. The popup
    // stores through a request for the same cell with commit mode 2 and the
    // escape text as edit text.
    virtual void OpenText(const cmcCellCapsule& request, int length, const std::string& text, bool selectAll) = 0;
    // Opens the character editor for the cell of request on mask. It stores
    // through a request for the same cell with commit mode 2 and the mask in
    // decimal as edit text.
    virtual void OpenCharacter(const cmcCellCapsule& request, std::uint16_t mask) = 0;
};

// The installed editors, or null (the command-line tool has none).
void SetSegmentEditors(SegmentEditors* editors);
SegmentEditors* TheSegmentEditors();

}  // namespace xtr
