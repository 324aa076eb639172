// cmcCellObj: one cell placed on a sheet, in a menu, on the tool bar, in a
// pop-up menu or in the tree. It says which cell it is (category, id, row
// index, parameter) and how it looks (alignment, colour, font, caption);
// most of it comes from a template cell and the cell's description text.
#pragma once

#include "cells/categories.h"
#include "cells/cell_names.h"
#include "cells/colors.h"
#include "cells/font_desc.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace xtr {

// The ten counters of a sheet, written @ch0 to @ch9 in descriptions.
using CellCounters = std::array<std::int32_t, 10>;

// Look bits: how the grid draws the cell.
namespace look {
inline constexpr std::uint8_t kAlignMask = 0x03;  // 0 left, 1 centre, 2 right
inline constexpr std::uint8_t kPlaceMask = 0x0C;  // vertical placement 0, 1, 2
inline constexpr int kPlaceShift = 2;
inline constexpr std::uint8_t kW = 0x10;  // column widens to the caption
inline constexpr std::uint8_t kH = 0x20;  // row heightens to the caption
inline constexpr std::uint8_t kPlus = 0x40;
inline constexpr std::uint8_t kB = 0x80;
}  // namespace look

// State bits: what the cell allows; bits 2 to 5 are Flag0 to Flag3, which
// the dispatch recomputes for menu and tool-bar cells.
namespace state {
inline constexpr std::uint8_t kSelectable = 0x01;  // S: the cursor may stop here
inline constexpr std::uint8_t kT = 0x02;
inline constexpr std::uint8_t kChecked = 0x04;          // Flag0
inline constexpr std::uint8_t kHidden = 0x08;           // Flag1
inline constexpr std::uint8_t kDisabled = 0x10;         // Flag2
inline constexpr std::uint8_t kCaptionFromCell = 0x20;  // Flag3
inline constexpr std::uint8_t kDescribed = 0x3F;        // bits set by descriptions
}  // namespace state

class cmcCellObj {
public:
    // The cell whose settings this one starts from, or null.
    const cmcCellObj* templateCell = nullptr;
    // The owning sheet's counters while a description is parsed, else null.
    CellCounters* counters = nullptr;
    std::uint32_t category = kCategoryNone;
    std::int32_t cellId = kCellNone;
    std::int32_t index = 0;  // row of the category's list
    // Per-cell argument from the ":" suffix of the cell reference (the sheet
    // that CallSheet opens, the tree entry a check marks...).
    std::optional<std::string> parameter;
    std::int32_t imageIndex = -1;  // menu or tool-bar image, -1 none
    std::uint8_t look = 0;
    std::uint8_t state = 0;
    Color color = kColorWindow;  // background
    // Own font, or null to use the template's (or the grid's).
    std::optional<FontDesc> font;
    std::optional<std::string> popupMenu;  // overlay menu opened on the cell
    std::optional<std::string> caption;    // label text

    // Starts the cell afresh from templ (or from nothing): the template's
    // fields are copied, its parameter and caption included, but not its
    // font and pop-up menu. Without a template the cell is as new.
    void Reset(const cmcCellObj* templ);

    // The caption, "" when there is none.
    const std::string& Caption() const;

    // The font to draw with: the cell's own or the nearest template's; null
    // when none in the chain has one (the grid's font applies).
    const FontDesc* EffectiveFont() const;

    int Alignment() const { return look & look::kAlignMask; }
    int Placement() const { return (look & look::kPlaceMask) >> look::kPlaceShift; }
    bool IsSelectable() const { return (state & state::kSelectable) != 0; }
    // The list of the memory image that index selects (0: none).
    int ListSlot() const { return CategoryListSlot(category); }
};

}  // namespace xtr
