// Whole text files for the export and import commands: read at once, and
// written so that the file appears complete or not at all.
#pragma once

#include <string>

namespace xtr::ctl {

bool ReadTextFile(const std::string& path, std::string& text);
bool WriteTextFile(const std::string& path, const std::string& text);

}  // namespace xtr::ctl
