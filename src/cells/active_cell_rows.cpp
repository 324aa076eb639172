#include "cells/active_cell_rows.h"

#include "cells/cell_names.h"

#include <memory>

namespace xtr {
namespace {

constexpr ContiguousList kContiguousLists[] = {
    {1, CL_Pers5digit_chars, 0, 39, false},   // 5-digit dialling entries
    {7, CL_CallGroup_Number, 0, 15, false},   // group calls
    {8, CL_NetBlock_FreqCH, 0, 39, false},    // block frequencies
    {9, CL_Aad_Type, 0, 99, false},           // AAD entries
    {10, CL_HuntNCh, 0, 39, false},           // hunt channels
    {11, CL_Ndd_Length, 0, 3, false},         // preferred NDD entries
    {12, CL_PersConv_FreqRx, 0, 31, true},    // conventional channels
};

// The first row of the list that holds no entry, or -1 when all do.
std::int32_t FirstFreeRow(const ContiguousList& list, const CellListHooks& hooks, cmcEeprom& image)
{
    if (hooks.createRecord == nullptr) {
        return -1;
    }
    std::unique_ptr<CellRecord> probe = hooks.createRecord(image);
    if (probe == nullptr) {
        return -1;
    }
    for (std::int32_t row = list.firstRow; row <= list.lastRow; ++row) {
        probe->Load(list.slot, row);
        if (!probe->InUse()) {
            return row;
        }
    }
    return -1;
}

}  // namespace

const ContiguousList* FindContiguousList(int slot)
{
    for (const ContiguousList& list : kContiguousLists) {
        if (list.slot == slot) {
            return &list;
        }
    }
    return nullptr;
}

bool RedirectIntoContiguousList(cmcCellCapsule& rq, const CellRecord& record, const CellListHooks& hooks,
                                cmcEeprom& image)
{
    const ContiguousList* list = FindContiguousList(record.Slot());
    if (list == nullptr || rq.cell == nullptr) {
        return false;
    }
    const cmcCellObj& cell = *rq.cell;
    if (cell.cellId == list->keyCell) {
        // The key column of a row beyond the first free one: back one row.
        if (!record.Appendable() && cell.index > list->firstRow) {
            rq.RedirectTo(cell.category, cell.cellId, cell.index - 1, rq.key);
            return true;
        }
        return false;
    }
    if (record.InUse()) {
        return false;
    }
    const std::int32_t row = list->sameRow ? cell.index : FirstFreeRow(*list, hooks, image);
    if (row < 0) {
        return false;
    }
    rq.RedirectTo(cell.category, list->keyCell, row, rq.key);
    return true;
}

}  // namespace xtr
