#include "overlay/gtex.h"

#include "app/fatal.h"
#include "overlay/line_cache.h"
#include "overlay/overlay_file.h"

#include <list>

namespace xtr {
namespace {

// The entry whose header ends the overlay: nothing after it is indexed.
const char kEndOfOverlay[] = "End_Of_Ovl";

// Names found in the index at this position or earlier stay where they are;
// names found later move to the front, so the texts a running program asks
// for again and again are found after a few comparisons.
constexpr int kStayPositions = 10;

enum SourceKind { kNoSource = 0, kTextSource = 1, kFileSource = 2 };

struct IndexNode {
    std::string name;
    std::int64_t bodyStart = 0;
    // The number of the line after the one returned last, and where it starts.
    std::int64_t lastLine = 0;
    std::int64_t lastPosition = 0;
};

// A header line starts with "#" and has at least one more character before
// its line end; the rest of the line is the entry's name. A line that is just
// "#" is a body line.
bool IsHeaderLine(const std::string& line)
{
    return line.size() >= 2 && line[0] == '#' && line[1] != '\n';
}

std::string WithoutLineEnd(const std::string& line)
{
    if (!line.empty() && line.back() == '\n') {
        return line.substr(0, line.size() - 1);
    }
    return line;
}

}  // namespace

struct cmcGTex::Impl {
    int sourceKind = kNoSource;
    std::string path;
    OverlayFile file;
    bool scanActive = true;
    std::int64_t scanPosition = 0;
    std::int64_t current = 0;  // where the next body line is read
    LineCache cache;
    std::list<IndexNode> index;
    cmcGTexCounters counters;
    std::string scratch;

    void ScanStep();
    IndexNode* Lookup(const std::string& name);
    const std::string* ReadThroughCache();
    bool ReadBodyLine(IndexNode& node, std::int64_t n, std::string& text);
    bool AllLinesOf(const std::string& name, std::string& text);
};

// Reads exactly one line of the file for the index.
void cmcGTex::Impl::ScanStep()
{
    if (!scanActive || sourceKind == kNoSource) {
        // Without a named file there is nothing to scan yet; the scan stays
        // active so that naming the file later still works.
        return;
    }
    if (!file.IsOpen()) {
        if (!file.Open(path)) {
            scanActive = false;
            return;
        }
        current = 0;
    }
    std::int64_t next = 0;
    if (!file.ReadLine(scanPosition, scratch, next)) {
        scanActive = false;
        return;
    }
    ++counters.scanLines;
    if (IsHeaderLine(scratch)) {
        IndexNode node;
        node.name = WithoutLineEnd(scratch.substr(1));
        node.bodyStart = next;
        node.lastPosition = next;
        index.push_back(std::move(node));
        if (index.back().name == kEndOfOverlay) {
            scanActive = false;
        }
    }
    scanPosition = next;
}

IndexNode* cmcGTex::Impl::Lookup(const std::string& name)
{
    int position = 0;
    for (auto it = index.begin(); it != index.end(); ++it, ++position) {
        if (it->name == name) {
            if (position > kStayPositions) {
                index.splice(index.begin(), index, it);
            }
            return &*it;
        }
    }
    // Not indexed yet: scan on until the name turns up or the file ends.
    // Nodes found this way stay at the end of the index.
    while (scanActive && sourceKind != kNoSource) {
        const std::size_t before = index.size();
        ScanStep();
        if (index.size() > before && index.back().name == name) {
            return &index.back();
        }
    }
    return nullptr;
}

// Reads the line at the current position, from the cache when it holds it.
// The returned text stays valid until the next read.
const std::string* cmcGTex::Impl::ReadThroughCache()
{
    ++counters.bodyReads;
    if (const LineCache::Line* line = cache.Find(current)) {
        ++counters.cacheHits;
        current += line->bytes;
        return &line->text;
    }
    std::int64_t next = 0;
    if (!file.ReadLine(current, scratch, next)) {
        return nullptr;
    }
    const LineCache::Line& line = cache.Store(current, next - current, scratch);
    current = next;
    return &line.text;
}

// Lines are read on regardless of the entry's end: a line number past the
// entry's body returns the lines that follow it in the file.
bool cmcGTex::Impl::ReadBodyLine(IndexNode& node, std::int64_t n, std::string& text)
{
    if (n < 0) {
        return false;
    }
    std::int64_t line = node.lastLine;
    current = node.lastPosition;
    if (n < node.lastLine) {
        line = 0;
        current = node.bodyStart;
    }
    for (; line < n; ++line) {
        if (ReadThroughCache() == nullptr) {
            return false;
        }
    }
    const std::string* read = ReadThroughCache();
    if (read == nullptr) {
        return false;
    }
    text = WithoutLineEnd(*read);
    node.lastLine = n + 1;
    node.lastPosition = current;
    return true;
}

bool cmcGTex::Impl::AllLinesOf(const std::string& name, std::string& text)
{
    text.clear();
    IndexNode* node = Lookup(name);
    if (node == nullptr) {
        return false;
    }
    std::string line;
    for (std::int64_t n = 0;; ++n) {
        if (!ReadBodyLine(*node, n, line)) {
            return false;
        }
        if (!line.empty() && line[0] == '#') {
            return true;
        }
        if (n > 0) {
            text.push_back('\n');
        }
        text += line;
    }
}

namespace {

[[noreturn]] void IndexNotFound(const std::string& name)
{
    Fatal("GTEX Error !\nThe index '" + name + "' was not found.");
}

}  // namespace

cmcGTex::cmcGTex() : impl_(std::make_unique<Impl>()) {}

cmcGTex::~cmcGTex() = default;

int cmcGTex::NameFile(const std::string& path)
{
    if (impl_->sourceKind != kNoSource) {
        return 0;
    }
    impl_->sourceKind = kFileSource;
    impl_->path = path;
    return 1;
}

int cmcGTex::NameText(std::string text)
{
    if (impl_->sourceKind != kNoSource) {
        return 0;
    }
    impl_->sourceKind = kTextSource;
    impl_->file.OpenText(std::move(text));
    return 1;
}

const std::string& cmcGTex::FilePath() const { return impl_->path; }

bool cmcGTex::TryText(const std::string& name, int n, std::string& text)
{
    IndexNode* node = impl_->Lookup(name);
    return node != nullptr && impl_->ReadBodyLine(*node, n, text);
}

std::string cmcGTex::Text(const std::string& name, int n)
{
    std::string text;
    if (!TryText(name, n, text)) {
        IndexNotFound(name);
    }
    return text;
}

bool cmcGTex::TryAllLines(const std::string& name, std::string& text)
{
    return impl_->AllLinesOf(name, text);
}

std::string cmcGTex::AllLines(const std::string& name)
{
    std::string text;
    if (!TryAllLines(name, text)) {
        IndexNotFound(name);
    }
    return text;
}

bool cmcGTex::HasEntry(const std::string& name) { return impl_->Lookup(name) != nullptr; }

const cmcGTexCounters& cmcGTex::Counters() const { return impl_->counters; }

std::vector<std::string> cmcGTex::IndexNames() const
{
    std::vector<std::string> names;
    names.reserve(impl_->index.size());
    for (const IndexNode& node : impl_->index) {
        names.push_back(node.name);
    }
    return names;
}

}  // namespace xtr
