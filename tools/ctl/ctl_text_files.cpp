#include "ctl/ctl_text_files.h"

#include "app/main/text_file.h"

namespace xtr::ctl {

bool ReadTextFile(const std::string& path, std::string& text)
{
    return ReadWholeTextFile(path, text);
}

bool WriteTextFile(const std::string& path, const std::string& text)
{
    return WriteWholeTextFile(path, text);
}

}  // namespace xtr::ctl
