// Cell descriptions: splitting off one cell, separating attribute groups
// from the caption, and resolving the caption's escapes and counters.
#include "cells/cell_description.h"

#include "app/fatal.h"
#include "app/text_util.h"
#include "cells/cell_description_internal.h"
#include "cells/cell_description_text.h"

#include <string>

namespace xtr {
namespace detail {

std::int32_t& TakeCounter(std::string_view& text, CellCounters* counters)
{
    const bool wellFormed = text.size() >= 4 && text.substr(0, 3) == "@ch" && text[3] >= '0' && text[3] <= '9' &&
                            (text.size() == 4 || text[4] < '0' || text[4] > '9');
    if (!wellFormed || counters == nullptr) {
        Fatal("Ch No. Error");
    }
    const int n = text[3] - '0';
    text.remove_prefix(4);
    return (*counters)[static_cast<std::size_t>(n)];
}

std::string ResolveCaption(std::string_view text, CellCounters* counters)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] != '\\') {
            const std::size_t length = CharLength(text, i);
            out.append(text.substr(i, length));
            i += length;
            continue;
        }
        if (i + 1 >= text.size()) {
            break;  // a lone backslash at the end escapes nothing
        }
        const char c = text[i + 1];
        if (c == 'n' || c == 'N') {
            out.push_back('\n');
            i += 2;
        } else if (c == '_') {
            out.push_back(' ');
            i += 2;
        } else if (c == '(') {
            // \(@chN) or \(@chN+k): the counter's value (plus k), at most
            // six characters of it.
            const std::size_t close = text.find(')', i + 2);
            if (close == std::string_view::npos) {
                Fatal("Illegal Ch No.");
            }
            std::string_view inside = text.substr(i + 2, close - (i + 2));
            std::int64_t value = TakeCounter(inside, counters);
            if (!inside.empty() && inside[0] == '+') {
                value += ParseDecimal(inside.substr(1));
            }
            out.append(std::to_string(value).substr(0, 6));
            i = close + 1;
        } else {
            const std::size_t length = CharLength(text, i + 1);
            out.append(text.substr(i + 1, length));
            i += 1 + length;
        }
    }
    return out;
}

}  // namespace detail

void ApplyCellAttributes(std::string_view attributes, cmcCellObj& cell)
{
    detail::ApplyAttributes(attributes, cell, 0);
}

std::string_view ParseCellDescription(std::string_view text, cmcCellObj& cell, CellCounters* counters,
                                      const cmcCellObj* templ, bool skip)
{
    const CellDescriptionSplit split = SplitCellDescription(text);
    cell.Reset(templ);
    if (skip) {
        return split.rest;
    }

    cell.counters = counters;
    // Attribute groups are applied as they come; the caption (everything
    // outside braces) is resolved after all of them, so that it shows the
    // counters as the groups leave them. An escaped brace, like one that is
    // the second byte of a double-byte character, opens or closes nothing.
    const std::string_view piece = split.piece;
    std::string captionText;
    std::size_t groupStart = std::string_view::npos;
    for (std::size_t i = 0; i < piece.size();) {
        const std::size_t length = EscapedUnitLength(piece, i);
        if (groupStart == std::string_view::npos) {
            if (piece[i] == '{') {
                groupStart = i + 1;
            } else {
                captionText.append(piece.substr(i, length));
            }
        } else if (piece[i] == '}') {
            detail::ApplyAttributes(piece.substr(groupStart, i - groupStart), cell, 0);
            groupStart = std::string_view::npos;
        }
        i += length;
    }
    if (groupStart != std::string_view::npos) {
        // An unclosed group runs to the end of the description.
        detail::ApplyAttributes(piece.substr(groupStart), cell, 0);
    }

    const std::string trimmed = Trim(captionText);
    if (!trimmed.empty()) {
        cell.caption = detail::ResolveCaption(trimmed, cell.counters);
    }
    cell.counters = nullptr;
    return split.rest;
}

}  // namespace xtr
