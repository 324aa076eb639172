// The name of one setting as the text files and comparisons write it: the
// cell's name, with its category and row for a cell of a list
// ("CT_Conv.CL_PersConv_FreqRx[3]", "CL_Comm_TOTTimer"). Parsing never ends
// the program: a name typed by a user that names no cell is an answer.
#pragma once

#include "cells/cell_names.h"

#include <cstdint>
#include <string>

namespace xtr {

class cmcCellObj;

struct SettingRef {
    std::uint32_t category = 16;  // no category
    std::int32_t cellId = kCellNone;
    std::int32_t index = 0;

    bool operator==(const SettingRef&) const = default;
    auto operator<=>(const SettingRef&) const = default;
};

SettingRef RefOf(const cmcCellObj& cell);
void MakeSettingCell(const SettingRef& ref, cmcCellObj& cell);

// "CATEGORY.CELL[row]" for a cell of a list, "CELL" otherwise.
std::string FormatSettingRef(const SettingRef& ref);

// False, with the reason in error, for an unknown category or cell, a
// malformed row or a row the cell's list does not have.
bool ParseSettingRef(const std::string& text, SettingRef& ref, std::string& error);

}  // namespace xtr
