#include "overlay/line_cache.h"

namespace xtr {

const LineCache::Line* LineCache::Find(std::int64_t start)
{
    for (auto it = lines_.begin(); it != lines_.end(); ++it) {
        if (it->start == start) {
            lines_.splice(lines_.begin(), lines_, it);
            return &lines_.front();
        }
    }
    return nullptr;
}

const LineCache::Line& LineCache::Store(std::int64_t start, std::int64_t bytes, const std::string& text)
{
    if (lines_.size() < kCapacity) {
        lines_.emplace_front();
    } else {
        // Reuse the least recently used line.
        lines_.splice(lines_.begin(), lines_, std::prev(lines_.end()));
    }
    Line& line = lines_.front();
    line.start = start;
    line.bytes = bytes;
    line.text = text;
    return line;
}

}  // namespace xtr
