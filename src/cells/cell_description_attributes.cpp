// Attribute groups of cell descriptions: the letters, the keyed attributes
// in parentheses and the cell reference.
#include "app/fatal.h"
#include "app/globals.h"
#include "app/text_util.h"
#include "cells/cell_description_internal.h"
#include "cells/cell_description_text.h"
#include "overlay/gtex.h"

#include <string>

namespace xtr::detail {
namespace {

// Shared styles may use other styles; a style that reaches itself again
// would otherwise recurse until the stack runs out.
constexpr int kMaxStyleDepth = 16;

bool TakePrefix(std::string_view& text, std::string_view prefix)
{
    if (text.substr(0, prefix.size()) != prefix) {
        return false;
    }
    text.remove_prefix(prefix.size());
    return true;
}

void SetBit(std::uint8_t& bits, std::uint8_t bit, bool on)
{
    bits = static_cast<std::uint8_t>(on ? (bits | bit) : (bits & ~bit));
}

void SetField(std::uint8_t& bits, std::uint8_t mask, int shift, int value)
{
    bits = static_cast<std::uint8_t>((bits & ~mask) | ((value << shift) & mask));
}

void ApplyStyle(std::string_view name, cmcCellObj& cell, int styleDepth)
{
    if (styleDepth >= kMaxStyleDepth) {
        Fatal(Format("Cell style nesting too deep.\n'%s'", std::string(name).c_str()));
    }
    const std::string text = GTex().FirstLine("CellModel_" + std::string(name));
    ApplyAttributes(text, cell, styleDepth + 1);
}

void ApplyFont(std::string_view description, cmcCellObj& cell)
{
    if (!cell.font) {
        const FontDesc* inherited = cell.templateCell != nullptr ? cell.templateCell->EffectiveFont() : nullptr;
        cell.font = inherited != nullptr ? *inherited : FontDesc();
    }
    // A field the font table does not know leaves that property as it was.
    ApplyFontDescription(description, *cell.font);
}

void ApplyCounterCommand(std::string_view item, cmcCellObj& cell)
{
    std::int32_t& counter = TakeCounter(item, cell.counters);
    if (TakePrefix(item, "=")) {
        counter = ParseDecimal(item);
    } else if (TakePrefix(item, "+")) {
        counter = static_cast<std::int32_t>(static_cast<std::uint32_t>(counter) + 1u);
    }
}

// FlagN=0 or FlagN=1 for N 0 to 3 sets state bits 2 to 5; anything else
// is no flag.
void ApplyFlag(std::string_view item, cmcCellObj& cell)
{
    if (item.size() != 3 || item[0] < '0' || item[0] > '3' || item[1] != '=' || (item[2] != '0' && item[2] != '1')) {
        return;
    }
    SetBit(cell.state, static_cast<std::uint8_t>(state::kChecked << (item[0] - '0')), item[2] == '1');
}

void ApplyKeyed(std::string_view item, cmcCellObj& cell, int styleDepth)
{
    if (TakePrefix(item, "$")) {
        ApplyStyle(item, cell, styleDepth);
    } else if (TakePrefix(item, "Color=")) {
        if (const std::optional<Color> color = ColorOfName(item)) {
            cell.color = *color;
        }
    } else if (TakePrefix(item, "Font=")) {
        ApplyFont(item, cell);
    } else if (TakePrefix(item, "%")) {
        ApplyCellReference(item, cell);
    } else if (!item.empty() && item[0] == '@') {
        ApplyCounterCommand(item, cell);
    } else if (TakePrefix(item, "ImageIndex=")) {
        cell.imageIndex = ParseDecimal(item);
    } else if (TakePrefix(item, "PopupMenu=")) {
        cell.popupMenu = std::string(item);
    } else if (TakePrefix(item, "Flag")) {
        ApplyFlag(item, cell);
    }
    // Any other item is not an attribute of cells and is passed over.
}

// Position of the first unescaped character of chars in text[0, end), or end.
std::size_t FindFirstOf(std::string_view text, std::string_view chars, std::size_t from, std::size_t end)
{
    for (std::size_t i = from; i < end; i += EscapedUnitLength(text, i)) {
        if (chars.find(text[i]) != std::string_view::npos) {
            return i;
        }
    }
    return end;
}

}  // namespace

void ApplyCellReference(std::string_view reference, cmcCellObj& cell)
{
    // The name part ends at the index or the parameter. A category dot is
    // looked for only there: a dot inside a parameter (a file or sheet
    // name) does not make the text before it a category.
    const std::size_t nameEnd = FindFirstOf(reference, "[:", 0, reference.size());
    std::size_t nameStart = 0;
    const std::size_t dot = FindFirstOf(reference, ".", 0, nameEnd);
    if (dot < nameEnd) {
        cell.category = CategoryOfName(RemoveEscapes(reference.substr(0, dot)));
        nameStart = dot + 1;
    }
    cell.cellId = CellIdOfName(RemoveEscapes(reference.substr(nameStart, nameEnd - nameStart)));

    std::size_t i = nameEnd;
    if (i < reference.size() && reference[i] == '[') {
        const std::size_t close = FindFirstOf(reference, "]", i + 1, reference.size());
        std::string_view index = reference.substr(i + 1, close - (i + 1));
        if (!index.empty() && index[0] == '@') {
            cell.index = TakeCounter(index, cell.counters);
        } else {
            cell.index = ParseDecimal(index);
        }
        i = close;
    }
    const std::size_t colon = FindFirstOf(reference, ":", i, reference.size());
    if (colon < reference.size()) {
        cell.parameter = RemoveEscapes(reference.substr(colon + 1));
    }
}

void ApplyAttributes(std::string_view text, cmcCellObj& cell, int styleDepth)
{
    bool negate = false;
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (c == '(') {
            // A keyed attribute runs to the next unescaped ")", or to the end.
            std::size_t close = FindUnescaped(text, ')', i + 1);
            if (close == std::string_view::npos) {
                close = text.size();
            }
            ApplyKeyed(text.substr(i + 1, close - (i + 1)), cell, styleDepth);
            i = close < text.size() ? close + 1 : close;
            negate = false;
            continue;
        }
        const bool set = !negate;
        negate = false;
        switch (c) {
        case '!':
            negate = true;  // for the one character that follows
            break;
        // Alignment and placement have no opposite; "!" before them is idle.
        case '<': SetField(cell.look, look::kAlignMask, 0, 0); break;
        case '^': SetField(cell.look, look::kAlignMask, 0, 1); break;
        case '>': SetField(cell.look, look::kAlignMask, 0, 2); break;
        case '~': SetField(cell.look, look::kPlaceMask, look::kPlaceShift, 0); break;
        case '-': SetField(cell.look, look::kPlaceMask, look::kPlaceShift, 1); break;
        case '_': SetField(cell.look, look::kPlaceMask, look::kPlaceShift, 2); break;
        case 'W': SetBit(cell.look, look::kW, set); break;
        case 'H': SetBit(cell.look, look::kH, set); break;
        case '+': SetBit(cell.look, look::kPlus, set); break;
        case 'B': SetBit(cell.look, look::kB, set); break;
        case 'S': SetBit(cell.state, state::kSelectable, set); break;
        case 'T': SetBit(cell.state, state::kT, set); break;
        default:
            break;  // blanks, escaped and other characters mean nothing here
        }
        i += EscapedUnitLength(text, i);
    }
}

}  // namespace xtr::detail
