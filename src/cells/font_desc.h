// Fonts as the overlay describes them. The core keeps a font as a plain
// value; the user interface turns it into a real font when it draws.
#pragma once

#include "cells/colors.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace xtr {

enum FontStyleBit : std::uint8_t {
    kFontBold = 0x01,
    kFontItalic = 0x02,
    kFontUnderline = 0x04,
    kFontStrikeOut = 0x08,
};

enum class FontPitch : std::uint8_t { Default, Fixed, Variable };

// Windows character set numbers.
inline constexpr std::uint8_t kAnsiCharset = 0;
inline constexpr std::uint8_t kDefaultCharset = 1;
inline constexpr std::uint8_t kShiftJisCharset = 128;

struct FontDesc {
    // Screen resolution at which height (pixels) and size (points) are tied
    // to each other: setting one recomputes the other.
    static constexpr int kPixelsPerInch = 96;

    std::string face;  // empty: the user interface's default face
    std::int32_t height = 11;
    std::int32_t size = 8;
    std::uint8_t style = 0;  // FontStyleBit
    FontPitch pitch = FontPitch::Default;
    Color color = kColorWindowText;
    std::uint8_t charset = kDefaultCharset;

    void SetHeight(std::int32_t pixels);
    void SetSize(std::int32_t points);

    bool operator==(const FontDesc&) const = default;
};

// Applies a font description: up to seven comma-separated fields, in this
// order: character set, face, colour, height, size, style, pitch. An empty
// or missing field leaves that property. Height and size are decimal, or a
// percent sign and p for p percent of the current value (at least 1). Styles
// are names joined by "+"; the first recognised one clears the styles
// before it is added. Names may be followed by blanks. Returns false when a
// given field is not recognised; the recognised ones are applied anyway.
bool ApplyFontDescription(std::string_view text, FontDesc& font);

// Character set number of a name such as "SHIFTJIS_CHARSET"; -1 if unknown.
int CharsetOfName(std::string_view name);

}  // namespace xtr
