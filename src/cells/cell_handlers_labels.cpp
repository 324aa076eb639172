// Cells that show text without touching the image: the free labels, whose
// text is their own caption from the description, and the cells that have a
// name but no behaviour yet, which show their id followed by "*Yet*".
#include "app/text_util.h"
#include "cells/cell_handlers_families.h"
#include "cells/cell_handlers.h"
#include "cells/cell_names.h"

namespace xtr {
namespace {

void ShowCaption(CellCall& call)
{
    call.rq.displayText = call.Cell().Caption();
}

void ShowNotYet(CellCall& call)
{
    call.rq.displayText = Format("%d *Yet*", call.Cell().cellId);
}

}  // namespace

void RegisterLabelCells(CellRegistry& registry)
{
    registry.Register(Flex0, ShowCaption);
    registry.Register(FlexDtcs, ShowCaption);
    for (std::int32_t id = 0; id < kCellCount; ++id) {
        if (IsYetCell(id)) {
            registry.Register(id, ShowNotYet);
        }
    }
}

}  // namespace xtr
