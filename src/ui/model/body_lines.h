// The indented "+" lines of a menu or tree body ("..._Body" entries): one
// item per line, nested by indentation. The main menu, the pop-up menus, the
// navigation tree and the command-line tool read them the same way.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace xtr {

class cmcGTex;

struct BodyItem {
    int depth = 0;            // characters before the first "+"
    int level = 0;            // 0 for the top level, 1 for its children ...
    int parent = -1;          // index of the parent item, -1 at the top level
    std::string description;  // the cell description after the first "+"
};

// The depth and description of one line: the depth counts every character
// before the first "+"; a line without "+" has the depth of its whole
// length and an empty description.
BodyItem SplitBodyLine(std::string_view line);

// Nests lines (the "#" line excluded) into items in line order. A line
// deeper than the first line of its level opens the children of the item
// before it, whatever the difference; a shallower line ends the level, and
// a line shallower than the very first line ends the whole body.
std::vector<BodyItem> NestBodyLines(const std::vector<std::string>& lines);

// The lines of entry from line 0 up to (not including) the first line
// beginning with "#". A missing entry is the overlay's fatal lookup error.
std::vector<std::string> ReadBodyLines(cmcGTex& texts, const std::string& entry);

// Both steps over an overlay entry.
std::vector<BodyItem> ReadBody(cmcGTex& texts, const std::string& entry);

}  // namespace xtr
