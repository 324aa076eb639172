#include "app/main/text_file.h"

#include "platform/replace_file.h"

#include <cstdio>

namespace xtr {

bool ReadWholeTextFile(const std::string& path, std::string& text)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return false;
    }
    text.clear();
    char buffer[4096];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        text.append(buffer, n);
    }
    const bool ok = std::ferror(file) == 0;
    std::fclose(file);
    return ok;
}

bool WriteWholeTextFile(const std::string& path, const std::string& text)
{
    std::string temp;
    std::FILE* file = CreateTempFileBeside(path, temp);
    if (file == nullptr) {
        return false;
    }
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size() && FlushFileToDisk(file);
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed || !MoveOverFile(temp, path)) {
        std::remove(temp.c_str());
        return false;
    }
    return true;
}

}  // namespace xtr
