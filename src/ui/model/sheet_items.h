// Items in parentheses, as the style line of a sheet and its layout control
// lines write them: "(TitleString=Common)(FixedRows=1)". Text outside the
// parentheses is a comment, there is no escape and parentheses do not nest.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace xtr {

// Every item of text in order. An item opens at a "(" and ends at the next
// ")"; a parenthesis that is the second byte of a double-byte character is
// text. An item left open runs to the end of the line.
std::vector<std::string_view> ParenItems(std::string_view text);

// True when item starts with key; longer items count as the key too.
bool ItemHasKey(std::string_view item, std::string_view key);

// The text after the first "=" of item; nothing when it has none.
std::optional<std::string_view> ItemValue(std::string_view item);

// The decimal count after "key " (a blank and some text); nothing when the
// blank or the text after it is missing.
std::optional<int> ItemCount(std::string_view item, std::string_view key);

}  // namespace xtr
