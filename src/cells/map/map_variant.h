// Cells that belong to one numbering variant of the radio. The Cps firmware
// has settings the Mpt firmware lacks (every cell whose name ends in
// "_Cps"), and the inter-fleet calls exist only in the Mpt firmware. In the
// other variant such a cell shows "GI_AppInd_CpsOnly" or "GI_AppInd_MptOnly"
// in the indication colour and takes neither keys nor entries.
//
// Every family calls VariantRefuses at the top of its handler; the rule
// itself is decided here, from the cell id, once for all families.
#pragma once

#include "cells/cell_handlers.h"

#include <cstdint>

namespace xtr {

enum class CellVariant { Both, CpsOnly, MptOnly };

// The variant a cell works in.
CellVariant VariantOf(std::int32_t cellId);

// The numbering variant of this run is Cps (setting ModelType 1).
bool CpsVariant();

// For a cell of the other variant: shows the indication text and returns
// true; the handler must then leave the request alone. false otherwise.
bool VariantRefuses(CellCall& call);

}  // namespace xtr
