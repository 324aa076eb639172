// States of the pop-up menu of list rows (copy, paste, carry up and down,
// clear, delete, insert) and of the placeholder item that an Edit menu
// without entries shows. The row commands themselves run in the common part
// of the dispatch; here a pop-up cell only answers key 0 with its state,
// for the list row under the cursor of the cell the menu was opened on.
#include "cells/cell_handlers.h"
#include "cells/cell_names.h"
#include "cells/lists/ch_clipboard.h"
#include "cells/lists/list_geometry.h"
#include "cells/map/map_families.h"
#include "cells/ui_seams.h"

namespace xtr::cellmap {
namespace {

void SetFlag(cmcCellObj& cell, std::uint8_t flag, bool on)
{
    cell.state = static_cast<std::uint8_t>(on ? (cell.state | flag) : (cell.state & ~flag));
}

// Always disabled; shown only as the single entry of an otherwise empty
// Edit menu.
void NoItemHandler(CellCall& call)
{
    if (call.rq.key != cellkey::kNone) {
        return;
    }
    cmcCellObj& cell = *call.rq.cell;
    SetFlag(cell, state::kDisabled, true);
    SetFlag(cell, state::kHidden, TheCellHost().EditMenuEntries() != 1);
}

// Whether row command `command` can act on the loaded row.
bool RowCommandOffered(CellCall& call, std::int32_t command)
{
    const CellRecord* record = call.record;
    if (record == nullptr) {
        return false;  // the menu was not opened on a list
    }
    const int slot = record->Slot();
    const std::int32_t row = record->Row();
    const std::int32_t highest = PopupHighestRow(slot, ListCount(call.image, slot));
    if (row < PopupLowestRow(slot) || row > highest) {
        return false;
    }
    switch (command) {
    case CL_PMenu_CarryUp:
        return row != ListFirstRow(slot);
    case CL_PMenu_CarryDown:
        return row != ListLastRow(slot);
    case CL_PMenu_Paste:
        return AppClipboard().Holds(slot);
    default:
        return true;
    }
}

void RowCommandHandler(CellCall& call)
{
    if (call.rq.key != cellkey::kNone) {
        return;
    }
    const std::int32_t command = call.Cell().cellId;
    SetFlag(*call.rq.cell, state::kDisabled, !RowCommandOffered(call, command));
}

}  // namespace

void RegisterPopupMenuCells(CellRegistry& registry)
{
    registry.Register(CL_PMenu_NoItem, NoItemHandler);
    for (std::int32_t id = CL_PMenu_Copy; id <= CL_PMenu_Insert; ++id) {
        registry.Register(id, RowCommandHandler);
    }
}

}  // namespace xtr::cellmap
