// Text helpers shared by the overlay, cell and file code.
#pragma once

#include <cstdarg>
#include <string>
#include <string_view>

namespace xtr {

// printf-style formatting into a std::string.
std::string Format(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;
std::string FormatV(const char* format, va_list args);

// Leading blanks and tabs removed.
std::string_view SkipBlanks(std::string_view text);

// Blanks and tabs removed at both ends. A trailing blank stays when it is the
// second byte of a double-byte (Shift JIS) character.
std::string Trim(std::string_view text);

// Every blank and tab removed.
std::string RemoveBlanks(std::string_view text);

// Field i (from 0) of text split at separator; empty when there are fewer.
std::string Field(std::string_view text, char separator, int index);

// True for the first byte of a Shift JIS double-byte character.
bool IsLeadByte(unsigned char c);

// Case-insensitive comparison of ASCII letters.
bool EqualsIgnoreCase(std::string_view a, std::string_view b);

std::string ToLower(std::string_view text);

// Value of a hexadecimal digit (0-9, A-F, a-f), or -1 for any other character.
int HexDigitValue(int c);

}  // namespace xtr
