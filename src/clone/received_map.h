// The map of addresses received during a read, one bit per address (bit
// a mod 8 of byte a div 8), and its verification against the range list that
// was asked for.
#pragma once

#include "image/buff.h"
#include "image/range_list.h"

#include <cstdint>

namespace xtr {

// Sets the bits of start..start+count-1, growing the map to hold
// start+count addresses first (also for a count of 0). The map never
// shrinks, so blocks may arrive in any order.
void MarkReceived(cmcBuff& map, int32_t start, int32_t count);

// True when every address of the ranges lies inside 0..imageSize-1.
bool RangesInsideImage(RangeList ranges, int32_t imageSize);

// 0 when exactly the addresses of the ranges were received, 9 when anything
// outside them was, otherwise 8 (addresses missing).
uint8_t VerifyReceived(const cmcBuff& map, RangeList ranges, int32_t imageSize);

}  // namespace xtr
