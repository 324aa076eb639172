// The style of a sheet: its title bar, fixed rows and columns, printing and
// multi-selection, read from the items of the sheet's style line.
#pragma once

#include "cells/colors.h"
#include "cells/font_desc.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace xtr {

// Multi-selection modes of a sheet's grid.
enum class MultiSelectMode : std::uint8_t {
    None = 0,
    Cells = 1,  // "Cell": rectangles of cells
    Lines = 2,  // "Line": whole rows are marked with the selected cells
};

struct SheetStyle {
    std::optional<std::string> title;  // no title bar without one
    std::optional<FontDesc> titleFont;  // none: the system font
    Color titleColor = kColorGrayText;
    std::int32_t fixedColumns = 0;
    std::int32_t fixedRows = 0;
    std::int32_t printFontRatio = 100;  // percent
    MultiSelectMode multiSelect = MultiSelectMode::None;
    bool noPrint = false;
};

// Applies one style item to style; items that are not recognised, and
// values that make no sense for their item, leave it unchanged.
//
//   TitleString=text      title (an empty text is ignored)
//   TitleColor=name       title background, a colour name
//   TitleFont=font        title font, from a fresh default font each time
//   FixedCols=n, FixedRows=n, PrintFontRatio=n   decimal numbers
//   NoPrint               exactly this: the sheet is not printed
//   MultiSelect=Cell|Line anything else, or no "=", turns it off
void ApplyStyleItem(SheetStyle& style, std::string_view item);

}  // namespace xtr
