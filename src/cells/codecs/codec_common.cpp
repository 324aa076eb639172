#include "cells/codecs/codec_common.h"

#include "cells/ui_seams.h"

#include <charconv>
#include <cmath>

namespace xtr::codec {

TypedNumber ParseTyped(std::string_view text, std::string_view allowed)
{
    std::string kept;
    for (char c : text) {
        if ((c >= '0' && c <= '9') || allowed.find(c) != std::string_view::npos) {
            kept.push_back(c);
        }
    }
    TypedNumber number;
    number.empty = kept.empty();
    number.hasDigit = kept.find_first_of("0123456789") != std::string::npos;
    if (kept.size() > 9) {
        kept.resize(9);
    }
    // Read like a C decimal conversion: as much as forms a number, 0 when
    // nothing does ("-", ".", "--5"). Independent of the locale.
    const char* first = kept.data();
    const char* last = kept.data() + kept.size();
    double value = 0.0;
    if (std::from_chars(first, last, value, std::chars_format::fixed).ec == std::errc{}) {
        number.value = value;
    }
    return number;
}

std::int64_t RoundHalfAway(double x)
{
    return static_cast<std::int64_t>(std::round(x));
}

void Show(cmcCellCapsule& rq, std::string text)
{
    rq.displayText = std::move(text);
    rq.selStart = 0;
    rq.selLength = static_cast<std::int32_t>(rq.displayText.size());
}

void OpenEditor(cmcCellCapsule& rq, int& editorKind, std::string text)
{
    Show(rq, std::move(text));
    editorKind = celleditor::kInPlace;
}

void OpenEditorAt(cmcCellCapsule& rq, int& editorKind, std::string text, std::int32_t caret)
{
    rq.displayText = std::move(text);
    rq.selStart = caret;
    rq.selLength = 0;
    editorKind = celleditor::kInPlace;
}

void OpenEditorWithKey(cmcCellCapsule& rq, int& editorKind)
{
    OpenEditorAt(rq, editorKind, std::string(1, static_cast<char>(rq.key)), 1);
}

void SetTextColor(cmcCellCapsule& rq, Color color)
{
    if (rq.canvas != nullptr) {
        rq.canvas->SetTextColor(color);
    }
}

void SetAlignment(cmcCellCapsule& rq, int alignment)
{
    if (rq.cell != nullptr) {
        rq.cell->look = static_cast<std::uint8_t>((rq.cell->look & ~look::kAlignMask) | (alignment & look::kAlignMask));
    }
}

std::string StripTrailingZeros(std::string text, int count)
{
    for (int i = 0; i < count && !text.empty() && text.back() == '0'; ++i) {
        text.pop_back();
        if (!text.empty() && text.back() == '.') {
            text.pop_back();
            break;
        }
    }
    return text;
}

bool IsDigitKey(std::int32_t key)
{
    return key >= '0' && key <= '9';
}

bool IsPrintableKey(std::int32_t key)
{
    return key >= 32 && key <= 126;
}

std::uint32_t ReadBigEndian(const std::uint8_t* field, int bytes)
{
    std::uint32_t value = 0;
    for (int i = 0; i < bytes; ++i) {
        value = (value << 8) | field[i];
    }
    return value;
}

void WriteBigEndian(std::uint8_t* field, int bytes, std::uint32_t value)
{
    for (int i = bytes - 1; i >= 0; --i) {
        field[i] = static_cast<std::uint8_t>(value & 0xFF);
        value >>= 8;
    }
}

}  // namespace xtr::codec
