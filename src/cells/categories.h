// Cell categories: which list of the memory image a cell's row index
// selects. A category is named in cell descriptions (CT_Conv.CL_...) and
// resolved through the shared cell name table.
#pragma once

#include <cstdint>
#include <string_view>

namespace xtr {

enum CellCategory : std::uint32_t {
    CT_Null = 0,
    CT_PopupMenu = 1,  // takes the list of the cell the menu was opened on
    CT_5Digit = 2,
    CT_CRange_I = 3,
    CT_CRange_G = 4,
    CT_SysMess = 5,
    CT_DirM = 6,
    CT_StCall = 7,
    CT_Groups = 8,
    CT_BlockFreq = 9,
    CT_Aad = 10,
    CT_HuntCh = 11,
    CT_PrefNdd = 12,
    CT_Conv = 13,
    CT_Scrm = 14,
    CT_CEdit = 15,
};

inline constexpr std::uint32_t kCategoryCount = 16;
// The category number of a cell that has none.
inline constexpr std::uint32_t kCategoryNone = 16;
// Number of image lists a category can select (slots 1 to 14; 0 is none).
inline constexpr int kListSlotCount = 15;

// "CT_Conv" and so on; "" for kCategoryNone or any other number.
std::string_view CategoryName(std::uint32_t category);

// The category of a name: 0..15, kCategoryNone for an empty name. Any other
// name is not a category and is fatal ("Cannot use the specified category.").
std::uint32_t CategoryOfName(std::string_view name);

// The same for a name typed by a user: false, and category untouched, for a
// name that is no category's (never fatal).
bool FindCategoryName(std::string_view name, std::uint32_t& category);

// The image list a category selects: the category number minus 1 for
// categories 2 to 15, 0 (no list) for 0, 1 and kCategoryNone. A number
// outside 0..16 is fatal ("Unknown Cell Category. (%d)").
int CategoryListSlot(std::uint32_t category);

}  // namespace xtr
