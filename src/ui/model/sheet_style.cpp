#include "ui/model/sheet_style.h"

#include "cells/cell_description_text.h"
#include "ui/model/sheet_items.h"

#include <array>

namespace xtr {
namespace {

using ValueRule = void (*)(SheetStyle& style, std::string_view value);

struct StyleKey {
    std::string_view key;
    ValueRule apply;
};

// Keys that take a value after "="; an item of theirs without one is
// ignored. No key here is the start of another.
const std::array<StyleKey, 6> kValueKeys{{
    {"TitleString",
     [](SheetStyle& s, std::string_view v) {
         if (!v.empty()) {
             s.title = std::string(v);
         }
     }},
    {"TitleColor",
     [](SheetStyle& s, std::string_view v) {
         if (const auto color = ColorOfName(v)) {
             s.titleColor = *color;
         }
     }},
    {"TitleFont",
     [](SheetStyle& s, std::string_view v) {
         s.titleFont = FontDesc{};
         ApplyFontDescription(v, *s.titleFont);
     }},
    {"FixedCols", [](SheetStyle& s, std::string_view v) { s.fixedColumns = ParseDecimal(v); }},
    {"FixedRows", [](SheetStyle& s, std::string_view v) { s.fixedRows = ParseDecimal(v); }},
    {"PrintFontRatio", [](SheetStyle& s, std::string_view v) { s.printFontRatio = ParseDecimal(v); }},
}};

}  // namespace

void ApplyStyleItem(SheetStyle& style, std::string_view item)
{
    if (item == "NoPrint") {
        style.noPrint = true;
        return;
    }
    const std::optional<std::string_view> value = ItemValue(item);
    if (ItemHasKey(item, "MultiSelect")) {
        if (value == "Cell") {
            style.multiSelect = MultiSelectMode::Cells;
        } else if (value == "Line") {
            style.multiSelect = MultiSelectMode::Lines;
        } else {
            style.multiSelect = MultiSelectMode::None;
        }
        return;
    }
    if (!value) {
        return;
    }
    for (const StyleKey& key : kValueKeys) {
        if (ItemHasKey(item, key.key)) {
            key.apply(style, *value);
            return;
        }
    }
}

}  // namespace xtr
