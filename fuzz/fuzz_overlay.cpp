// Fuzz target for the overlay text store: any bytes as an overlay. The
// store may find no entries in them, but must never crash or hang; texts it
// says exist must read the same in any order, and all lines of an entry must
// be its body lines joined. Lookups of texts that exist are never fatal.
#include "overlay/gtex.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

constexpr int kMaxWalk = 64;
constexpr std::size_t kMaxNames = 6;

// Names the input's header lines seem to give, picked out plainly; the store
// decides which of them really name an entry. Two names a real overlay has
// are always tried as well.
std::vector<std::string> CandidateNames(const std::string& bytes)
{
    std::vector<std::string> names = {"End_Of_Ovl", "GI_Sys_AppTitle"};
    std::size_t start = 0;
    while (start < bytes.size() && names.size() < kMaxNames + 2) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos) {
            end = bytes.size();
        }
        std::string line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.size() >= 2 && line[0] == '#') {
            names.push_back(line.substr(1));
        }
        start = end + 1;
    }
    return names;
}

void Check(bool condition)
{
    if (!condition) {
        __builtin_trap();
    }
}

void Exercise(xtr::cmcGTex& store, const std::string& name)
{
    std::string text;
    if (!store.HasEntry(name)) {
        Check(!store.TryText(name, 0, text));
        Check(!store.TryAllLines(name, text));
        return;
    }
    // Walk the entry without the fatal end, up to a header or the file's end.
    std::vector<std::string> lines;
    bool reachedHeader = false;
    while (lines.size() < kMaxWalk && store.TryText(name, static_cast<int>(lines.size()), text)) {
        lines.push_back(text);
        if (!text.empty() && text[0] == '#') {
            reachedHeader = true;
            break;
        }
    }
    // Out of order, through the fatal lookups: the last line, one in the
    // middle and the first exist and read as on the walk. (A lookup of a
    // line already passed starts again at the entry's head, so going back
    // over every line would cost the square of the entry's length.)
    if (!lines.empty()) {
        for (const std::size_t n : {lines.size() - 1, lines.size() / 2, std::size_t{0}}) {
            Check(store.Text(name, static_cast<int>(n)) == lines[n]);
        }
    }
    if (reachedHeader) {
        std::string joined;
        for (std::size_t n = 0; n + 1 < lines.size(); ++n) {
            joined += (n > 0 ? "\n" : "") + lines[n];
        }
        Check(store.AllLines(name) == joined);
    } else if (lines.size() < kMaxWalk) {
        // The walk met the end of the file: all lines cannot be delivered.
        Check(!store.TryAllLines(name, text));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    // The store reads the bytes from memory by the same line rules as from a
    // file; no file system is touched.
    xtr::cmcGTex store;
    store.NameText(bytes);
    for (const std::string& name : CandidateNames(bytes)) {
        Exercise(store, name);
    }
    return 0;
}
