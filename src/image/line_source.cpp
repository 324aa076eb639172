#include "image/line_source.h"

#include <cstring>

namespace xtr {
namespace {

// A line that ends in "\r\n" hands over "\n" alone.
void DropCarriageReturn(std::string& line)
{
    if (line.size() >= 2 && line[line.size() - 2] == '\r') {
        line.erase(line.size() - 2, 1);
    }
}

}  // namespace

bool FileLineSource::Next(std::string& line)
{
    line.clear();
    for (;;) {
        if (pos_ == len_) {
            len_ = std::fread(buffer_, 1, sizeof buffer_, file_);
            pos_ = 0;
            if (len_ == 0) {
                return !line.empty();
            }
        }
        const char* start = buffer_ + pos_;
        const auto* end = static_cast<const char*>(std::memchr(start, '\n', len_ - pos_));
        if (end == nullptr) {
            line.append(start, len_ - pos_);
            pos_ = len_;
            continue;
        }
        line.append(start, static_cast<std::size_t>(end - start) + 1);
        pos_ += static_cast<std::size_t>(end - start) + 1;
        DropCarriageReturn(line);
        return true;
    }
}

bool FileLineSource::Failed() const { return std::ferror(file_) != 0; }

bool TextLineSource::Next(std::string& line)
{
    line.clear();
    if (pos_ >= text_.size()) {
        return false;
    }
    const std::size_t end = text_.find('\n', pos_);
    const std::size_t stop = end == std::string_view::npos ? text_.size() : end + 1;
    line.assign(text_.substr(pos_, stop - pos_));
    pos_ = stop;
    if (end != std::string_view::npos) {
        DropCarriageReturn(line);
    }
    return true;
}

}  // namespace xtr
