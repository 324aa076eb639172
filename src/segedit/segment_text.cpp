#include "segedit/segment_text.h"

#include "app/text_util.h"

#include <algorithm>

namespace xtr {
namespace {

// Codes the radio can draw: the user-defined characters, printable ASCII
// and 127.
constexpr bool IsDrawable(unsigned code) { return code >= 16 && code <= 127; }
constexpr bool IsPrintable(unsigned code) { return code >= 32 && code <= 126; }

}  // namespace

std::string SegFieldText(const std::uint8_t* field, int length, SegTextStyle style)
{
    std::string text;
    if (field == nullptr || length <= 0) {
        return text;
    }
    for (int i = 0; i < length && field[i] != 0; ++i) {
        text.push_back(static_cast<char>(field[i]));
    }
    if (style == SegTextStyle::BlankPadded) {
        const std::size_t last = text.find_last_not_of(' ');
        text.erase(last == std::string::npos ? 0 : last + 1);
    }
    return text;
}

std::string SegEscape(std::string_view bytes)
{
    std::string text;
    const std::size_t n = std::min(bytes.size(), kSegTextMax);
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned code = static_cast<unsigned char>(bytes[i]);
        if (code < 16) {
            break;
        }
        if (code == '%') {
            text += "%%";
        } else if (IsPrintable(code)) {
            text.push_back(static_cast<char>(code));
        } else {
            text += Format("%%%02X", code);
        }
    }
    return text;
}

std::string SegUnescape(std::string_view text)
{
    text = text.substr(0, std::min(text.size(), kSegTextMax));
    std::string bytes;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '%') {
            if (i + 1 < text.size() && text[i + 1] == '%') {
                bytes.push_back('%');
                i += 2;
                continue;
            }
            if (i + 2 < text.size()) {
                const int high = HexDigitValue(text[i + 1]);
                const int low = HexDigitValue(text[i + 2]);
                if (high >= 0 && low >= 0 && IsDrawable(static_cast<unsigned>(high * 16 + low))) {
                    bytes.push_back(static_cast<char>(high * 16 + low));
                    i += 3;
                    continue;
                }
            }
            // No code the radio can draw: the sign stays, and what follows
            // is read as ordinary characters.
            bytes.push_back('%');
            ++i;
            continue;
        }
        const unsigned code = static_cast<unsigned char>(c);
        bytes.push_back(code >= 32 && code <= 127 ? c : ' ');
        ++i;
    }
    return bytes;
}

std::string SegFieldEscape(const std::uint8_t* field, int length, SegTextStyle style)
{
    return SegEscape(SegFieldText(field, length, style));
}

void SegStoreEscape(std::uint8_t* field, int length, SegTextStyle style, std::string_view text)
{
    if (field == nullptr || length <= 0) {
        return;
    }
    const std::string bytes = SegUnescape(text);
    const std::uint8_t pad = style == SegTextStyle::BlankPadded ? ' ' : 0;
    for (int i = 0; i < length; ++i) {
        const auto at = static_cast<std::size_t>(i);
        field[i] = at < bytes.size() ? static_cast<std::uint8_t>(bytes[at]) : pad;
    }
}

}  // namespace xtr
