// Colour names of the overlay ("clRed", "clWindow", ...). Colours are 32-bit
// values 0x00BBGGRR; system colours are 0x80000000 plus the system colour
// index and are resolved by the user interface when drawing.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace xtr {

using Color = std::uint32_t;

inline constexpr Color kSystemColorBase = 0x80000000u;
inline constexpr Color kColorWindow = kSystemColorBase + 5;       // clWindow
inline constexpr Color kColorWindowText = kSystemColorBase + 8;   // clWindowText
inline constexpr Color kColorGrayText = kSystemColorBase + 17;    // clGrayText

// The value of a colour name; nothing for an unknown name. Names match
// exactly, letter case and blanks included.
std::optional<Color> ColorOfName(std::string_view name);

// Every colour name in table order (for tests and tools).
int ColorNameCount();
std::string_view ColorNameAt(int i);

}  // namespace xtr
