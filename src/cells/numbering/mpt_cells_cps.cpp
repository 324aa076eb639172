// Number cells of the Cps scheme (fleet and IFN from the band table), the
// call ranges, the numbers that follow the scheme in force and the group
// call list.
#include "app/text_util.h"
#include "cells/codecs/codec_common.h"
#include "cells/numbering/mpt_cells_common.h"
#include "cells/numbering/mpt_cells_handlers.h"
#include "cells/numbering/mpt_layout.h"
#include "cells/numbering/mpt_plan.h"
#include "image/eeprom.h"

#include <algorithm>

namespace xtr::mptcell {
namespace {

// MPT1327 special idents (gateways, system-wide calls) above the fleets.
constexpr std::int32_t kFirstSpecialIdent = 8101;
constexpr std::int32_t kLastSpecialIdent = 8191;

constexpr std::size_t kNumberEntryMax = 5;
constexpr std::size_t kFullNumberEntryMax = 8;

bool IsSpecial(std::int32_t ident) { return ident >= kFirstSpecialIdent && ident <= kLastSpecialIdent; }

bool AllDigits(const std::string& text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The ident a Cps number entry stands for; false when the entry is refused.
bool CpsEntryIdent(const CellCall& call, const NumberCell& cell, std::int32_t& ident)
{
    const std::string typed = RemoveBlanks(call.rq.editText);
    if (typed.size() > kNumberEntryMax) {
        return false;
    }
    if (cell.specialIdents && AllDigits(typed) && IsSpecial(std::stoi(typed))) {
        ident = std::stoi(typed);
        return true;
    }
    datMptNum number = MakeNumberPlan(call.image, cell.kind);
    if (!number.Parse(typed, cell.kind) || !number.IsIdentValid()) {
        return false;
    }
    ident = number.Ident();
    return true;
}

void ShowCpsIdent(CellCall& call, const NumberCell& cell, std::int32_t ident)
{
    if (ident == 0 && cell.emptyAllowed) {
        codec::Show(call.rq, "");
        return;
    }
    if (cell.specialIdents && IsSpecial(ident)) {
        codec::Show(call.rq, Format("%d", ident));
        return;
    }
    datMptNum number = MakeNumberPlan(call.image, cell.kind);
    number.SetBy_ID(ident);
    const bool valid = number.IsIdentValid();
    ShowValue(call, valid ? Format("%d%d", number.FleetShown(), number.IfnShown()) : "---", valid);
}

std::int32_t GroupRow(std::int32_t index) { return mptmap::kGroupRows + mptmap::kGroupRowSize * index; }

// A group of the Cps list: prefix byte and ident, shown as all eight digits.
// True when an entry was stored.
bool CpsGroup(CellCall& call, std::int32_t row, bool inUse)
{
    bool stored = false;
    datMptNum number = MakeNumberPlan(call.image, kMptGroup);
    if (inUse) {
        // Short entries keep the row's own prefix.
        const std::int32_t prefix = call.image.GetByte(row);
        if (prefix <= kMptMaxPrefix) {
            number.SetPrefix(prefix);
        }
    }
    if (Committing(call)) {
        const std::string typed = RemoveBlanks(call.rq.editText);
        if (typed.size() <= kFullNumberEntryMax && number.Parse(typed, kMptGroup) && number.IsValid()) {
            call.image.SetByte(row, static_cast<std::uint8_t>(number.Prefix()));
            SetImageWord(call.image, row + 1, number.Ident());
            stored = true;
        } else {
            RefuseEntry(call);
        }
    }
    if (!inUse && !stored) {
        codec::Show(call.rq, "");
        return false;
    }
    datMptNum shown = MakeNumberPlan(call.image, kMptGroup);
    shown.SetPrefix(call.image.GetByte(row));
    shown.SetBy_ID(ImageWord(call.image, row + 1));
    const bool valid = shown.IsValid();
    ShowValue(call, valid ? Format("%d%d%d", shown.PrefixShown(), shown.FleetShown(), shown.IfnShown()) : "--------",
              valid);
    return stored;
}

// A group of the Mpt list: an IFN in the own group fleet. True when an
// entry was stored.
bool MptGroup(CellCall& call, std::int32_t row, bool inUse)
{
    bool stored = false;
    std::int32_t entry = 0;
    if (Committing(call)) {
        datMptNum number = MakeNumberPlan(call.image, kMptGroup);
        if (TypedNumber(call, entry)) {
            number.SetByIfn(number.GroupBase(), entry);
        }
        if (TypedNumber(call, entry) && number.IsIdentValid()) {
            SetImageWord(call.image, row + 1, number.Ident());
            stored = true;
        } else {
            RefuseEntry(call);
        }
    }
    if (!inUse && !stored) {
        codec::Show(call.rq, "");
        return false;
    }
    datMptNum number = MakeNumberPlan(call.image, kMptGroup);
    number.SetBy_FNRealID(number.GroupBase(), ImageWord(call.image, row + 1));
    const bool valid =
        number.IsIdentValid() && number.IfnShown() <= ImageWord(call.image, mptmap::kLastGroup);
    ShowValue(call, valid ? Format("%d", number.IfnShown()) : "---", valid);
    return stored;
}

}  // namespace

void CpsNumberHandler(CellCall& call)
{
    if (OtherSchemeOnly(call, MptScheme::Cps)) {
        return;
    }
    const NumberCell& cell = call.Data<NumberCell>();
    std::int32_t ident = 0;
    if (Committing(call)) {
        if (CpsEntryIdent(call, cell, ident)) {
            SetImageWord(call.image, cell.address, ident);
        } else {
            RefuseEntry(call);
        }
    }
    ShowCpsIdent(call, cell, ImageWord(call.image, cell.address));
    EntryKeys(call);
}

void DualSchemeNumberHandler(CellCall& call)
{
    if (Scheme() == MptScheme::Cps) {
        CpsNumberHandler(call);
    } else {
        MptEitherKindHandler(call);
    }
}

void CallRangeHandler(CellCall& call)
{
    if (OtherSchemeOnly(call, MptScheme::Cps)) {
        return;
    }
    const RangeCell& cell = call.Data<RangeCell>();
    const NumberCell number{cell.rowAddress + (cell.highest ? 2 : 0), cell.kind, -1, false, true};
    std::int32_t ident = 0;
    if (Committing(call) && !CpsEntryIdent(call, number, ident)) {
        RefuseEntry(call);
    } else if (Committing(call)) {
        const std::int32_t own = number.address;
        const std::int32_t other = cell.rowAddress + (cell.highest ? 0 : 2);
        SetImageWord(call.image, own, ident);
        // A range with one end set covers that one number.
        if (ImageWord(call.image, other) == 0) {
            SetImageWord(call.image, other, ident);
        }
        const std::int32_t lowest = ImageWord(call.image, cell.rowAddress);
        const std::int32_t highest = ImageWord(call.image, cell.rowAddress + 2);
        if (lowest > highest) {
            // The entry belongs at the other end: the ends change places and
            // the cursor goes with the entry.
            SetImageWord(call.image, cell.rowAddress, highest);
            SetImageWord(call.image, cell.rowAddress + 2, lowest);
            call.rq.RedirectTo(call.Cell().category, cell.otherCell, call.Cell().index, cellkey::kNone);
        }
        call.AddScope(cellscope::kEveryCell);
    }
    ShowCpsIdent(call, number, ImageWord(call.image, number.address));
    EntryKeys(call);
}

void GroupNumberHandler(CellCall& call)
{
    const std::int32_t index = call.Cell().index;
    const PackedRow row = PackedRowOf(call.image, mptmap::kGroupCount, mptmap::kGroupRowCount, index);
    if (row.state == PackedRow::Unused) {
        // Only the rows in use and the one after them take part.
        codec::Show(call.rq, "");
        return;
    }
    const bool inUse = row.state == PackedRow::InUse;
    const bool stored = Scheme() == MptScheme::Cps ? CpsGroup(call, GroupRow(index), inUse)
                                                   : MptGroup(call, GroupRow(index), inUse);
    if (stored) {
        GrowPackedList(call.image, mptmap::kGroupCount, row);
    }
    EntryKeys(call);
}

}  // namespace xtr::mptcell
