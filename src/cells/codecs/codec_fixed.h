// Fixed-point codec: an integer in units of 10^-exponent of the unit shown,
// shown with a given number of decimals (the maker's IF and reference
// frequencies: Hz shown in MHz with four decimals).
#pragma once

#include "cells/cell_capsule.h"

#include <cstdint>

namespace xtr {

struct FixedSpec {
    int exponent = 0;  // stored units per shown unit: 10^exponent
    int decimals = 0;
    double min = 0.0;  // in shown units
    double max = 0.0;
    std::int32_t step = 1;  // in stored units
    int stripZeros = 0;     // trailing zeros removed from the text
};

bool CodecFixed(cmcCellCapsule& rq, int& editorKind, std::int32_t& value, const FixedSpec& spec);

}  // namespace xtr
