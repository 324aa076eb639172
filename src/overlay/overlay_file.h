// The overlay file as a sequence of lines addressed by file offset. The file
// is opened in binary and the line-end handling is done here, so the overlay
// reads the same on every operating system: a carriage return directly before
// a line feed is dropped, a line ends at its line feed, and a line longer than
// the line limit comes back as several lines. The same lines can come from a
// text held in memory (tools and fuzzing read an overlay without a file); it
// is then one block that covers the whole text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace xtr {

class OverlayFile {
public:
    // The most characters one read returns before its line end. A longer
    // line is continued by the next read.
    static constexpr std::size_t kMaxLineChars = 8191;

    OverlayFile() = default;
    ~OverlayFile();
    OverlayFile(const OverlayFile&) = delete;
    OverlayFile& operator=(const OverlayFile&) = delete;

    bool Open(const std::string& path);
    // Reads the lines of text instead of a file. Only before Open.
    void OpenText(std::string text);
    bool IsOpen() const { return file_ != nullptr || inMemory_; }

    // Reads the line that starts at offset. text receives its characters and,
    // when the line has one, its line end as a single "\n"; next receives the
    // offset where the following line starts. False at the end of the file.
    bool ReadLine(std::int64_t offset, std::string& text, std::int64_t& next);

private:
    // The byte at offset, or -1 past the end of the file.
    int ByteAt(std::int64_t offset)
    {
        if (offset >= blockStart_ && offset < blockStart_ + static_cast<std::int64_t>(blockLength_)) {
            return static_cast<unsigned char>(block_[static_cast<std::size_t>(offset - blockStart_)]);
        }
        return LoadBlock(offset) ? ByteAt(offset) : -1;
    }
    bool LoadBlock(std::int64_t offset);

    std::FILE* file_ = nullptr;
    bool inMemory_ = false;
    std::vector<char> block_;
    std::int64_t blockStart_ = 0;
    std::size_t blockLength_ = 0;
};

}  // namespace xtr
