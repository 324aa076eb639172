#include "overlay/overlay_file.h"

#include <algorithm>
#include <cstring>

namespace xtr {
namespace {

constexpr std::size_t kBlockSize = 16 * 1024;

}  // namespace

OverlayFile::~OverlayFile()
{
    if (file_ != nullptr) {
        std::fclose(file_);
    }
}

bool OverlayFile::Open(const std::string& path)
{
    if (IsOpen()) {
        return true;
    }
    file_ = std::fopen(path.c_str(), "rb");
    return file_ != nullptr;
}

void OverlayFile::OpenText(std::string text)
{
    if (IsOpen()) {
        return;
    }
    inMemory_ = true;
    block_.assign(text.begin(), text.end());
    blockStart_ = 0;
    blockLength_ = block_.size();
}

bool OverlayFile::LoadBlock(std::int64_t offset)
{
    // A text in memory is one block: what lies outside it is past the end.
    if (file_ == nullptr || offset < 0) {
        return false;
    }
    block_.resize(kBlockSize);
    blockStart_ = offset;
    blockLength_ = 0;
    if (std::fseek(file_, static_cast<long>(offset), SEEK_SET) != 0) {
        return false;
    }
    blockLength_ = std::fread(block_.data(), 1, block_.size(), file_);
    return blockLength_ > 0;
}

bool OverlayFile::ReadLine(std::int64_t offset, std::string& text, std::int64_t& next)
{
    text.clear();
    std::int64_t pos = offset;
    for (;;) {
        const std::size_t room = kMaxLineChars - text.size();
        if (room == 0) {
            break;
        }
        if (ByteAt(pos) < 0) {
            next = pos;
            return !text.empty();
        }
        const std::size_t inBlock = static_cast<std::size_t>(pos - blockStart_);
        const char* run = block_.data() + inBlock;
        const std::size_t available = blockLength_ - inBlock;
        // One byte beyond the room: a line feed there still ends this line.
        const std::size_t look = std::min(available, room + 1);
        if (const void* lineFeed = std::memchr(run, '\n', look)) {
            const std::size_t length = static_cast<std::size_t>(static_cast<const char*>(lineFeed) - run);
            text.append(run, length);
            if (!text.empty() && text.back() == '\r') {
                text.pop_back();
            }
            text.push_back('\n');
            next = pos + static_cast<std::int64_t>(length) + 1;
            return true;
        }
        const std::size_t take = std::min(available, room);
        text.append(run, take);
        pos += static_cast<std::int64_t>(take);
    }
    // The line has reached the limit. A line end right after it still belongs
    // to it; otherwise a line of exactly the limit would be followed by a
    // spurious empty line. (A carriage return taken as the last character
    // can only meet its line feed here when the two sit in different blocks.)
    const int c = ByteAt(pos);
    if (c == '\n') {
        if (text.back() == '\r') {
            text.pop_back();
        }
        text.push_back('\n');
        pos += 1;
    } else if (c == '\r' && ByteAt(pos + 1) == '\n') {
        text.push_back('\n');
        pos += 2;
    }
    next = pos;
    return true;
}

}  // namespace xtr
