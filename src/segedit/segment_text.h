// Display texts of the radio's segment display, as they lie in the image
// and as the user edits them.
//
// A text field is a fixed number of bytes holding character codes: 16-31
// are the user-defined characters, 32-126 printable ASCII, 127 a character
// with a mask of its own; every other code is drawn blank by the radio.
// Fields come in two styles: blank-padded (the positions after the text are
// spaces, and trailing spaces are not part of the text) and zero-terminated
// (the positions after the text are 0).
//
// The editor shows a field as an escape text that can be typed: "%" is
// written "%%", and the codes that have no key (16-31, 127-255) are written
// "%" and two hexadecimal digits. Only the codes the radio can draw (16-127)
// are read back from such a pair; anything else the user types that the
// radio cannot show becomes a space.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace xtr {

enum class SegTextStyle : std::uint8_t {
    BlankPadded,
    ZeroTerminated,
};

// The longest text the escape conversions handle, in bytes and in typed
// characters; longer input is cut there.
inline constexpr std::size_t kSegTextMax = 255;

// The text a field holds: its bytes up to `length` or the first 0; in the
// blank-padded style without trailing spaces. The bytes are the radio's
// character codes as they are (the grid draws them as segments).
std::string SegFieldText(const std::uint8_t* field, int length, SegTextStyle style);

// The escape text of a text's bytes (at most kSegTextMax of them). The first
// code 0-15 ends the text.
std::string SegEscape(std::string_view bytes);

// The bytes an escape text stands for (at most kSegTextMax typed
// characters are read).
std::string SegUnescape(std::string_view text);

// The escape text of a field: SegEscape of SegFieldText.
std::string SegFieldEscape(const std::uint8_t* field, int length, SegTextStyle style);

// Stores an escape text into a field: decodes it, cuts it to `length`
// bytes or pads it with spaces (blank-padded) or zero bytes
// (zero-terminated), and writes exactly `length` bytes.
void SegStoreEscape(std::uint8_t* field, int length, SegTextStyle style, std::string_view text);

}  // namespace xtr
