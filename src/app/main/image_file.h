// Opening and saving clone files as the program's open and save commands
// do, for every face of the program: the desktop program's file commands,
// the command-line tool and the tests use these two, so that a file saved
// anywhere holds the same bytes.
#pragma once

#include "app/main/ind_main.h"

#include <cstdint>
#include <string>

namespace xtr {

// Reads the file into a scratch image and takes it as the application's
// current image only when it passes every check of the open command: the
// file itself, the family marks of the image, the generation and the
// coverage of the clone area. The current image is then prepared. Returns
// the clone file error code (0 on success); its message has been shown.
uint8_t OpenImageFile(cuiMain& app, const std::string& path);

// The same checks into image (sized to the current image's size), leaving
// the current image alone: for a file only looked at or compared with.
// image is not prepared.
uint8_t ReadImageFile(cuiMain& app, const std::string& path, cmcEeprom& image);

// Prepares the current image and saves it as a clone file with the comment
// taken from its clone comments. Returns the clone file error code; the
// file appears complete or not at all.
uint8_t SaveImageFile(cuiMain& app, const std::string& path);

}  // namespace xtr
