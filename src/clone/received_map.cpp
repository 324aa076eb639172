#include "clone/received_map.h"

#include "clone/clone_result.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace xtr {

void MarkReceived(cmcBuff& map, int32_t start, int32_t count)
{
    if (start < 0 || count < 0) {
        return;
    }
    // The map grows to the frame's end even when the frame carries no data:
    // a frame addressed past the image then shows as received outside it.
    const int32_t needed = (start + count + 7) / 8;
    const int32_t old = map.Length();
    if (needed > old) {
        // Bytes behind the length may hold old bits: clear what is added.
        map.SetLength(needed);
        std::memset(map.Data() + old, 0, static_cast<size_t>(needed - old));
    }
    uint8_t* bits = map.Data();
    for (int32_t a = start; a < start + count; ++a) {
        bits[a / 8] = static_cast<uint8_t>(bits[a / 8] | 1u << (a % 8));
    }
}

bool RangesInsideImage(RangeList ranges, int32_t imageSize)
{
    return ForEachRange(ranges, [imageSize](const RangePair& range) {
        return range.from >= 0 && range.to < imageSize;
    });
}

uint8_t VerifyReceived(const cmcBuff& map, RangeList ranges, int32_t imageSize)
{
    const size_t length = static_cast<size_t>(std::max(imageSize, int32_t{0}) + 7) / 8;
    std::vector<uint8_t> expected(length, 0);
    bool unreachable = false;  // range addresses that no frame may carry
    ForEachRange(ranges, [&](const RangePair& range) {
        for (int64_t a = range.from; a <= range.to; ++a) {
            if (a < 0 || a >= imageSize) {
                unreachable = true;
                continue;
            }
            expected[static_cast<size_t>(a / 8)] |= static_cast<uint8_t>(1u << (a % 8));
        }
        return true;
    });

    const size_t received = static_cast<size_t>(map.Length());
    if (received > length) {
        return kCloneOutside;
    }
    bool missing = unreachable;
    for (size_t i = 0; i < length; ++i) {
        const uint8_t got = i < received ? map.Data()[i] : 0;
        if ((got & ~expected[i]) != 0) {
            return kCloneOutside;
        }
        if (got != expected[i]) {
            missing = true;
        }
    }
    return missing ? kCloneMissing : kCloneOk;
}

}  // namespace xtr
