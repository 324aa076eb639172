// The cells of the image's lists: the row record and the pop-up row
// commands go into the dispatch as its list hooks, and every list column is
// bound to its handler.
#include "cells/cell_handlers.h"
#include "cells/cell_handlers_families.h"
#include "cells/lists/ch_commands.h"
#include "cells/lists/ch_record.h"
#include "cells/map/map_list_families.h"

namespace xtr {

void RegisterListCells(CellRegistry& registry)
{
    CellListHooks hooks;
    hooks.createRecord = CreateChRecord;
    hooks.popupCommand = RunRowCommand;
    registry.SetListHooks(hooks);

    RegisterListRowNumberCells(registry);
    RegisterBlockFrequencyCells(registry);
    RegisterNetworkListCells(registry);
    RegisterConventionalCells(registry);
    RegisterListMiscCells(registry);
}

}  // namespace xtr
