// The registration functions of the cell families, one per file.
#pragma once

namespace xtr {

class CellRegistry;

// Free labels (Flex0, FlexDtcs) and the cells that are named but not built
// yet ("%d *Yet*").
void RegisterLabelCells(CellRegistry& registry);

}  // namespace xtr
