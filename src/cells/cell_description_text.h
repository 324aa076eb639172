// Scanning helpers for the overlay's cell descriptions and font texts. The
// overlay may hold Shift JIS text: the second byte of a double-byte
// character can look like "|", "\", "{" or "}" and must never be taken for
// one, so every scan here steps over whole characters.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace xtr {

// Length of the character at pos: 2 for a double-byte character whose
// second byte is present, otherwise 1.
std::size_t CharLength(std::string_view text, std::size_t pos);

// Length of the unit at pos: a backslash together with the character it
// escapes, or one character.
std::size_t EscapedUnitLength(std::string_view text, std::size_t pos);

// Position of the first c in text at or after from that is neither escaped
// by a backslash nor the second byte of a double-byte character; npos when
// there is none.
std::size_t FindUnescaped(std::string_view text, char c, std::size_t from = 0);

// Every escaping backslash removed; the escaped characters stay.
std::string RemoveEscapes(std::string_view text);

// One cell description split off the front of a text at the first unescaped
// "|": the description and what follows the bar (empty without a bar).
struct CellDescriptionSplit {
    std::string_view piece;
    std::string_view rest;
};
CellDescriptionSplit SplitCellDescription(std::string_view text);

// Number of cell descriptions in a line: pieces are taken off the front until
// nothing is left, so a trailing bar adds no cell and an empty line has none.
int CountCellDescriptions(std::string_view line);

// Field n (from 0) of text split at separator, or nothing when the text has
// fewer fields. A separator that is the second byte of a double-byte
// character does not split.
std::optional<std::string> NthField(std::string_view text, char separator, int n);
// The same, splitting at any character of separators.
std::optional<std::string> NthFieldOf(std::string_view text, std::string_view separators, int n);
// Every field of text split at separator by the same rules, in one pass over
// the text (a loop over NthField would walk it once per field).
std::vector<std::string_view> SplitFields(std::string_view text, char separator);

// The usual decimal conversion: leading blanks and a sign allowed, reading
// stops at the first non-digit, no digits give 0. Values beyond the 32-bit
// range are held at its ends.
std::int32_t ParseDecimal(std::string_view text);

}  // namespace xtr
