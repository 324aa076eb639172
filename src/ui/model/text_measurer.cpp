#include "ui/model/text_measurer.h"

#include <algorithm>

namespace xtr {

TextExtent MeasureText(TextMeasurer& measurer, std::string_view text, const FontDesc& font)
{
    TextExtent extent;
    for (;;) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        extent.width = std::max(extent.width, measurer.LineWidth(line, font));
        extent.height += measurer.LineHeight(line, font);
        if (end == std::string_view::npos) {
            return extent;
        }
        text.remove_prefix(end + 1);
    }
}

int CharCellMeasurer::LineWidth(std::string_view line, const FontDesc&) { return static_cast<int>(line.size()); }

int CharCellMeasurer::LineHeight(std::string_view, const FontDesc&) { return 1; }

int CharCellMeasurer::PaddingWidth(int) { return 1; }

int CharCellMeasurer::PaddingHeight(int) { return 0; }

}  // namespace xtr
