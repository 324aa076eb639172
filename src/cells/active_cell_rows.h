// Lists whose entries must stay together: the packed lists (rows 0 to
// count-1 in use, a new entry only at row count), the block frequencies
// (kept sorted from row 0) and the conventional channels, whose unused rows
// are entered through their receive frequency. The cursor is kept out of
// the unused rows of these lists.
#pragma once

#include "cells/cell_capsule.h"
#include "cells/cell_handlers.h"

#include <cstdint>

namespace xtr {

struct ContiguousList {
    int slot;
    std::int32_t keyCell;  // the column through which an entry is made
    std::int32_t firstRow;
    std::int32_t lastRow;
    bool sameRow;  // an unused row is entered on itself, not on the first free row
};

// The list of slot, or null when its rows may be used in any order.
const ContiguousList* FindContiguousList(int slot);

// Called with an arrow key on a cell of a list whose row is loaded in
// record. When the cell's row may not be used yet, sets the request's
// redirect to the cell where the entry has to be made (keeping the key) and
// returns true.
bool RedirectIntoContiguousList(cmcCellCapsule& rq, const CellRecord& record, const CellListHooks& hooks,
                                cmcEeprom& image);

}  // namespace xtr
