// The check after a write: the written ranges are read back from the radio
// and compared byte by byte with what was sent. A radio that keeps a byte
// other than the one it acknowledged has not been programmed.
#pragma once

#include "image/range_list.h"

#include <cstdint>
#include <vector>

namespace xtr {

class cmcEeprom;

struct ByteMismatch {
    int32_t address = 0;
    uint8_t written = 0;
    uint8_t read = 0;
};

// The addresses of the ranges (inside both images) whose bytes differ, in
// address order.
std::vector<ByteMismatch> CompareWritten(const cmcEeprom& written, const cmcEeprom& read, RangeList ranges);

}  // namespace xtr
