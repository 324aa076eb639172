// The factory images that ship beside the program as its initial files, one
// per numbering variant. They are generated from the readable defaults in
// factory_defaults.cpp, never edited by hand.
#pragma once

#include "image/eeprom.h"

#include <string>

namespace xtr::factory {

enum class Variant { Mpt = 0, Cps = 1 };

// Builds the factory image of a numbering variant (0x4000 bytes).
void BuildFactoryImage(Variant variant, cmcEeprom& image);

// Writes it as a clone file; returns the clone file's result code.
int WriteFactoryFile(Variant variant, const std::string& path);

}  // namespace xtr::factory
