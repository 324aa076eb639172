// cmcGTex: the overlay text store. Reads the overlay text file lazily: the
// index of entries grows one line per step only as far as a lookup needs,
// late names move to the front, each entry remembers where its last line
// ended and a 64-line cache keyed by file offset serves repeated reads.
// A text that cannot be delivered is a fatal error.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace xtr {

// How much reading the store has done; lets tests and tools see that a
// walk through an entry reads each line once.
struct cmcGTexCounters {
    std::uint64_t scanLines = 0;   // lines read by the index scan
    std::uint64_t bodyReads = 0;   // body lines read through the line cache
    std::uint64_t cacheHits = 0;   // ... of which the cache served
};

class cmcGTex {
public:
    cmcGTex();
    ~cmcGTex();
    cmcGTex(const cmcGTex&) = delete;
    cmcGTex& operator=(const cmcGTex&) = delete;

    // Only the first call has an effect (returns 1); later calls return 0.
    int NameFile(const std::string& path);
    // Reads the overlay from text held in memory instead of a file, with the
    // same rules; counts as naming the source (only the first call of this or
    // NameFile has an effect).
    int NameText(std::string text);
    const std::string& FilePath() const;

    // Body line n (from 0) of the named entry, without its line end.
    std::string Text(const std::string& name, int n);
    std::string FirstLine(const std::string& name) { return Text(name, 0); }
    // Body lines joined with "\n", up to the first line that begins with "#".
    std::string AllLines(const std::string& name);
    // True if the entry exists (runs the index scan as far as needed; never
    // fatal). For tools and tests that check the overlay's completeness.
    bool HasEntry(const std::string& name);

    // Text and AllLines without the fatal end: false when the text cannot be
    // delivered (no such entry, no file, end of file reached).
    bool TryText(const std::string& name, int n, std::string& text);
    bool TryAllLines(const std::string& name, std::string& text);

    const cmcGTexCounters& Counters() const;
    // The index names found so far, in the index's current order.
    std::vector<std::string> IndexNames() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace xtr
