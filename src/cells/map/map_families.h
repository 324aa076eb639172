// The families of the image map outside the lists, each binding its cells
// from a table of its own file. RegisterImageMapCells (cell_handlers_
// families.h) runs them all.
#pragma once

namespace xtr {

class CellRegistry;

namespace cellmap {

void RegisterMenuCells(CellRegistry& registry);
void RegisterPopupMenuCells(CellRegistry& registry);
void RegisterSelectionCells(CellRegistry& registry);
void RegisterCallOptionCells(CellRegistry& registry);
void RegisterSetModeCells(CellRegistry& registry);
void RegisterIntegerCells(CellRegistry& registry);
void RegisterNetworkCells(CellRegistry& registry);
void RegisterMptTimerCells(CellRegistry& registry);
void RegisterTimerCells(CellRegistry& registry);
void RegisterFixedPointCells(CellRegistry& registry);
void RegisterMiscCells(CellRegistry& registry);
void RegisterCloneInfoCells(CellRegistry& registry);

}  // namespace cellmap
}  // namespace xtr
