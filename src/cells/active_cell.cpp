// The common part of every cell request; the cell's own part is looked up
// in the registry.
#include "cells/active_cell.h"

#include "cells/active_cell_rows.h"
#include "cells/cell_names.h"

#include <memory>

namespace xtr {
namespace {

bool IsRowCommand(std::int32_t command)
{
    return command >= CL_PMenu_Copy && command <= CL_PMenu_Insert;
}

// A record of list slot bound to image and loaded with row, or null when
// the cell is in no list or the row records are not available.
std::unique_ptr<CellRecord> LoadRecord(const CellListHooks& hooks, cmcEeprom& image, int slot, std::int32_t row)
{
    if (slot == 0 || hooks.createRecord == nullptr) {
        return nullptr;
    }
    std::unique_ptr<CellRecord> record = hooks.createRecord(image);
    if (record != nullptr) {
        record->Load(slot, row);
    }
    return record;
}

}  // namespace

indActiveCell::indActiveCell() : indActiveCell(TheCellHost()) {}

indActiveCell::indActiveCell(CellHost& host, const CellRegistry& registry) : host_(host), registry_(registry) {}

int indActiveCell::Dispatch(cmcCellCapsule& rq, bool notify)
{
    rq.displayText.clear();
    rq.result &= static_cast<std::uint8_t>(~(cellresult::kError | cellresult::kWarning | cellresult::kRefused));
    rq.refusal = nullptr;
    cmcCellObj* cell = rq.cell;
    if (cell == nullptr || IsNoOpCell(cell->cellId)) {
        return celleditor::kNone;
    }

    cmcEeprom& image = host_.CurrentImage();
    const CellListHooks& hooks = registry_.ListHooks();
    const int slot = cell->ListSlot();
    std::unique_ptr<CellRecord> record = LoadRecord(hooks, image, slot, cell->index);

    rq.redirectCategory = cell->category;
    rq.redirectCellId = cell->cellId;
    rq.redirectIndex = cell->index;
    const bool keyGiven = rq.key != cellkey::kNone;
    if (rq.key == cellkey::kActivate) {
        rq.key = cellkey::kEnter;
    }

    CellCall call{rq, image, host_.SelectionLists()};
    call.record = record.get();
    bool runCell = true;

    const std::int32_t popup = rq.popupCommand;
    if (popup == CL_PMenu_Edit) {
        // "Edit" on a cell is Enter on the same cell.
        rq.popupCommand = 0;
        rq.key = cellkey::kEnter;
    } else if (popup != 0) {
        if (IsRowCommand(popup) && record != nullptr && hooks.popupCommand != nullptr) {
            hooks.popupCommand(call, popup);
        }
        runCell = false;
    }

    // A pop-up menu acts on the row under the cursor of the cell it was
    // opened on.
    if (cell->category == CT_PopupMenu && rq.owner != nullptr && rq.owner->cell != nullptr &&
        rq.owner->cell->cellId != kCellNone) {
        const cmcCellObj& ownerCell = *rq.owner->cell;
        record = LoadRecord(hooks, image, ownerCell.ListSlot(), ownerCell.index);
        call.record = record.get();
    }

    if (runCell && slot != 0 && record != nullptr && cellkey::IsArrow(rq.key) &&
        RedirectIntoContiguousList(rq, *record, hooks, image)) {
        runCell = false;
    }

    if (runCell) {
        if (const CellBinding* binding = registry_.Find(cell->cellId)) {
            call.data = binding->data;
            binding->handler(call);
        }
    }

    std::uint32_t scope = popup != 0 ? (cellscope::kThisCell | cellscope::kEveryCell) : cellscope::kThisCell;
    if (call.record != nullptr) {
        scope |= cellscope::kSameRow;
    }
    scope |= call.scopeAdded;
    if (call.scopeSet) {
        scope = call.scopeReplaced;
    }
    if (notify && rq.changeNotify != nullptr) {
        rq.changeNotify(rq.changeContext, rq, scope);
    }

    if (keyGiven || rq.commitMode != cellcommit::kNone || popup != 0) {
        host_.ImageChanged();
    }
    return call.editorKind;
}

int indActiveCell::RunCell(cmcCellObj& cell, std::int32_t key)
{
    cmcCellCapsule rq;
    rq.cell = &cell;
    rq.key = key;
    return Dispatch(rq, false);
}

std::uint8_t indActiveCell::ResultOf(std::uint32_t category, std::int32_t cellId, std::int32_t index)
{
    cmcCellObj cell;
    cell.category = category;
    cell.cellId = cellId;
    cell.index = index;
    cmcCellCapsule rq;
    rq.cell = &cell;
    Dispatch(rq, false);
    return rq.result;
}

bool indActiveCell::ErrorOf(std::uint32_t category, std::int32_t cellId, std::int32_t index)
{
    return (ResultOf(category, cellId, index) & cellresult::kError) != 0;
}

bool indActiveCell::WarningOf(std::uint32_t category, std::int32_t cellId, std::int32_t index)
{
    return (ResultOf(category, cellId, index) & cellresult::kWarning) != 0;
}

}  // namespace xtr
