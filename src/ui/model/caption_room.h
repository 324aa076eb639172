// Room for the texts a printed sheet shows: a heading or a remark does not
// size its column (that would widen the column of every row below it) but
// spans the joined cells to its right; when even that span is narrower than
// its text, the span's last column grows so that the text prints whole
// instead of being cut by the next cell (the screen scrolls and keeps its
// columns as the W letters make them). And on paper, where the basic
// cell's font is given in printer dots, a cell's own font follows it in
// proportion: its size in the sheet description is meant for the screen.
#pragma once

#include <cstdint>
#include <vector>

namespace xtr {

// A caption that needs `width` units across columns first to last.
struct CaptionSpan {
    int first = 0;
    int last = 0;
    int width = 0;
};

// Widens the last column of every span whose columns together are narrower
// than its caption. Spans outside the columns are left out.
void MakeRoomForCaptions(std::vector<int>& columnWidths, const std::vector<CaptionSpan>& spans);

// The height on paper of a cell font that is `height` high in a sheet whose
// basic font is screenBasic high in its description and printedBasic high
// on paper: the basic height itself becomes printedBasic exactly, any other
// in the same proportion (the sign, which tells cell height from character
// height, is kept).
std::int32_t PrintedFontHeight(std::int32_t height, std::int32_t screenBasic, std::int32_t printedBasic);

}  // namespace xtr
