// Clone files for the transfer commands, opened and saved exactly as the
// desktop program's open and save commands do (app/main/image_file.h).
#pragma once

#include <cstdint>
#include <string>

namespace xtr {
class indMain;
}

namespace xtr::ctl {

// Reads the file into a scratch image and takes it as the application's
// current image only when it passes every check of the open command: the
// file itself, the family marks of the image, the generation and the
// coverage of the clone area. The current image is then prepared. Returns
// the clone file error code (0 on success); its message has been shown.
uint8_t OpenCloneFile(indMain& app, const std::string& path);

// Prepares the current image and saves it as a clone file with the comment
// taken from its clone comments. Returns the clone file error code; the
// file appears complete or not at all.
uint8_t SaveCloneFile(indMain& app, const std::string& path);

}  // namespace xtr::ctl
