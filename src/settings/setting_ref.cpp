#include "settings/setting_ref.h"

#include "cells/categories.h"
#include "cells/cell_names.h"
#include "cells/cell_obj.h"
#include "cells/lists/list_geometry.h"

#include <cctype>

namespace xtr {

SettingRef RefOf(const cmcCellObj& cell)
{
    return {cell.category, cell.cellId, cell.index};
}

void MakeSettingCell(const SettingRef& ref, cmcCellObj& cell)
{
    cell.Reset(nullptr);
    cell.category = ref.category;
    cell.cellId = ref.cellId;
    cell.index = ref.index;
}

std::string FormatSettingRef(const SettingRef& ref)
{
    std::string text;
    if (ref.category < kCategoryCount) {
        text = std::string(CategoryName(ref.category)) + ".";
    }
    text += std::string(CellName(ref.cellId));
    if (CategoryListSlot(ref.category) != 0 || ref.index != 0) {
        text += "[" + std::to_string(ref.index) + "]";
    }
    return text;
}

bool ParseSettingRef(const std::string& text, SettingRef& ref, std::string& error)
{
    std::string_view rest = text;
    ref = SettingRef{};
    const std::size_t dot = rest.find('.');
    if (dot != std::string_view::npos) {
        const std::string_view category = rest.substr(0, dot);
        if (!FindCategoryName(category, ref.category)) {
            error = "unknown cell category '" + std::string(category) + "'";
            return false;
        }
        rest.remove_prefix(dot + 1);
    }
    const std::size_t bracket = rest.find('[');
    const std::string_view name = rest.substr(0, bracket);
    if (!FindCellName(name, ref.cellId)) {
        error = "unknown setting '" + std::string(name) + "'";
        return false;
    }
    if (bracket != std::string_view::npos) {
        std::string_view index = rest.substr(bracket + 1);
        if (index.size() < 2 || index.size() > 6 || index.back() != ']') {
            error = "malformed row in '" + text + "'";
            return false;
        }
        index.remove_suffix(1);
        ref.index = 0;
        for (char c : index) {
            if (!std::isdigit(static_cast<unsigned char>(c))) {
                error = "malformed row in '" + text + "'";
                return false;
            }
            ref.index = ref.index * 10 + (c - '0');
        }
    }
    // Cells without a category may take a row of their own (arrays outside
    // the lists); the cell itself decides what the row means.
    const int slot = CategoryListSlot(ref.category);
    if (slot != 0 && !GeometryOf(slot).HasRow(ref.index)) {
        error = "'" + text + "' has no row " + std::to_string(ref.index);
        return false;
    }
    return true;
}

}  // namespace xtr
