// What every cell of a sheet table shows, row by row, as the desktop grid
// gives it to a screen reader: a bound cell's answer (its caption only
// measures the layout) with its error and warning bits, the caption of any
// other cell. The values of the radio's segment display come as their
// escape text (a user-defined character as its code and mask), never as the
// radio's raw character codes.
// `xtr450ctl show` prints these, and the grid's accessibility is tested
// against them, so that the command line and a screen reader agree.
#pragma once

#include "segedit/segment_font.h"

#include <cstdint>
#include <string>
#include <vector>

namespace xtr {

class SheetTable;

struct SheetCellText {
    std::string text;
    std::uint8_t result = 0;  // cellresult bits of the answer
};

// userMasks: the user-defined characters of the image shown.
std::vector<std::vector<SheetCellText>> SheetTableTexts(SheetTable& table, SegUserMasks userMasks = {});

}  // namespace xtr
