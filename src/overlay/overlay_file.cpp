#include "overlay/overlay_file.h"

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
    if (file_ != nullptr) {
        return true;
    }
    file_ = std::fopen(path.c_str(), "rb");
    return file_ != nullptr;
}

bool OverlayFile::LoadBlock(std::int64_t offset)
{
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
    // Takes the line end at pos if there is one ("\n" or "\r\n").
    auto takeLineEnd = [&]() {
        const int c = ByteAt(pos);
        if (c == '\n') {
            pos += 1;
        } else if (c == '\r' && ByteAt(pos + 1) == '\n') {
            pos += 2;
        } else {
            return false;
        }
        text.push_back('\n');
        return true;
    };

    while (text.size() < kMaxLineChars) {
        if (takeLineEnd()) {
            next = pos;
            return true;
        }
        const int c = ByteAt(pos);
        if (c < 0) {
            break;
        }
        text.push_back(static_cast<char>(c));
        ++pos;
    }
    // A line of exactly the limit keeps its own line end; otherwise it would
    // be followed by a spurious empty line.
    if (text.size() == kMaxLineChars) {
        takeLineEnd();
    }
    next = pos;
    return !text.empty();
}

}  // namespace xtr
