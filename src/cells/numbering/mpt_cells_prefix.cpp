// Prefix cells, the Cps default fleets and the Cps fleet counts that set
// the band table.
#include "app/globals.h"
#include "app/text_util.h"
#include "app/events.h"
#include "cells/cell_names.h"
#include "cells/codecs/codec_common.h"
#include "cells/codecs/codec_confirm.h"
#include "cells/numbering/mpt_cells_common.h"
#include "cells/numbering/mpt_cells_handlers.h"
#include "cells/numbering/mpt_layout.h"
#include "cells/numbering/mpt_plan.h"
#include "image/eeprom.h"

#include <algorithm>
#include <array>

namespace xtr::mptcell {
namespace {

constexpr std::array<std::int32_t, 3> kFleetCountCells = {CL_NetFleet_LargeFleet, CL_NetFleet_MiddleFleet,
                                                          CL_NetFleet_SmallFleet};

using Counts = std::array<std::int32_t, 3>;

Counts StoredCounts(const cmcEeprom& image)
{
    return {image.GetByte(mptmap::kFleetBounds), image.GetByte(mptmap::kFleetBounds + 1),
            image.GetByte(mptmap::kFleetBounds + 2)};
}

void StoreCounts(cmcEeprom& image, const Counts& counts)
{
    for (int i = 0; i < 3; ++i) {
        image.SetByte(mptmap::kFleetBounds + i, static_cast<std::uint8_t>(counts[i]));
    }
}

// The counts as the band table takes them: each between the one before it
// and 10.
Counts Fitted(const Counts& counts)
{
    MptBandTable table;
    table.SetBounds(counts[0], counts[1], counts[2]);
    return {table.Bounds()[0], table.Bounds()[1], table.Bounds()[2]};
}

void RepaintFleetCounts()
{
    if (!HasEvMan()) {
        return;
    }
    for (std::int32_t id : kFleetCountCells) {
        EvMan().Send(kEvRepaintCellId, 0, id);
    }
}

}  // namespace

void PrefixHandler(CellCall& call)
{
    const PrefixCell& cell = call.Data<PrefixCell>();
    if (cell.cpsOnly && OtherSchemeOnly(call, MptScheme::Cps)) {
        return;
    }
    std::int32_t entry = 0;
    if (Committing(call)) {
        datMptNum typed = MakeNumberPlan(call.image, kMptEither);
        if (TypedNumber(call, entry)) {
            typed.SetPrefixShown(entry);
        }
        if (TypedNumber(call, entry) && typed.IsPrefixValid()) {
            call.image.SetByte(cell.address, static_cast<std::uint8_t>(typed.Prefix()));
        } else {
            RefuseEntry(call);
        }
    }
    const std::int32_t stored = call.image.GetByte(cell.address);
    datMptNum number = MakeNumberPlan(call.image, kMptEither);
    // A byte beyond the 7 bits of a prefix reads as prefix 0.
    number.SetPrefix(stored <= kMptMaxPrefix ? stored : 0);
    ShowValue(call, Format("%03d", number.PrefixShown()), stored <= kMptMaxPrefix);
    EntryKeys(call);
}

void DefaultFleetHandler(CellCall& call)
{
    const DefaultFleetCell& cell = call.Data<DefaultFleetCell>();
    if (OtherSchemeOnly(call, MptScheme::Cps)) {
        return;
    }
    // A fleet is a default for its kind when its first IFN of that kind is
    // a number: the second fleet of a band-0 pair holds no individuals.
    const std::int32_t firstIfn = cell.kind == kMptGroup ? kIfnGroupStart : kIfnIndividualStart;
    if (Committing(call)) {
        const std::string typed = RemoveBlanks(call.rq.editText);
        bool taken = false;
        if (typed.size() == 2 && codec::IsDigitKey(typed[0]) && codec::IsDigitKey(typed[1])) {
            datMptNum number = MakeNumberPlan(call.image, cell.kind);
            number.SetByFleet((typed[0] - '0') * 10 + (typed[1] - '0'), firstIfn);
            if (number.IsIdentValid()) {
                call.image.SetByte(cell.address, static_cast<std::uint8_t>(number.Fleet()));
                // Three-digit entries of every Cps number cell use it.
                call.AddScope(cellscope::kEveryCell);
                taken = true;
            }
        }
        if (!taken) {
            RefuseEntry(call);
        }
    }
    const std::int32_t fleet = call.image.GetByte(cell.address);
    datMptNum number = MakeNumberPlan(call.image, cell.kind);
    number.SetByFleet(fleet, firstIfn);
    ShowValue(call, Format("%d", fleet), number.IsIdentValid());
    EntryKeys(call);
}

void FleetCountHandler(CellCall& call)
{
    const int band = call.Data<FleetCountCell>().band;
    std::int32_t entry = 0;
    if (Committing(call) && !TypedNumber(call, entry)) {
        RefuseEntry(call);
    } else if (Committing(call)) {
        const Counts stored = StoredCounts(call.image);
        Counts proposed = stored;
        proposed[band] = std::clamp(entry, 0, kMptTenths);
        proposed = Fitted(proposed);
        if (proposed != stored) {
            // The proposal stands in the image while the question is open,
            // so that the three cells show it; Cancel puts the old counts
            // back.
            StoreCounts(call.image, proposed);
            RepaintFleetCounts();
            if (Confirm("GI_AppMess_Confirm_CpsFleet") != MsgResult::Ok) {
                StoreCounts(call.image, stored);
                RepaintFleetCounts();
            }
            // Every Cps number and both default fleets depend on the bands.
            call.AddScope(cellscope::kEveryCell);
        }
    }
    const Counts stored = StoredCounts(call.image);
    // Counts the band table would have to refit are no valid setting.
    ShowValue(call, Format("%2d", stored[band]), Fitted(stored) == stored);
    EntryKeys(call);
}

}  // namespace xtr::mptcell
