// Storing a text into a cell as the desktop program's grid does: a cell
// with an in-place editor takes the text as if typed and confirmed; a cell
// that offers a drop-down list instead takes the caption of one of its
// list's items (letter case and surrounding blanks ignored) or "#N" for the
// item whose value is N, as if the item were picked from the list. The
// command-line tool's set command and the generator of the factory images
// both store settings this way.
#pragma once

#include <string>

namespace xtr {

class CellHost;
class cmcCellObj;

struct CellEdit {
    // The cell took the text: it now holds the value (perhaps limited to
    // its range), or already held it.
    bool accepted = false;
    // What the cell shows afterwards.
    std::string shown;
    // Why a text was not taken ("" when it was).
    std::string reason;
    // The cell offers a drop-down list, and the text names none of its
    // items.
    bool unknownItem = false;
};

// Stores text into cell. A text the cell does not take leaves the image as
// it was. Questions the cell asks go to the installed message service.
CellEdit EditCell(CellHost& host, cmcCellObj& cell, const std::string& text);

// The texts mean the same value: equal but for letter case and surrounding
// blanks, or equal as decimal numbers ("30" and "30.0").
bool SameValueText(const std::string& a, const std::string& b);

}  // namespace xtr
