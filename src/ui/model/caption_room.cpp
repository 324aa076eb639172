#include "ui/model/caption_room.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace xtr {

void MakeRoomForCaptions(std::vector<int>& columnWidths, const std::vector<CaptionSpan>& spans)
{
    const int columns = static_cast<int>(columnWidths.size());
    for (const CaptionSpan& span : spans) {
        if (span.first < 0 || span.last < span.first || span.last >= columns) {
            continue;
        }
        long long available = 0;
        for (int c = span.first; c <= span.last; ++c) {
            available += columnWidths[static_cast<std::size_t>(c)];
        }
        if (available < span.width) {
            columnWidths[static_cast<std::size_t>(span.last)] += static_cast<int>(span.width - available);
        }
    }
}

std::int32_t PrintedFontHeight(std::int32_t height, std::int32_t screenBasic, std::int32_t printedBasic)
{
    if (screenBasic == 0) {
        return height;
    }
    if (height == screenBasic) {
        return printedBasic;
    }
    const double scaled = std::round(static_cast<double>(height) * std::abs(printedBasic) / std::abs(screenBasic));
    constexpr double kLimit = std::numeric_limits<std::int32_t>::max();
    if (scaled >= kLimit || scaled <= -kLimit) {
        return height < 0 ? -std::numeric_limits<std::int32_t>::max() : std::numeric_limits<std::int32_t>::max();
    }
    if (scaled == 0) {
        return height < 0 ? -1 : 1;
    }
    return static_cast<std::int32_t>(scaled);
}

}  // namespace xtr
