// The small records of a sheet: one row attribute per grid row (which
// layout line the row shows, whether it takes part in multi-selection) and
// one cell slot per grid position (the cell object placed there and its
// selection bits).
#pragma once

#include "cells/cell_obj.h"

#include <cstdint>
#include <vector>

namespace xtr {

struct clsSheeRowAtr {
    std::int32_t line = 0;    // layout line the row shows
    bool selectable = true;   // may take part in multi-selection
};

// The growable row table. Reading or writing entry i makes room for it
// first: the capacity becomes i + i / 2 + 1 once it is not above i, and
// the new entries show line 0 and are selectable.
class clsSheetRowTable {
public:
    clsSheeRowAtr& At(std::int32_t i);
    std::int32_t Capacity() const { return static_cast<std::int32_t>(rows_.size()); }

private:
    std::vector<clsSheeRowAtr> rows_;
};

namespace slotbit {
inline constexpr std::uint8_t kMayMultiSelect = 0x01;
inline constexpr std::uint8_t kSelected = 0x02;    // part of the multi-selection
inline constexpr std::uint8_t kLineMarked = 0x04;  // its row holds a selected cell ("Line" mode)
}  // namespace slotbit

struct clsSheetCellId {
    // Every slot has a cell; beyond the end of a short row it stays empty:
    // no cell id, not selectable.
    cmcCellObj cell;
    std::uint8_t bits = slotbit::kMayMultiSelect;

    bool MayMultiSelect() const { return (bits & slotbit::kMayMultiSelect) != 0; }
    bool Selected() const { return (bits & slotbit::kSelected) != 0; }
    bool LineMarked() const { return (bits & slotbit::kLineMarked) != 0; }
    void SetBit(std::uint8_t bit, bool on) { bits = on ? (bits | bit) : (bits & static_cast<std::uint8_t>(~bit)); }
};

}  // namespace xtr
