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

// A new answer starts without text and without the error and warning bits
// of the last one; the caller's own bits stay.
void ClearAnswer(cmcCellCapsule& rq)
{
    rq.displayText.clear();
    rq.result &= static_cast<std::uint8_t>(~(cellresult::kError | cellresult::kWarning | cellresult::kRefused));
    rq.refusal = nullptr;
}

// Until a step sends the cursor elsewhere, the redirect names the cell
// itself.
void RedirectToItself(cmcCellCapsule& rq, const cmcCellObj& cell)
{
    rq.redirectCategory = cell.category;
    rq.redirectCellId = cell.cellId;
    rq.redirectIndex = cell.index;
}

// Whether the request came with a key; a mouse activation becomes Enter.
bool TakeKey(cmcCellCapsule& rq)
{
    const bool keyGiven = rq.key != cellkey::kNone;
    if (rq.key == cellkey::kActivate) {
        rq.key = cellkey::kEnter;
    }
    return keyGiven;
}

// Runs the request's pop-up command; whether the cell's own part is still
// to run. "Edit" on a cell is Enter on the same cell; a row command acts on
// the loaded row through the list hooks; any other command ends here.
bool TakePopupCommand(CellCall& call, const CellListHooks& hooks, std::int32_t popup)
{
    cmcCellCapsule& rq = call.rq;
    if (popup == 0) {
        return true;
    }
    if (popup == CL_PMenu_Edit) {
        rq.popupCommand = 0;
        rq.key = cellkey::kEnter;
        return true;
    }
    if (IsRowCommand(popup) && call.record != nullptr && hooks.popupCommand != nullptr) {
        hooks.popupCommand(call, popup);
    }
    return false;
}

// A pop-up menu acts on the row under the cursor of the cell it was opened
// on: that row replaces the menu cell's own (which it has none of).
void TakeOwnerRow(CellCall& call, std::unique_ptr<CellRecord>& record, const CellListHooks& hooks)
{
    const cmcCellCapsule& rq = call.rq;
    if (rq.cell->category != CT_PopupMenu || rq.owner == nullptr || rq.owner->cell == nullptr ||
        rq.owner->cell->cellId == kCellNone) {
        return;
    }
    const cmcCellObj& ownerCell = *rq.owner->cell;
    record = LoadRecord(hooks, call.image, ownerCell.ListSlot(), ownerCell.index);
    call.record = record.get();
}

// An arrow key on a list row that may not be used yet sends the cursor to
// where the list's next entry is made, instead of reaching the cell. The
// slot is the cell's own; the record may be the row under a pop-up menu.
bool ArrowRedirected(CellCall& call, int slot, const CellRecord* record, const CellListHooks& hooks)
{
    return slot != 0 && record != nullptr && cellkey::IsArrow(call.rq.key) &&
           RedirectIntoContiguousList(call.rq, *record, hooks, call.image);
}

// The cells to repaint: the cell, every cell after a pop-up command, its row
// in a list, then what the cell's own part added or put instead.
std::uint32_t RepaintScope(const CellCall& call, std::int32_t popup)
{
    std::uint32_t scope = popup != 0 ? (cellscope::kThisCell | cellscope::kEveryCell) : cellscope::kThisCell;
    if (call.record != nullptr) {
        scope |= cellscope::kSameRow;
    }
    scope |= call.scopeAdded;
    if (call.scopeSet) {
        scope = call.scopeReplaced;
    }
    return scope;
}

}  // namespace

indActiveCell::indActiveCell() : indActiveCell(TheCellHost()) {}

indActiveCell::indActiveCell(CellHost& host, const CellRegistry& registry) : host_(host), registry_(registry) {}

// Route (the row, the key, the pop-up command, the cursor's redirect), run
// the cell's own part, report (repaint criteria, image changed).
int indActiveCell::Dispatch(cmcCellCapsule& rq, bool notify)
{
    ClearAnswer(rq);
    cmcCellObj* cell = rq.cell;
    if (cell == nullptr || IsNoOpCell(cell->cellId)) {
        return celleditor::kNone;
    }

    cmcEeprom& image = host_.CurrentImage();
    const CellListHooks& hooks = registry_.ListHooks();
    const int slot = cell->ListSlot();
    std::unique_ptr<CellRecord> record = LoadRecord(hooks, image, slot, cell->index);
    RedirectToItself(rq, *cell);
    const bool keyGiven = TakeKey(rq);

    CellCall call{rq, image, host_.SelectionLists()};
    call.record = record.get();
    const std::int32_t popup = rq.popupCommand;
    bool runCell = TakePopupCommand(call, hooks, popup);
    TakeOwnerRow(call, record, hooks);
    if (runCell && ArrowRedirected(call, slot, record.get(), hooks)) {
        runCell = false;
    }

    if (runCell) {
        RunOwnPart(call);
    }

    Report(call, notify, keyGiven || rq.commitMode != cellcommit::kNone || popup != 0, RepaintScope(call, popup));
    return call.editorKind;
}

void indActiveCell::RunOwnPart(CellCall& call)
{
    if (const CellBinding* binding = registry_.Find(call.Cell().cellId)) {
        call.data = binding->data;
        binding->handler(call);
    }
}

// A request that brought a key, an edit or a pop-up command may have changed
// the image.
void indActiveCell::Report(CellCall& call, bool notify, bool mayHaveChanged, std::uint32_t scope)
{
    cmcCellCapsule& rq = call.rq;
    if (notify && rq.changeNotify != nullptr) {
        rq.changeNotify(rq.changeContext, rq, scope);
    }
    if (mayHaveChanged) {
        host_.ImageChanged();
    }
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
