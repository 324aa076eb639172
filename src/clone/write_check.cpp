#include "clone/write_check.h"

#include "image/eeprom.h"

namespace xtr {

std::vector<ByteMismatch> CompareWritten(const cmcEeprom& written, const cmcEeprom& read, RangeList ranges)
{
    std::vector<ByteMismatch> mismatches;
    ForEachRange(ranges, [&](const RangePair& pair) {
        for (int32_t a = pair.from; a <= pair.to; ++a) {
            if (!written.IsAddress(a) || !read.IsAddress(a)) {
                // An address one of the images lacks was not transferred
                // both ways: it counts as a difference.
                mismatches.push_back({a, written.IsAddress(a) ? written.GetByte(a) : uint8_t{0},
                                      read.IsAddress(a) ? read.GetByte(a) : uint8_t{0}});
            } else if (written.GetByte(a) != read.GetByte(a)) {
                mismatches.push_back({a, written.GetByte(a), read.GetByte(a)});
            }
        }
        return true;
    });
    return mismatches;
}

}  // namespace xtr
