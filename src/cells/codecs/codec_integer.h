// Integer codec: plain numbers of the radio (levels, counts, timers in whole
// units). Space and backspace step the value by its step with wrap-around
// at the limits; a digit, Enter, or "-" where negative values exist opens
// the editor.
#pragma once

#include "cells/cell_capsule.h"

#include <cstdint>

namespace xtr {

struct IntegerSpec {
    std::int32_t min = 0;
    std::int32_t max = 0;
    std::int32_t offset = 0;  // shown = stored + offset
    std::int32_t step = 1;
    // Overlay key of the text shown instead of the number while the value is
    // 0 (an "off" or "no limit" setting), or null.
    const char* zeroText = nullptr;
    // Keep the value within min..max even when the image holds another.
    bool clamp = false;
};

bool CodecInteger(cmcCellCapsule& rq, int& editorKind, std::int32_t& value, const IntegerSpec& spec);

// The same on a big-endian field of 1, 2 or 4 bytes of the image; the field
// is read as signed when the range has negative values, and written back
// when the value changes.
bool CodecIntegerField(cmcCellCapsule& rq, int& editorKind, std::uint8_t* field, int bytes, const IntegerSpec& spec);

inline bool CodecIntByte(cmcCellCapsule& rq, int& editorKind, std::uint8_t* field, std::int32_t min, std::int32_t max)
{
    return CodecIntegerField(rq, editorKind, field, 1, {min, max});
}
inline bool CodecIntByteClamped(cmcCellCapsule& rq, int& editorKind, std::uint8_t* field, std::int32_t min,
                                std::int32_t max)
{
    return CodecIntegerField(rq, editorKind, field, 1, {min, max, 0, 1, nullptr, true});
}
inline bool CodecInt16(cmcCellCapsule& rq, int& editorKind, std::uint8_t* field, std::int32_t min, std::int32_t max)
{
    return CodecIntegerField(rq, editorKind, field, 2, {min, max});
}
inline bool CodecInt16Clamped(cmcCellCapsule& rq, int& editorKind, std::uint8_t* field, std::int32_t min,
                              std::int32_t max)
{
    return CodecIntegerField(rq, editorKind, field, 2, {min, max, 0, 1, nullptr, true});
}
inline bool CodecInt32(cmcCellCapsule& rq, int& editorKind, std::uint8_t* field, std::int32_t min, std::int32_t max)
{
    return CodecIntegerField(rq, editorKind, field, 4, {min, max});
}
// A byte with offset, step, zero text and clamp (the RSSI margins).
inline bool CodecIntByteStep(cmcCellCapsule& rq, int& editorKind, std::uint8_t* field, const IntegerSpec& spec)
{
    return CodecIntegerField(rq, editorKind, field, 1, spec);
}

}  // namespace xtr
