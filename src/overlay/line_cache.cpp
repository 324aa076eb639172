#include "overlay/line_cache.h"

namespace xtr {

std::size_t LineCache::BucketOf(std::int64_t start)
{
    return static_cast<std::size_t>((static_cast<std::uint64_t>(start) * 0x9E3779B97F4A7C15u) >> 56) % kBuckets;
}

const LineCache::Line* LineCache::Find(std::int64_t start)
{
    if (inBucket_[BucketOf(start)] == 0) {
        return nullptr;
    }
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
        --inBucket_[BucketOf(lines_.front().start)];
    }
    Line& line = lines_.front();
    ++inBucket_[BucketOf(start)];
    line.start = start;
    line.bytes = bytes;
    line.text = text;
    return line;
}

}  // namespace xtr
