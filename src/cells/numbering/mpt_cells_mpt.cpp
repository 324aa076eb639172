// Number cells of the Mpt scheme: IFNs in the radio's own fleets, the fleet
// bases with the renumbering that follows them, and the 5-digit dialling
// entries.
#include "app/text_util.h"
#include "cells/codecs/codec_common.h"
#include "cells/numbering/mpt_cells_common.h"
#include "cells/numbering/mpt_cells_handlers.h"
#include "cells/numbering/mpt_layout.h"
#include "cells/numbering/mpt_plan.h"
#include "image/eeprom.h"

#include <array>

namespace xtr::mptcell {
namespace {

constexpr const char* kInvalidNumber = "---";

std::int32_t BaseOfKind(const datMptNum& plan, std::uint8_t kind)
{
    return kind == kMptGroup ? plan.GroupBase() : plan.IndividualBase();
}

// The highest IFN the radio's own fleet of that kind uses.
std::int32_t LastIfn(const cmcEeprom& image, std::uint8_t kind)
{
    return ImageWord(image, kind == kMptGroup ? mptmap::kLastGroup : mptmap::kLastIndividual);
}

// The stored ident as a shown IFN of the own fleet of kind; false when it
// is none (invalid, or above the highest IFN in use).
bool OwnFleetIfn(const cmcEeprom& image, std::uint8_t kind, std::int32_t ident, std::int32_t& shown)
{
    datMptNum number = MakeNumberPlan(image, kind);
    number.SetBy_FNRealID(BaseOfKind(number, kind), ident);
    if (!number.IsIdentValid() || number.IfnShown() > LastIfn(image, kind)) {
        return false;
    }
    shown = number.IfnShown();
    return true;
}

// The ident of a shown IFN in the own fleet of kind; false when invalid.
bool OwnFleetIdent(const cmcEeprom& image, std::uint8_t kind, std::int32_t shown, std::int32_t& ident)
{
    datMptNum number = MakeNumberPlan(image, kind);
    number.SetByIfn(BaseOfKind(number, kind), shown);
    if (!number.IsIdentValid()) {
        return false;
    }
    ident = number.Ident();
    return true;
}

void ShowOwnFleetIfn(CellCall& call, std::uint8_t kind, std::int32_t ident)
{
    std::int32_t shown = 0;
    const bool valid = OwnFleetIfn(call.image, kind, ident, shown);
    ShowValue(call, valid ? Format("%d", shown) : kInvalidNumber, valid);
}

// 5-digit entries: three ASCII digits, the third 0 for a two-digit start.
using IfnStartBytes = std::array<std::uint8_t, 3>;

std::int32_t FiveDigitRow(std::int32_t index) { return mptmap::kFiveDigitRows + mptmap::kFiveDigitRowSize * index; }

IfnStartBytes ReadStart(const cmcEeprom& image, std::int32_t index)
{
    const std::int32_t row = FiveDigitRow(index);
    return {image.GetByte(row), image.GetByte(row + 1), image.GetByte(row + 2)};
}

bool IsAsciiDigit(std::uint8_t c) { return c >= '0' && c <= '9'; }

// The start as a number; false when the bytes are not 2 or 3 digits.
bool StartValue(const IfnStartBytes& start, std::int32_t& value)
{
    if (!IsAsciiDigit(start[0]) || !IsAsciiDigit(start[1]) || (start[2] != 0 && !IsAsciiDigit(start[2]))) {
        return false;
    }
    value = (start[0] - '0') * 10 + (start[1] - '0');
    if (start[2] != 0) {
        value = value * 10 + (start[2] - '0');
    }
    return true;
}

// The starts a 5-digit entry may have: an individual or group IFN start of
// two or three digits.
bool StartAllowed(std::int32_t n)
{
    return (n >= 20 && n <= 29) || (n >= 200 && n <= 299) || (n >= 90 && n <= 99) || (n >= 900 && n <= 999);
}

// Ascending by the stored bytes, compared as unsigned up to the first zero
// byte; two-digit starts (third byte 0) after all three-digit ones.
bool SortsBefore(const IfnStartBytes& a, const IfnStartBytes& b)
{
    const bool aShort = a[2] == 0;
    const bool bShort = b[2] == 0;
    if (aShort != bShort) {
        return bShort;
    }
    for (int i = 0; i < 3; ++i) {
        if (a[i] != b[i]) {
            return a[i] < b[i];
        }
        if (a[i] == 0) {
            break;
        }
    }
    return false;
}

void SwapFiveDigitRows(cmcEeprom& image, std::int32_t a, std::int32_t b)
{
    for (std::int32_t i = 0; i < mptmap::kFiveDigitRowSize; ++i) {
        const std::uint8_t t = image.GetByte(FiveDigitRow(a) + i);
        image.SetByte(FiveDigitRow(a) + i, image.GetByte(FiveDigitRow(b) + i));
        image.SetByte(FiveDigitRow(b) + i, t);
    }
}

}  // namespace

void MptOwnFleetHandler(CellCall& call)
{
    if (OtherSchemeOnly(call, MptScheme::Mpt)) {
        return;
    }
    const NumberCell& cell = call.Data<NumberCell>();
    std::int32_t entry = 0;
    std::int32_t ident = 0;
    if (Committing(call)) {
        if (TypedNumber(call, entry) && OwnFleetIdent(call.image, cell.kind, entry, ident)) {
            SetImageWord(call.image, cell.address, ident);
        } else {
            RefuseEntry(call);
        }
    }
    ShowOwnFleetIfn(call, cell.kind, ImageWord(call.image, cell.address));
    EntryKeys(call);
}

void MptEitherKindHandler(CellCall& call)
{
    const NumberCell& cell = call.Data<NumberCell>();
    std::int32_t entry = 0;
    if (Committing(call)) {
        bool taken = false;
        // The IFN ranges of the two kinds do not meet: at most one applies.
        for (std::uint8_t kind : {kMptIndividual, kMptGroup}) {
            std::int32_t ident = 0;
            if (TypedNumber(call, entry) && OwnFleetIdent(call.image, kind, entry, ident)) {
                SetImageWord(call.image, cell.address, ident);
                SetNumberKindField(call.image, cell.kindShift, kind);
                taken = true;
                break;
            }
        }
        if (!taken) {
            RefuseEntry(call);
        }
    }
    const std::int32_t ident = ImageWord(call.image, cell.address);
    std::int32_t shown = 0;
    bool valid = OwnFleetIfn(call.image, kMptIndividual, ident, shown);
    if (!valid) {
        valid = OwnFleetIfn(call.image, kMptGroup, ident, shown);
    }
    ShowValue(call, valid ? Format("%d", shown) : kInvalidNumber, valid);
    EntryKeys(call);
}

void FleetBaseHandler(CellCall& call)
{
    if (OtherSchemeOnly(call, MptScheme::Mpt)) {
        return;
    }
    const BaseOf which = call.Data<FleetBaseCell>().base;
    std::int32_t address = which == BaseOf::Individuals ? mptmap::kFleetIndividual : mptmap::kFleetGroup;
    if (which == BaseOf::FiveDigitEntry) {
        const PackedRow row = PackedRowOf(call.image, mptmap::kFiveDigitCount, mptmap::kFiveDigitRowCount,
                                          call.Cell().index);
        if (row.state != PackedRow::InUse) {
            codec::Show(call.rq, "");
            return;
        }
        address = FiveDigitRow(call.Cell().index) + mptmap::kFiveDigitFinal;
    }
    std::int32_t entry = 0;
    if (Committing(call) && !TypedNumber(call, entry)) {
        RefuseEntry(call);
    } else if (Committing(call)) {
        const std::int32_t base = 2 * entry - 2 * kMptFleetShownOrigin;
        const std::int32_t old = ImageWord(call.image, address);
        if (base < kMptMinBase || base > kMptLastIdent) {
            RefuseEntry(call);
        } else if (base != old) {
            SetImageWord(call.image, address, base);
            // The numbers of the fleet keep their IFNs.
            if (which == BaseOf::Individuals) {
                RebaseIndividuals(call.image, old, base);
                call.AddScope(cellscope::kEveryCell);
            } else if (which == BaseOf::Groups) {
                RebaseGroups(call.image, old, base);
                call.AddScope(cellscope::kEveryCell);
            }
        }
    }
    const std::int32_t base = ImageWord(call.image, address);
    bool valid = base >= kMptMinBase && base <= kMptLastIdent;
    if (which != BaseOf::FiveDigitEntry) {
        valid = valid && MptNumberPlanValid(call.image);
    }
    ShowValue(call, Format("%d", kMptFleetShownOrigin + base / 2), valid);
    EntryKeys(call);
}

void IfnStartHandler(CellCall& call)
{
    if (OtherSchemeOnly(call, MptScheme::Mpt)) {
        return;
    }
    const std::int32_t index = call.Cell().index;
    const PackedRow row = PackedRowOf(call.image, mptmap::kFiveDigitCount, mptmap::kFiveDigitRowCount, index);
    if (row.state == PackedRow::Unused) {
        codec::Show(call.rq, "");
        return;
    }
    std::int32_t entry = 0;
    bool stored = false;
    if (Committing(call) && !(TypedNumber(call, entry) && StartAllowed(entry))) {
        RefuseEntry(call);
    } else if (Committing(call)) {
        const std::string digits = Format("%d", entry);
        const std::int32_t at = FiveDigitRow(index);
        for (int i = 0; i < 3; ++i) {
            call.image.SetByte(at + i, i < static_cast<int>(digits.size()) ? static_cast<std::uint8_t>(digits[i]) : 0);
        }
        GrowPackedList(call.image, mptmap::kFiveDigitCount, row);
        stored = true;
    }
    const bool inUse = stored || row.state == PackedRow::InUse;
    if (!inUse) {
        codec::Show(call.rq, "");  // the first free row: an entry makes it
        EntryKeys(call);
        return;
    }

    // The list is kept in order: a row out of place changes places with its
    // neighbour, the cursor goes with it and the request is repeated there
    // (key 90) until the row has found its place.
    if (stored || call.rq.key == kFiveDigitSortKey) {
        const std::int32_t count = PackedRowOf(call.image, mptmap::kFiveDigitCount, mptmap::kFiveDigitRowCount, 0).count;
        const IfnStartBytes own = ReadStart(call.image, index);
        std::int32_t other = -1;
        if (index + 1 < count && SortsBefore(ReadStart(call.image, index + 1), own)) {
            other = index + 1;
        } else if (index > 0 && SortsBefore(own, ReadStart(call.image, index - 1))) {
            other = index - 1;
        }
        if (other >= 0) {
            SwapFiveDigitRows(call.image, index, other);
            AnnounceRow(index);
            AnnounceRow(other);
            call.rq.RedirectTo(call.Cell().category, call.Cell().cellId, other, kFiveDigitSortKey);
        }
    }
    std::int32_t value = 0;
    const bool valid = StartValue(ReadStart(call.image, index), value) && StartAllowed(value);
    ShowValue(call, valid ? Format("%d", value) : kInvalidNumber, valid);
    EntryKeys(call);
}

}  // namespace xtr::mptcell
