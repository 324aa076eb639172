#include "cells/cell_description_text.h"

#include "app/text_util.h"

#include <limits>

namespace xtr {

std::size_t CharLength(std::string_view text, std::size_t pos)
{
    return IsLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size() ? 2 : 1;
}

std::size_t EscapedUnitLength(std::string_view text, std::size_t pos)
{
    if (text[pos] == '\\' && pos + 1 < text.size()) {
        return 1 + CharLength(text, pos + 1);
    }
    return CharLength(text, pos);
}

std::size_t FindUnescaped(std::string_view text, char c, std::size_t from)
{
    for (std::size_t i = from; i < text.size(); i += EscapedUnitLength(text, i)) {
        if (text[i] == c) {
            return i;
        }
    }
    return std::string_view::npos;
}

std::string RemoveEscapes(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        std::size_t length = EscapedUnitLength(text, i);
        if (text[i] == '\\') {
            ++i;
            --length;
        }
        out.append(text.substr(i, length));
        i += length;
    }
    return out;
}

CellDescriptionSplit SplitCellDescription(std::string_view text)
{
    const std::size_t bar = FindUnescaped(text, '|');
    if (bar == std::string_view::npos) {
        return {text, std::string_view()};
    }
    return {text.substr(0, bar), text.substr(bar + 1)};
}

int CountCellDescriptions(std::string_view line)
{
    int count = 0;
    while (!line.empty()) {
        line = SplitCellDescription(line).rest;
        ++count;
    }
    return count;
}

std::optional<std::string> NthFieldOf(std::string_view text, std::string_view separators, int n)
{
    if (n < 0) {
        return std::nullopt;
    }
    int field = 0;
    std::size_t start = 0;
    for (std::size_t i = 0;;) {
        if (i >= text.size() || separators.find(text[i]) != std::string_view::npos) {
            if (field == n) {
                return std::string(text.substr(start, i - start));
            }
            if (i >= text.size()) {
                return std::nullopt;
            }
            ++field;
            start = ++i;
            continue;
        }
        i += CharLength(text, i);
    }
}

std::optional<std::string> NthField(std::string_view text, char separator, int n)
{
    return NthFieldOf(text, std::string_view(&separator, 1), n);
}

std::vector<std::string_view> SplitFields(std::string_view text, char separator)
{
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (std::size_t i = 0;;) {
        if (i >= text.size() || text[i] == separator) {
            fields.push_back(text.substr(start, i - start));
            if (i >= text.size()) {
                return fields;
            }
            start = ++i;
            continue;
        }
        i += CharLength(text, i);
    }
}

std::int32_t ParseDecimal(std::string_view text)
{
    text = SkipBlanks(text);
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    std::int64_t value = 0;
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    for (char c : text) {
        if (c < '0' || c > '9') {
            break;
        }
        if (value < kLimit) {
            value = value * 10 + (c - '0');
        }
    }
    if (value > kLimit) {
        value = kLimit;
    }
    value = negative ? -value : value;
    if (value > std::numeric_limits<std::int32_t>::max()) {
        value = std::numeric_limits<std::int32_t>::max();
    }
    return static_cast<std::int32_t>(value);
}

}  // namespace xtr
