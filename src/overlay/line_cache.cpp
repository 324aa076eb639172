#include "overlay/line_cache.h"

namespace xtr {

const LineCache::Line* LineCache::Find(std::int64_t start)
{
    const auto found = index_.find(start);
    if (found == index_.end()) {
        return nullptr;
    }
    lines_.splice(lines_.begin(), lines_, found->second);
    return &lines_.front();
}

const LineCache::Line& LineCache::Store(std::int64_t start, std::int64_t bytes, const std::string& text)
{
    if (const auto found = index_.find(start); found != index_.end()) {
        lines_.splice(lines_.begin(), lines_, found->second);
    } else {
        if (lines_.size() < kCapacity) {
            lines_.emplace_front();
        } else {
            // Reuse the least recently used line.
            lines_.splice(lines_.begin(), lines_, std::prev(lines_.end()));
            index_.erase(lines_.front().start);
        }
        index_.emplace(start, lines_.begin());
    }
    Line& line = lines_.front();
    line.start = start;
    line.bytes = bytes;
    line.text = text;
    return line;
}

}  // namespace xtr
