// Cell names and ids. Every setting, menu command, tool button and label is
// a cell, named in the overlay's descriptions (CL_Comm_TOTTimer) and known
// to the program by its id, the position of its name in the cell table.
#pragma once

#include <cstdint>
#include <string_view>

namespace xtr {

enum CellId : std::int32_t {
#define XTR_CELL(id, name) name = id,
#include "cells/cell_names_table.h"
#undef XTR_CELL
};

inline constexpr std::int32_t kCellCount = 408;
// The cell id of a place that holds no cell: the first id after the table.
inline constexpr std::int32_t kCellNone = kCellCount;

// The name of a cell id; "" for kCellNone or any other number.
std::string_view CellName(std::int32_t id);

// The id of a cell name: 0..kCellCount - 1, kCellNone for an empty name. Any other name
// (letter case counts) is fatal ("Cannot use the specified cell.").
std::int32_t CellIdOfName(std::string_view name);

// The same for a name typed by a user: false, and id untouched, for a name
// that is no cell's (never fatal).
bool FindCellName(std::string_view name, std::int32_t& id);

// Cells that are named but have no behaviour yet: a request for one shows
// "%d *Yet*" with its id.
bool IsYetCell(std::int32_t id);

// Cells that answer every request with nothing: no effect and an empty
// display text (kCellNone among them).
bool IsNoOpCell(std::int32_t id);

}  // namespace xtr
