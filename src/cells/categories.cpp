#include "cells/categories.h"

#include "app/fatal.h"
#include "app/text_util.h"

#include <array>

namespace xtr {
namespace {

struct CategoryRow {
    std::string_view name;
    int listSlot;
};

// Category number = position; the list slot is the list of the memory image
// whose row the cell's index picks.
constexpr std::array<CategoryRow, kCategoryCount + 1> kCategories{{
    {"CT_Null", 0},
    {"CT_PopupMenu", 0},
    {"CT_5Digit", 1},      // 5-digit dialling entries
    {"CT_CRange_I", 2},    // individual call range
    {"CT_CRange_G", 3},    // group call range
    {"CT_SysMess", 4},     // system message texts
    {"CT_DirM", 5},        // directory memories
    {"CT_StCall", 6},      // status calls
    {"CT_Groups", 7},      // group calls
    {"CT_BlockFreq", 8},   // block frequencies
    {"CT_Aad", 9},         // AAD entries
    {"CT_HuntCh", 10},     // hunt channels
    {"CT_PrefNdd", 11},    // preferred NDD entries
    {"CT_Conv", 12},       // conventional channels
    {"CT_Scrm", 13},       // scrambler codes
    {"CT_CEdit", 14},      // user-defined display characters
    {"", 0},               // kCategoryNone
}};

}  // namespace

std::string_view CategoryName(std::uint32_t category)
{
    return category < kCategoryCount ? kCategories[category].name : std::string_view();
}

int CategoryListSlot(std::uint32_t category)
{
    if (category > kCategoryNone) {
        // Only a broken caller passes such a number; reading past the table
        // would give an arbitrary list, so the program stops here.
        Fatal(Format("Unknown Cell Category. (%d)", static_cast<int>(category)));
    }
    return kCategories[category].listSlot;
}

bool FindCategoryName(std::string_view name, std::uint32_t& category)
{
    for (std::uint32_t n = 0; n < kCategoryCount; ++n) {
        if (CategoryName(n) == name) {
            category = n;
            return true;
        }
    }
    return false;
}

}  // namespace xtr
