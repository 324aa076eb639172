// The overlay's line cache: the last 64 lines read for entry bodies, keyed by
// the file offset where each starts, most recently used first. It serves the
// lines of an entry that is walked again (a list read twice in a row, a short
// entry asked for over and over) without going back to the file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <list>
#include <string>
#include <unordered_map>

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
    std::list<Line> lines_;
    // Where each cached line sits in the list, by its start offset, so that
    // neither a hit nor a miss walks the list.
    std::unordered_map<std::int64_t, std::list<Line>::iterator> index_;
};

}  // namespace xtr
