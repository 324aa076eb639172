#include "cells/font_desc.h"

#include "cells/cell_description_text.h"

#include <array>
#include <limits>

namespace xtr {
namespace {

struct NamedCharset {
    std::string_view name;
    std::uint8_t value;
};

constexpr std::array<NamedCharset, 19> kCharsets{{
    {"ANSI_CHARSET", 0},
    {"DEFAULT_CHARSET", 1},
    {"SYMBOL_CHARSET", 2},
    {"MAC_CHARSET", 77},
    {"SHIFTJIS_CHARSET", 128},
    {"HANGEUL_CHARSET", 129},
    {"JOHAB_CHARSET", 130},
    {"GB2312_CHARSET", 134},
    {"CHINESEBIG5_CHARSET", 136},
    {"GREEK_CHARSET", 161},
    {"TURKISH_CHARSET", 162},
    {"VIETNAMESE_CHARSET", 163},
    {"HEBREW_CHARSET", 177},
    {"ARABIC_CHARSET", 178},
    {"BALTIC_CHARSET", 186},
    {"RUSSIAN_CHARSET", 204},
    {"THAI_CHARSET", 222},
    {"EASTEUROPE_CHARSET", 238},
    {"OEM_CHARSET", 255},
}};

struct NamedStyle {
    std::string_view name;
    std::uint8_t bit;
};

constexpr std::array<NamedStyle, 4> kStyles{{
    {"fsBold", kFontBold},
    {"fsItalic", kFontItalic},
    {"fsUnderline", kFontUnderline},
    {"fsStrikeOut", kFontStrikeOut},
}};

struct NamedPitch {
    std::string_view name;
    FontPitch pitch;
};

constexpr std::array<NamedPitch, 3> kPitches{{
    {"fpDefault", FontPitch::Default},
    {"fpFixed", FontPitch::Fixed},
    {"fpVariable", FontPitch::Variable},
}};

std::string_view WithoutTrailingBlanks(std::string_view text)
{
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

// a * b / c rounded, as the screen font conversions do it.
std::int32_t MulDiv(std::int32_t a, std::int32_t b, std::int32_t c)
{
    const std::int64_t product = std::int64_t{a} * b;
    const std::int64_t rounded = (product >= 0 ? product + c / 2 : product - c / 2) / c;
    return static_cast<std::int32_t>(rounded);
}

// A height or size field: decimal, or "%p" for p percent of current (at
// least 1). Nothing when the field is not a number.
bool ParseMeasure(std::string_view field, std::int32_t current, std::int32_t& out)
{
    field = WithoutTrailingBlanks(field);
    const bool percent = !field.empty() && field[0] == '%';
    if (percent) {
        field.remove_prefix(1);
    }
    // At most nine digits keep every value inside 32 bits.
    if (field.empty() || field.size() > 9) {
        return false;
    }
    std::int64_t value = 0;
    for (char c : field) {
        if (c < '0' || c > '9') {
            return false;
        }
        value = value * 10 + (c - '0');
    }
    if (percent) {
        value = std::int64_t{current} * value / 100;
        if (value < 1) {
            value = 1;
        }
        if (value > std::numeric_limits<std::int32_t>::max()) {
            value = std::numeric_limits<std::int32_t>::max();
        }
    }
    out = static_cast<std::int32_t>(value);
    return true;
}

bool ApplyStyles(std::string_view field, std::uint8_t& style)
{
    bool recognisedAll = true;
    bool cleared = false;
    for (const std::string_view part : SplitFields(field, '+')) {
        const std::string_view name = WithoutTrailingBlanks(part);
        if (name.empty()) {
            continue;  // "fsBold+" names one style
        }
        bool found = false;
        for (const NamedStyle& named : kStyles) {
            if (named.name == name) {
                if (!cleared) {
                    style = 0;
                    cleared = true;
                }
                style |= named.bit;
                found = true;
                break;
            }
        }
        recognisedAll = recognisedAll && found;
    }
    return recognisedAll;
}

bool ApplyPitch(std::string_view field, FontPitch& pitch)
{
    const std::string_view name = WithoutTrailingBlanks(field);
    for (const NamedPitch& named : kPitches) {
        if (named.name == name) {
            pitch = named.pitch;
            return true;
        }
    }
    return false;
}

bool ApplyField(int n, std::string_view field, FontDesc& font)
{
    switch (n) {
    case 0: {
        const int charset = CharsetOfName(field);
        if (charset < 0) {
            return false;
        }
        font.charset = static_cast<std::uint8_t>(charset);
        return true;
    }
    case 1:
        font.face = std::string(field);
        return true;
    case 2: {
        const std::optional<Color> color = ColorOfName(field);
        if (!color) {
            return false;
        }
        font.color = *color;
        return true;
    }
    case 3: {
        std::int32_t height = 0;
        if (!ParseMeasure(field, font.height, height)) {
            return false;
        }
        font.SetHeight(height);
        return true;
    }
    case 4: {
        std::int32_t size = 0;
        if (!ParseMeasure(field, font.size, size)) {
            return false;
        }
        font.SetSize(size);
        return true;
    }
    case 5:
        return ApplyStyles(field, font.style);
    case 6:
        return ApplyPitch(field, font.pitch);
    default:
        return false;  // an eighth field has no meaning
    }
}

}  // namespace

void FontDesc::SetHeight(std::int32_t pixels)
{
    height = pixels;
    size = MulDiv(pixels, 72, kPixelsPerInch);
}

void FontDesc::SetSize(std::int32_t points)
{
    size = points;
    height = MulDiv(points, kPixelsPerInch, 72);
}

int CharsetOfName(std::string_view name)
{
    name = WithoutTrailingBlanks(name);
    for (const NamedCharset& named : kCharsets) {
        if (named.name == name) {
            return named.value;
        }
    }
    return -1;
}

bool ApplyFontDescription(std::string_view text, FontDesc& font)
{
    bool recognisedAll = true;
    const std::vector<std::string_view> fields = SplitFields(text, ',');
    for (std::size_t n = 0; n < fields.size(); ++n) {
        if (!fields[n].empty() && !ApplyField(static_cast<int>(n), fields[n], font)) {
            recognisedAll = false;
        }
    }
    return recognisedAll;
}

}  // namespace xtr
