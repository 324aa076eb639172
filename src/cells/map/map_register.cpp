// Binds the families of the image map outside the lists.
#include "cells/cell_handlers_families.h"
#include "cells/map/map_families.h"

namespace xtr {

void RegisterImageMapCells(CellRegistry& registry)
{
    cellmap::RegisterMenuCells(registry);
    cellmap::RegisterPopupMenuCells(registry);
    cellmap::RegisterSelectionCells(registry);
    cellmap::RegisterCallOptionCells(registry);
    cellmap::RegisterSetModeCells(registry);
    cellmap::RegisterIntegerCells(registry);
    cellmap::RegisterNetworkCells(registry);
    cellmap::RegisterMptTimerCells(registry);
    cellmap::RegisterTimerCells(registry);
    cellmap::RegisterFixedPointCells(registry);
    cellmap::RegisterMiscCells(registry);
    cellmap::RegisterCloneInfoCells(registry);
}

}  // namespace xtr
