// The cells whose values the radio shows on its segment display: the
// system messages, the opening text, the texts of the directory and status
// lists, and the user-defined characters. The grid and printing draw their
// values as segment characters rather than as text; screen readers get the
// escape text of a display text, and the code and mask of a user-defined
// character.
#pragma once

#include "segedit/segment_font.h"

#include <cstdint>
#include <string>

namespace xtr {

enum class SegmentCellKind { None, Text, UserChar, Picked };

SegmentCellKind SegmentCellKindOf(std::int32_t cellId);

// The character picker's sheet: each of its cells draws the character whose
// code is the cell's index.
inline constexpr const char* kSegmentPickerSheet = "GI_Sheet_Sel_Text";

// Where the drawing gets the font and the user-defined characters of the
// image being edited; the desktop program installs one.
class SegmentSource {
public:
    virtual ~SegmentSource() = default;
    // The font, or null when there is none to draw with.
    virtual Segchar* Font() = 0;
    virtual SegUserMasks UserMasks() = 0;
};

void SetSegmentSource(SegmentSource* source);
SegmentSource* TheSegmentSource();

// What a screen reader is given for the value `shown` of a segment cell
// (the field's bytes; for a user-defined character its code).
std::string SegmentCellSpokenText(SegmentCellKind kind, const std::string& shown, SegUserMasks userMasks);

}  // namespace xtr
