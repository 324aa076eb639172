// The row selection in the caller block, what the row commands share, the
// pop-up command hook, and the commands that copy and move rows (copy,
// paste, carry up and down). Clear, delete and insert are in
// ch_commands_rows.cpp.
#include "cells/lists/ch_commands.h"

#include "app/events.h"
#include "app/globals.h"
#include "cells/cell_names.h"
#include "cells/lists/ch_clipboard.h"
#include "cells/lists/ch_record.h"
#include "cells/codecs/codec_confirm.h"
#include "cells/lists/list_geometry.h"
#include "cells/ui_seams.h"
#include "image/eeprom.h"
#include "overlay/gtex.h"

#include <algorithm>

namespace xtr {
namespace {

constexpr std::size_t kSelFlags = 0;
constexpr std::size_t kSelFirst = 4;
constexpr std::size_t kSelLast = 8;

std::int32_t GetInt(const cmcCellCapsule& rq, std::size_t at)
{
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        v |= static_cast<std::uint32_t>(rq.callerBlock[at + i]) << (8 * i);
    }
    return static_cast<std::int32_t>(v);
}

void PutInt(cmcCellCapsule& rq, std::size_t at, std::int32_t value)
{
    const auto v = static_cast<std::uint32_t>(value);
    for (std::size_t i = 0; i < 4; ++i) {
        rq.callerBlock[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    }
}

// The status-call list remembers its query status by row number; when rows
// are carried, the number goes with its row.
void FollowQueryRow(cmcEeprom& image, std::int32_t r1, std::int32_t r2, int step)
{
    const std::int32_t query = image.GetByte(kQueryRowAddress);
    std::int32_t moved = query;
    if (query >= r1 && query <= r2) {
        moved = query + step;
    } else if (query == (step > 0 ? r2 + 1 : r1 - 1)) {
        moved = step > 0 ? r1 : r2;
    }
    if (moved != query) {
        image.SetByte(kQueryRowAddress, static_cast<std::uint8_t>(moved));
    }
}

cmcEeprom& HostReferenceImage()
{
    return TheCellHost().ReferenceImage();
}

}  // namespace

RowSelection RowSelectionOf(const cmcCellCapsule& rq)
{
    RowSelection sel;
    sel.active = (rq.callerBlock[kSelFlags] & rowsel::kActive) != 0;
    sel.first = GetInt(rq, kSelFirst);
    sel.last = GetInt(rq, kSelLast);
    return sel;
}

void SelectRows(cmcCellCapsule& rq, std::int32_t first, std::int32_t last)
{
    rq.callerBlock[kSelFlags] |= rowsel::kSelect;
    PutInt(rq, kSelFirst, first);
    PutInt(rq, kSelLast, last);
}

void ClearRowSelection(cmcCellCapsule& rq)
{
    rq.callerBlock[kSelFlags] &= static_cast<std::uint8_t>(~rowsel::kSelect);
}

void PutRowSelection(cmcCellCapsule& rq, std::int32_t first, std::int32_t last)
{
    rq.callerBlock[kSelFlags] |= rowsel::kActive;
    PutInt(rq, kSelFirst, std::min(first, last));
    PutInt(rq, kSelLast, std::max(first, last));
}

namespace rowcmd {

bool Range(const RowCommandArgs& a, std::int32_t& r1, std::int32_t& r2)
{
    const std::int32_t current = a.ch.Row();
    if (current < a.lo || current > a.hi) {
        return false;
    }
    const RowSelection sel = RowSelectionOf(a.rq);
    if (sel.active) {
        r1 = std::max(std::min(sel.first, sel.last), a.lo);
        r2 = std::min(std::max(sel.first, sel.last), a.hi);
    } else {
        r1 = current;
        r2 = current;
    }
    return r1 <= r2;
}

bool AnyInUse(cmcEeprom& image, int slot, std::int32_t r1, std::int32_t r2)
{
    datCh probe(image);
    for (std::int32_t row = r1; row <= r2; ++row) {
        probe.Load(slot, row);
        if (probe.InUse()) {
            return true;
        }
    }
    return false;
}

void MoveRows(cmcEeprom& from, cmcEeprom& to, int slot, std::int32_t source, std::int32_t target, std::int32_t number)
{
    if (number <= 0) {
        return;
    }
    datClipCh moving;
    moving.Copy(from, slot, source, number);
    moving.Paste(to, slot, target, number);
}

void ReportDone(const char* messageKey)
{
    if (HasEvMan()) {
        EvMan().SendText(kEvStatusText, kClWindowText, static_cast<std::int32_t>(kClBtnFace),
                         GTex().FirstLine(messageKey));
    }
}

void AnnounceRow(std::int32_t row)
{
    if (HasEvMan()) {
        EvMan().Send(kEvRepaintIndex, 0, row);
    }
}

void AnnounceAll()
{
    if (HasEvMan()) {
        EvMan().Send(kEvRepaintAll, 0, 0);
    }
}

}  // namespace rowcmd

void RowCopy(RowCommandArgs& a)
{
    std::int32_t r1 = 0;
    std::int32_t r2 = 0;
    if (!rowcmd::Range(a, r1, r2)) {
        return;
    }
    cmcEeprom& image = *a.ch.image;
    a.world.clipboard.Copy(image, a.ch.Slot(), r1, r2 - r1 + 1);
    SelectRows(a.rq, r1, r2);
    rowcmd::ReportDone("GI_AppMess_S_Copy");
}

void RowPaste(RowCommandArgs& a)
{
    const std::int32_t d = a.ch.Row();
    const int slot = a.ch.Slot();
    datClipCh& clipboard = a.world.clipboard;
    if (d < a.lo || d > a.hi || !clipboard.Holds(slot)) {
        return;
    }
    const std::int32_t n = std::min(clipboard.Count(), a.hi - d + 1);
    if (n <= 0) {
        return;
    }
    cmcEeprom& image = *a.ch.image;
    if (rowcmd::AnyInUse(image, slot, d, d + n - 1) && Confirm("GI_AppMess_Conv_Overwrite") != MsgResult::Ok) {
        return;
    }
    clipboard.Paste(image, slot, d, n);
    if (n == 1) {
        rowcmd::AnnounceRow(d);
    } else {
        rowcmd::AnnounceAll();
    }
    SelectRows(a.rq, d, d + n - 1);
    rowcmd::ReportDone("GI_AppMess_S_Paste");
}

void RowCarry(RowCommandArgs& a, int step)
{
    const int slot = a.ch.Slot();
    // Rows of a packed list are carried only among its entries.
    RowCommandArgs within = a;
    if (GeometryOf(slot).Packed()) {
        within.hi = std::min(a.hi, a.ch.count - 1);
    }
    std::int32_t r1 = 0;
    std::int32_t r2 = 0;
    if (!rowcmd::Range(within, r1, r2)) {
        return;
    }
    if ((step > 0 && r2 >= within.hi) || (step < 0 && r1 <= within.lo)) {
        return;
    }
    cmcEeprom& image = *a.ch.image;
    const std::int32_t n = r2 - r1 + 1;
    const std::int32_t neighbour = step > 0 ? r2 + 1 : r1 - 1;

    datClipCh neighbourRow;
    datClipCh range;
    neighbourRow.Copy(image, slot, neighbour, 1);
    range.Copy(image, slot, r1, n);
    range.Paste(image, slot, r1 + step, n);
    neighbourRow.Paste(image, slot, step > 0 ? r1 : r2, 1);
    if (slot == listslot::kStatusCall) {
        FollowQueryRow(image, r1, r2, step);
    }

    rowcmd::AnnounceAll();
    SelectRows(a.rq, r1 + step, r2 + step);
    const cmcCellObj& cell = *a.rq.cell;
    a.rq.RedirectTo(cell.category, cell.cellId, neighbour, cellkey::kNone);
}

void RunRowCommand(CellCall& call, std::int32_t command)
{
    auto* ch = dynamic_cast<datCh*>(call.record);
    if (ch == nullptr || ch->image == nullptr || call.rq.cell == nullptr) {
        return;
    }
    const ListGeometry& list = GeometryOf(ch->Slot());
    if (list.slot == listslot::kNone) {
        return;
    }
    RowCommandWorld world{AppClipboard(), HostReferenceImage};
    RowCommandArgs args{call.rq, *ch, list.firstRow, list.lastRow, world};
    switch (command) {
    case CL_PMenu_Copy:
        RowCopy(args);
        break;
    case CL_PMenu_Paste:
        RowPaste(args);
        break;
    case CL_PMenu_CarryUp:
        RowCarry(args, -1);
        break;
    case CL_PMenu_CarryDown:
        RowCarry(args, +1);
        break;
    case CL_PMenu_Clear:
        RowClear(args);
        break;
    case CL_PMenu_Delete:
        RowDelete(args);
        break;
    case CL_PMenu_Insert:
        RowInsert(args);
        break;
    default:
        return;
    }
    ch->Reload();
}

}  // namespace xtr
