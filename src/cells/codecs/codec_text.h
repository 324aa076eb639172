// Text-like codecs: fixed text fields (clone comments), hexadecimal digits
// kept one per nibble (the password) and DTMF digit strings. On these,
// space and backspace act as Enter: they open the editor on the text.
#pragma once

#include "cells/cell_capsule.h"

#include <cstdint>

namespace xtr {

// A field of `length` bytes holding printable ASCII, padded with blanks.
// Bytes outside 32..126 show as blanks (the radio's own stay in the image;
// typed ones are stored as blanks); trailing blanks are not shown.
bool CodecPlainText(cmcCellCapsule& rq, int& editorKind, std::uint8_t* field, int length);

// `digits` hexadecimal digits, the first in the highest nibble of value.
// Without letters only 0-9 may be typed. A short entry is filled up with
// "0" after the typed digits.
bool CodecNibbles(cmcCellCapsule& rq, int& editorKind, std::uint32_t& value, int digits, bool letters);

// Up to maxDigits DTMF digits packed two to a byte in `digits`, their
// number in `count`. 0-9 and A-D are themselves, "*" is 14 and "#" 15 (also
// typed as E and F).
bool CodecDtmf(cmcCellCapsule& rq, int& editorKind, std::uint8_t* digits, std::uint8_t* count, int maxDigits);

}  // namespace xtr
