// The remaining list columns: the prefix of a 5-digit entry, the query
// status of the status-call list, the scrambler codes, and the scrambler
// choices that show which code they select.
#include "app/globals.h"
#include "app/text_util.h"
#include "cells/cell_handlers.h"
#include "cells/cell_names.h"
#include "cells/lists/ch_record.h"
#include "cells/codecs/codec_common.h"
#include "cells/codecs/codec_integer.h"
#include "cells/codecs/codec_selection.h"
#include "cells/fcache.h"
#include "cells/lists/list_geometry.h"
#include "cells/map/map_list_common.h"
#include "cells/map/map_list_families.h"
#include "cells/ui_seams.h"
#include "image/eeprom.h"
#include "overlay/gtex.h"

namespace xtr {
namespace {

using listcell::RowOf;

// --- 5-digit entries: the prefix of the number dialled, 200-327 -------------

void FiveDigitPrefixHandler(CellCall& call)
{
    datCh* ch = listcell::RowInUse(call);
    if (ch == nullptr) {
        return;
    }
    std::int32_t prefix = ch->prefix;
    if (CodecInteger(call.rq, call.editorKind, prefix, {200, 327})) {
        ch->prefix = prefix;
        listcell::StoreRow(*ch);
    }
}

// --- status calls: which row is the query status ----------------------------
// One status of the list can be the query status; image byte 0x013E holds
// its row, 0 for none (row 0 is never shown).

void QueryHandler(CellCall& call)
{
    datCh* ch = RowOf(call);
    if (ch == nullptr) {
        return;
    }
    cmcCellCapsule& rq = call.rq;
    const std::int32_t row = ch->Row();
    const std::int32_t query = ch->queryRow;
    std::int32_t isQuery = query == row ? 1 : 0;

    bool changed = false;
    if (call.Interactive() && rq.key == cellkey::kDelete) {
        changed = isQuery != 0;
        isQuery = 0;
    } else {
        changed = CodecSelection(rq, call.editorKind, call.lists, "GI_Sheet_Sel_Query", isQuery);
    }

    if (changed) {
        const std::int32_t newQuery = isQuery != 0 ? row : (query == row ? 0 : query);
        if (newQuery != query && row >= 0 && row <= 0xFF) {
            call.image.SetByte(kQueryRowAddress, static_cast<std::uint8_t>(newQuery));
            ch->Reload();
            // Another row may have stopped being the query status.
            call.SetScope(cellscope::kSameId);
        }
    }

    if (ch->queryRow != row) {
        codec::Show(rq, GTex().FirstLine("GI_AppInd_NoQuery"));
        codec::SetTextColor(rq, kColorIndication);
    } else {
        codec::Show(rq, call.lists.TextOf("GI_Sheet_Sel_Query", Flex0, 1));
    }
}

// --- scrambler codes --------------------------------------------------------

void ScramblerCodeHandler(CellCall& call)
{
    datCh* ch = RowOf(call);
    if (ch == nullptr) {
        return;
    }
    std::int32_t code = ch->scramblerCode;
    if (CodecInteger(call.rq, call.editorKind, code, {0, 255, 0, 1, "GI_AppInd_ScrmCodeOff"})) {
        ch->scramblerCode = static_cast<std::uint8_t>(code);
        listcell::StoreRow(*ch);
    }
    if (ch->scramblerCode == 0) {
        codec::SetTextColor(call.rq, kColorIndication);
    }
}

// A choice of scrambler row `index` (the items of the scrambler setting):
// the code that row holds; a row whose code is off cannot be chosen.
void ScramblerChoiceHandler(CellCall& call)
{
    const std::int32_t index = call.Cell().index;
    const ListGeometry& codes = GeometryOf(listslot::kScrambler);
    if (!codes.HasRow(index)) {
        return;
    }
    const std::int32_t code = call.image.GetByte(codes.AddressOf(index));
    std::string text = Format("Code=%d", code);
    if (code == 0) {
        // The overlay's text follows the number directly; it brings its
        // own blank when it wants one.
        text += GTex().FirstLine("GI_AppInd_ScrmCodeOff");
        call.rq.SetError();
    }
    codec::Show(call.rq, std::move(text));
}

}  // namespace

void RegisterListMiscCells(CellRegistry& registry)
{
    registry.Register(CL_Pers5digit_pfix, FiveDigitPrefixHandler);
    registry.Register(CL_CallSC_Query, QueryHandler);
    registry.Register(CL_Scrm_Code, ScramblerCodeHandler);
    registry.Register(CL_ScrmSel, ScramblerChoiceHandler);
}

}  // namespace xtr
