// Dial strings of the directory memories: up to 16 symbols packed as
// nibbles (0-9 digits, 10 "*", 11 "#", 15 ends the string; high nibble
// first) in a 16-byte field, and the MPT1327 address that the radio calls
// for such a string, which is derived whenever the image is prepared.
#pragma once

#include "cells/numbering/mpt_plan.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace xtr {

class cmcEeprom;

inline constexpr int kDialStar = 10;
inline constexpr int kDialHash = 11;
inline constexpr int kDialEnd = 15;

// A packed digit field of the image: its address and how many nibbles it
// has. The string may use at most maxSymbols of them.
struct DialField {
    int32_t address = 0;
    int nibbles = 0;
    int maxSymbols = 0;
};

// The directory memory's number field of a row.
DialField DirectoryDialField(int32_t row);

// The shown text: the symbols up to the end mark (or any other nibble that
// is no symbol) or the limit.
std::string DialStringText(const cmcEeprom& image, const DialField& field);

// Sets every nibble after the string's end to 15. True if a nibble changed.
bool NormalizeDialString(cmcEeprom& image, const DialField& field);

// Stores the digits of text (and "*" and "#" when signs are allowed) up to
// the first other character or the limit, and ends the string there.
// Returns the number of symbols stored.
int StoreDialString(cmcEeprom& image, const DialField& field, std::string_view text, bool signsAllowed);

// The address that a directory row dials. An entry with "*" or "#" or
// without digits has none (prefix and ident 0).
struct MptAddress {
    int32_t prefix = 0;
    int32_t ident = 0;
    bool valid = false;
};
MptAddress DirectoryAddress(const cmcEeprom& image, int32_t row, const MptNumbering& numbering);

// Writes the derived prefix and ident (or zeros) into one directory row, or
// into all 40.
void UpdateDirectoryAddress(cmcEeprom& image, int32_t row, const MptNumbering& numbering);
void UpdateDirectoryAddresses(cmcEeprom& image, const MptNumbering& numbering);
void UpdateDirectoryAddresses(cmcEeprom& image);

}  // namespace xtr
