// Lines of a text as a text-mode stream hands them over on every system: each
// line with its line end, a carriage return just before a line feed dropped,
// the last line without a line end when the text has none. The clone file
// reader takes its lines from a file or from text held in memory alike.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

namespace xtr {

class LineSource {
public:
    virtual ~LineSource() = default;
    // The next line, line end kept; false at the end (or after a read error).
    virtual bool Next(std::string& line) = 0;
    // True if reading stopped on an error rather than at the end.
    virtual bool Failed() const { return false; }
};

// Lines of an open file (opened in binary mode, so that the carriage return
// rule holds on POSIX systems too). Does not close the file.
class FileLineSource : public LineSource {
public:
    explicit FileLineSource(std::FILE* file) : file_(file) {}
    bool Next(std::string& line) override;
    bool Failed() const override;

private:
    std::FILE* file_;
    char buffer_[4096];
    std::size_t pos_ = 0;
    std::size_t len_ = 0;
};

// Lines of a text in memory; the text must outlive the source.
class TextLineSource : public LineSource {
public:
    explicit TextLineSource(std::string_view text) : text_(text) {}
    bool Next(std::string& line) override;

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

}  // namespace xtr
