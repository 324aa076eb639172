#include "cells/cell_names.h"

#include <array>

namespace xtr {
namespace {

constexpr std::array<std::int32_t, kCellCount> kTableIds{{
#define XTR_CELL(id, name) id,
#include "cells/cell_names_table.h"
#undef XTR_CELL
}};

constexpr std::array<std::string_view, kCellCount> kTableNames{{
#define XTR_CELL(id, name) #name,
#include "cells/cell_names_table.h"
#undef XTR_CELL
}};

// A line missing or doubled in the table shifts every id after it; the
// written-out ids catch that at compile time.
constexpr bool IdsFollowPositions()
{
    for (std::size_t i = 0; i < kTableIds.size(); ++i) {
        if (kTableIds[i] != static_cast<std::int32_t>(i)) {
            return false;
        }
    }
    return true;
}
static_assert(IdsFollowPositions(), "cell table ids must equal their positions");
static_assert(CL_Menu_Clone_Options == kCellCount - 1, "the cell table must end at its last id");

}  // namespace

std::string_view CellName(std::int32_t id)
{
    return id >= 0 && id < kCellCount ? kTableNames[static_cast<std::size_t>(id)] : std::string_view();
}

bool FindCellName(std::string_view name, std::int32_t& id)
{
    for (std::int32_t n = 0; n < kCellCount; ++n) {
        if (CellName(n) == name) {
            id = n;
            return true;
        }
    }
    return false;
}

}  // namespace xtr
