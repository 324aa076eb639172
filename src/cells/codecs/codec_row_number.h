// Row numbers of the packed lists: rows in use show their number, the first
// free row shows where the next entry goes (item 0 of "GI_AppInd_OutofCh",
// in yellow), the rows after it item 1 of that key.
#pragma once

#include "cells/cell_capsule.h"

#include <cstdint>

namespace xtr {

// first: the number of row 0; count: the rows in use; row: this row.
void CodecRowNumber(cmcCellCapsule& rq, std::int32_t first, std::int32_t count, std::int32_t row);

}  // namespace xtr
