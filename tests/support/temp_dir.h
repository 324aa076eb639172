// A fresh directory under the system's temporary folder, removed with its
// contents when the object goes.
#pragma once

#include <filesystem>
#include <string>

namespace xtr::test {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // Path of a file inside the directory.
    std::string File(const std::string& name) const { return (path_ / name).string(); }
    // Writes bytes exactly as given (binary) and returns the path.
    std::string Write(const std::string& name, const std::string& content) const;

private:
    std::filesystem::path path_;
};

std::string ReadWholeFile(const std::string& path);

}  // namespace xtr::test
