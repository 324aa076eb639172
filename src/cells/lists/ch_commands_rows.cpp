// The row commands that refill rows from the reference image: clear,
// delete (later rows move up, the freed rows at the end are refilled) and
// insert (later rows move down, the inserted rows are refilled). They are
// offered only on the lists whose rows may be edited this way.
//
// On a packed list the count follows the entries: deleting removes only the
// rows that held entries from the count, and inserting adds rows to it only
// where they land among (or right after) the entries, never beyond the rows
// the list has. Counting the deleted or inserted rows alone would drop the
// last entry when a free row is deleted, and make free rows count as
// entries when rows are inserted further down.
#include "cells/lists/ch_commands.h"

#include "cells/lists/ch_record.h"
#include "cells/codecs/codec_confirm.h"
#include "cells/lists/list_geometry.h"
#include "image/eeprom.h"

#include <algorithm>

namespace xtr {
namespace {

bool Confirmed(const char* messageKey)
{
    return Confirm(messageKey) == MsgResult::Ok;
}

// Loads the cell's row again and stores it with a new count.
void StoreCount(datCh& ch, std::int32_t count)
{
    ch.Reload();
    ch.count = std::clamp(count, 0, GeometryOf(ch.Slot()).lastRow + 1);
    ch.Store();
}

}  // namespace

void RowClear(RowCommandArgs& a)
{
    const int slot = a.ch.Slot();
    std::int32_t r1 = 0;
    std::int32_t r2 = 0;
    if (!ListEditRows(slot) || !rowcmd::Range(a, r1, r2)) {
        return;
    }
    if (!Confirmed("GI_AppMess_Conv_Clear")) {
        return;
    }
    rowcmd::MoveRows(a.world.reference(), *a.ch.image, slot, r1, r1, r2 - r1 + 1);
    for (std::int32_t row = r1; row <= r2; ++row) {
        rowcmd::AnnounceRow(row);
    }
    rowcmd::ReportDone("GI_AppMess_S_Clear");
}

void RowDelete(RowCommandArgs& a)
{
    const int slot = a.ch.Slot();
    std::int32_t r1 = 0;
    std::int32_t r2 = 0;
    if (!ListEditRows(slot) || !rowcmd::Range(a, r1, r2)) {
        return;
    }
    cmcEeprom& image = *a.ch.image;
    if (rowcmd::AnyInUse(image, slot, r1, r2) && !Confirmed("GI_AppMess_Conv_Delete")) {
        return;
    }
    const std::int32_t n = r2 - r1 + 1;
    const bool packed = GeometryOf(slot).Packed();
    const std::int32_t count = packed ? ListCount(image, slot) : 0;

    if (r2 < a.hi) {
        rowcmd::MoveRows(image, image, slot, r2 + 1, r1, a.hi - r2);
    }
    if (packed) {
        const std::int32_t entriesDeleted = std::max(0, std::min(r2, count - 1) - r1 + 1);
        StoreCount(a.ch, count - entriesDeleted);
    }
    rowcmd::MoveRows(a.world.reference(), image, slot, a.hi - n + 1, a.hi - n + 1, n);

    ClearRowSelection(a.rq);
    const cmcCellObj& cell = *a.rq.cell;
    a.rq.RedirectTo(cell.category, cell.cellId, r1, cellkey::kNone);
    rowcmd::AnnounceAll();
    rowcmd::ReportDone("GI_AppMess_S_Delete");
}

void RowInsert(RowCommandArgs& a)
{
    const int slot = a.ch.Slot();
    std::int32_t r1 = 0;
    std::int32_t r2 = 0;
    if (!ListEditRows(slot) || !rowcmd::Range(a, r1, r2)) {
        return;
    }
    cmcEeprom& image = *a.ch.image;
    const std::int32_t n = r2 - r1 + 1;
    // The last n rows are pushed out of the list.
    if (rowcmd::AnyInUse(image, slot, a.hi - n + 1, a.hi) && !Confirmed("GI_AppMess_Conv_Overflow")) {
        return;
    }
    const bool packed = GeometryOf(slot).Packed();
    const std::int32_t count = packed ? ListCount(image, slot) : 0;

    if (r2 < a.hi) {
        rowcmd::MoveRows(image, image, slot, r1, r2 + 1, a.hi - r2);
    }
    if (packed && r1 <= count) {
        StoreCount(a.ch, count + n);
    }
    rowcmd::MoveRows(a.world.reference(), image, slot, r1, r1, n);

    rowcmd::AnnounceAll();
    SelectRows(a.rq, r1, r2);
    rowcmd::ReportDone("GI_AppMess_S_Insert");
}

}  // namespace xtr
