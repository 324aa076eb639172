// Shared behaviour of the MPT1327 number cells.
#include "cells/numbering/mpt_cells_common.h"

#include "app/events.h"
#include "app/globals.h"
#include "app/text_util.h"
#include "cells/codecs/codec_common.h"
#include "cells/numbering/mpt_plan.h"
#include "cells/ui_seams.h"
#include "image/eeprom.h"
#include "overlay/gtex.h"

#include <algorithm>

namespace xtr::mptcell {

MptScheme Scheme() { return CurrentNumbering().scheme; }

bool OtherSchemeOnly(CellCall& call, MptScheme scheme)
{
    if (Scheme() == scheme) {
        return false;
    }
    codec::Show(call.rq, GTex().FirstLine(scheme == MptScheme::Cps ? "GI_AppInd_CpsOnly" : "GI_AppInd_MptOnly"));
    codec::SetTextColor(call.rq, kColorIndication);
    return true;
}

bool Committing(const CellCall& call) { return call.rq.commitMode == cellcommit::kStore; }

void EntryKeys(CellCall& call, KeyTest beginsEntry)
{
    cmcCellCapsule& rq = call.rq;
    if (!call.Interactive() || rq.commitMode != cellcommit::kNone) {
        return;
    }
    const std::int32_t key = rq.key;
    if (key == cellkey::kEnter || key == cellkey::kSpace || key == cellkey::kBackspace) {
        codec::OpenEditor(rq, call.editorKind, Trim(rq.displayText));
    } else if (beginsEntry != nullptr ? beginsEntry(key) : codec::IsDigitKey(key)) {
        codec::OpenEditorWithKey(rq, call.editorKind);
    }
}

void ShowValue(CellCall& call, std::string text, bool valid)
{
    codec::Show(call.rq, std::move(text));
    if (!valid) {
        call.rq.SetError();
    }
}

bool TypedNumber(const CellCall& call, std::int32_t& value)
{
    const codec::TypedNumber typed = codec::ParseTyped(call.rq.editText, "");
    if (typed.empty) {
        return false;
    }
    // Nine digits at most: well inside 32 bits.
    value = static_cast<std::int32_t>(codec::RoundHalfAway(typed.value));
    return true;
}

void RefuseEntry(CellCall& call)
{
    std::int32_t ignored = 0;
    call.rq.Refuse(TypedNumber(call, ignored) ? cellrefusal::kNotTaken : cellrefusal::kNoNumber);
}

void AnnounceRow(std::int32_t index)
{
    if (HasEvMan()) {
        EvMan().Send(kEvRepaintIndex, 0, index);
    }
}

PackedRow PackedRowOf(const cmcEeprom& image, std::int32_t countAddress, std::int32_t rows, std::int32_t index)
{
    PackedRow row;
    row.count = std::clamp<std::int32_t>(image.GetByte(countAddress), 0, rows);
    if (index >= 0 && index < row.count) {
        row.state = PackedRow::InUse;
    } else if (index == row.count && index < rows) {
        row.state = PackedRow::FirstFree;
    }
    return row;
}

void GrowPackedList(cmcEeprom& image, std::int32_t countAddress, const PackedRow& row)
{
    if (row.state == PackedRow::FirstFree) {
        image.SetByte(countAddress, static_cast<std::uint8_t>(row.count + 1));
    }
}

}  // namespace xtr::mptcell
