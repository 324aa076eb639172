// Range lists: the address ranges that a clone file must cover and that a
// transfer with the radio reads or writes. A list is a sequence of inclusive
// address pairs (from, to); the first pair whose `to` lies below its `from`
// ends it. Storage beyond the end pair is never looked at, and a list whose
// storage runs out before an end pair simply ends there.
#pragma once

#include "image/memory_map.h"

#include <cstdint>
#include <span>

namespace xtr {

struct RangePair {
    int32_t from;
    int32_t to;

    constexpr bool IsEnd() const { return to < from; }
};

using RangeList = std::span<const RangePair>;

// The pair that the system uses to close its lists.
inline constexpr RangePair kRangeEnd{1, 0};

// The clone area of the memory image, 0x0000-0x1FFF: what a clone file holds
// and what a full read from the radio brings in.
inline constexpr RangePair kCloneAreaRanges[] = {{memmap::kCloneAreaFirst, memmap::kCloneAreaLast}, kRangeEnd};

// Calls visit(pair) for every pair before the end pair, in order, while visit
// returns true. Returns false when visit stopped the walk.
template <typename Visit>
bool ForEachRange(RangeList ranges, Visit&& visit)
{
    for (const RangePair& pair : ranges) {
        if (pair.IsEnd()) {
            break;
        }
        if (!visit(pair)) {
            return false;
        }
    }
    return true;
}

}  // namespace xtr
