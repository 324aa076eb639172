// The registration functions of the list cells, one per file; all of them
// are run by RegisterListCells (map_list.cpp).
#pragma once

namespace xtr {

class CellRegistry;

void RegisterListRowNumberCells(CellRegistry& registry);
void RegisterBlockFrequencyCells(CellRegistry& registry);
void RegisterNetworkListCells(CellRegistry& registry);
void RegisterConventionalCells(CellRegistry& registry);
void RegisterListMiscCells(CellRegistry& registry);

}  // namespace xtr
