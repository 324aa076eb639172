// Measuring texts for a sheet's column widths and row heights. The same
// layout serves the desktop grid (which measures with the screen font), the
// printed page (the printer's font) and the command-line tool (which counts
// characters), so the sheet only ever asks this interface.
#pragma once

#include "cells/font_desc.h"

#include <string_view>

namespace xtr {

class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    // Width and height of one line of text drawn in font, in the
    // measurer's units (pixels on the screen and on paper).
    virtual int LineWidth(std::string_view line, const FontDesc& font) = 0;
    virtual int LineHeight(std::string_view line, const FontDesc& font) = 0;
    // Room added around a caption that widens its column or heightens its
    // row, for a sheet drawn at scale (1 on the screen, dots per inch / 120
    // on paper): 8 units across and 2 down keep the text clear of the cell's
    // edges when the unit is a pixel.
    virtual int PaddingWidth(int scale) { return 8 * scale; }
    virtual int PaddingHeight(int scale) { return 2 * scale; }
};

// The size of a caption that may hold several lines separated by "\n": the
// widest line and the sum of the line heights.
struct TextExtent {
    int width = 0;
    int height = 0;
};
TextExtent MeasureText(TextMeasurer& measurer, std::string_view text, const FontDesc& font);

// Measures in character cells, for text output: one unit per byte across
// (a Shift JIS double-byte character is full width, two cells, and two
// bytes) and one unit per line down, whatever the font. A caption gets one
// blank column as room and no extra line.
class CharCellMeasurer : public TextMeasurer {
public:
    int LineWidth(std::string_view line, const FontDesc& font) override;
    int LineHeight(std::string_view line, const FontDesc& font) override;
    int PaddingWidth(int scale) override;
    int PaddingHeight(int scale) override;
};

}  // namespace xtr
