// The overlay's line cache: the last 64 lines read for entry bodies, keyed by
// the file offset where each starts, most recently used first. It serves the
// lines of an entry that is walked again (a list read twice in a row, a short
// entry asked for over and over) without going back to the file.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <list>
#include <string>

namespace xtr {

class LineCache {
public:
    static constexpr std::size_t kCapacity = 64;

    struct Line {
        std::int64_t start = 0;  // file offset of the line's start
        std::int64_t bytes = 0;  // file bytes the line occupies, line end included
        std::string text;        // as read, line end included
    };

    // The line cached for start, moved to the front; nullptr if none is.
    const Line* Find(std::int64_t start);
    // Puts a line just read from the file at the front; when the cache is
    // full the least recently used line makes room.
    const Line& Store(std::int64_t start, std::int64_t bytes, const std::string& text);

    std::size_t Count() const { return lines_.size(); }

private:
    // How many cached lines start at offsets of each hash bucket: a miss
    // (every new line of a walk) is known without going through the list.
    static constexpr std::size_t kBuckets = 256;
    static std::size_t BucketOf(std::int64_t start);

    std::list<Line> lines_;
    std::array<std::uint8_t, kBuckets> inBucket_{};
};

}  // namespace xtr
