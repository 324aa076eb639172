// Whole text files for the text export and import of every face: read at
// once, and written so that the file appears complete or not at all.
#pragma once

#include <string>

namespace xtr {

bool ReadWholeTextFile(const std::string& path, std::string& text);
bool WriteWholeTextFile(const std::string& path, const std::string& text);

}  // namespace xtr
