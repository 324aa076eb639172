// Timer codec: short times kept as a count of units (1/u of a second) and
// shown in seconds with milliseconds ("  0.250"). Where a timer may be
// switched off, 0 shows the overlay text "GI_AppInd_TimerOff" and "OFF" may
// be typed. The same codec shows the user CTCSS frequency (0.1 Hz units).
#pragma once

#include "cells/cell_capsule.h"

#include <cstdint>

namespace xtr {

struct TimerSpec {
    std::int32_t unitsPerSecond = 1;
    std::int32_t min = 0;
    std::int32_t max = 255;
    bool offAllowed = false;  // 0 means off and is shown so
    int stripZeros = 0;
};

bool CodecTimer(cmcCellCapsule& rq, int& editorKind, std::int32_t& value, const TimerSpec& spec);

// The same on a byte or on a big-endian 16-bit field of the image.
bool CodecTimerByte(cmcCellCapsule& rq, int& editorKind, std::uint8_t* field, const TimerSpec& spec);
bool CodecTimer16(cmcCellCapsule& rq, int& editorKind, std::uint8_t* field, const TimerSpec& spec);

}  // namespace xtr
