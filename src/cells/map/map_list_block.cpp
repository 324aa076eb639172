// The frequency blocks of the trunked network: per row a channel number,
// the block's receive and transmit frequency and its channel step. The
// rows are kept in ascending order of channel number from row 0 on: after
// an entry the row moves towards its place one swap at a time, the cursor
// following it, and the request repeats on the moved row with kSortKey
// until the row stands where it belongs. A row holding an entry below a row
// without one moves up too, so the blocks stay together.
#include "app/text_util.h"
#include "cells/lists/ch_commands.h"
#include "cells/lists/ch_record.h"
#include "cells/cell_names.h"
#include "cells/codecs/codec_common.h"
#include "cells/codecs/codec_frequency.h"
#include "cells/codecs/codec_integer.h"
#include "cells/codecs/codec_selection.h"
#include "cells/lists/list_geometry.h"
#include "cells/map/map_list_common.h"
#include "cells/map/map_list_families.h"
#include "image/eeprom.h"

#include <array>

namespace xtr {
namespace {

using listcell::RowOf;

// The key with which a moved block row repeats its request ('A').
constexpr std::int32_t kSortKey = 65;
// The block cells draw their error marker at this place.
constexpr std::int32_t kBlockMarker = 3;

constexpr std::int32_t kChannelMin = 1;
constexpr std::int32_t kChannelMax = 1023;

void SwapRows(cmcEeprom& image, std::int32_t a, std::int32_t b)
{
    const ListGeometry& list = GeometryOf(listslot::kBlockFreq);
    std::array<std::uint8_t, 12> rowA{};
    std::array<std::uint8_t, 12> rowB{};
    image.ReadBlock(list.AddressOf(a), rowA.data(), list.rowSize);
    image.ReadBlock(list.AddressOf(b), rowB.data(), list.rowSize);
    image.WriteBlock(list.AddressOf(a), rowB.data(), list.rowSize);
    image.WriteBlock(list.AddressOf(b), rowA.data(), list.rowSize);
}

// The row the entry on ch has to change places with, or -1 when it stands
// in order: the row above when that one is free or has a larger channel
// number, else the row below when that one holds a smaller one.
std::int32_t SwapPartner(cmcEeprom& image, const datCh& ch)
{
    if (!ch.InUse()) {
        return -1;
    }
    const ListGeometry& list = GeometryOf(listslot::kBlockFreq);
    datCh other(image);
    const std::int32_t row = ch.Row();
    if (row > list.firstRow) {
        other.Load(listslot::kBlockFreq, row - 1);
        if (!other.InUse() || ch.blockChannel < other.blockChannel) {
            return row - 1;
        }
    }
    if (row < list.lastRow) {
        other.Load(listslot::kBlockFreq, row + 1);
        if (other.InUse() && ch.blockChannel > other.blockChannel) {
            return row + 1;
        }
    }
    return -1;
}

// Error of a channel number: the same as a neighbour's, outside the
// network's channel range, or on row 0 another than the lowest channel
// number. Row 0 must hold a block.
bool ChannelInvalid(cmcEeprom& image, const datCh& ch)
{
    const std::int32_t row = ch.Row();
    if (!ch.InUse()) {
        return row == 0;
    }
    const std::int32_t lowest = listcell::MinChannel(image);
    if (ch.blockChannel < lowest || ch.blockChannel > listcell::MaxChannel(image)) {
        return true;
    }
    if (row == 0 && ch.blockChannel != lowest) {
        return true;
    }
    const ListGeometry& list = GeometryOf(listslot::kBlockFreq);
    datCh other(image);
    for (const std::int32_t neighbour : {row - 1, row + 1}) {
        if (neighbour < list.firstRow || neighbour > list.lastRow) {
            continue;
        }
        other.Load(listslot::kBlockFreq, neighbour);
        if (other.InUse() && other.blockChannel == ch.blockChannel) {
            return true;
        }
    }
    return false;
}

void ChannelHandler(CellCall& call)
{
    datCh* ch = RowOf(call);
    if (ch == nullptr) {
        return;
    }
    cmcCellCapsule& rq = call.rq;
    rq.markerPosition = kBlockMarker;
    const bool keyGiven = rq.key != cellkey::kNone;

    bool changed = false;
    if (!ch->InUse() && call.Interactive() && rq.commitMode == cellcommit::kNone && rq.key == cellkey::kEnter) {
        codec::OpenEditor(rq, call.editorKind, std::string());
    } else {
        std::int32_t channel = ch->blockChannel;
        changed = CodecInteger(rq, call.editorKind, channel, {kChannelMin, kChannelMax});
        if (changed) {
            ch->blockChannel = channel;
            listcell::StoreRow(*ch);
        }
    }

    // Moving the cursor over the list does not reorder it.
    const bool sortNow = (changed || (keyGiven && !cellkey::IsArrow(rq.key))) && call.editorKind == celleditor::kNone;
    if (sortNow) {
        const std::int32_t partner = SwapPartner(call.image, *ch);
        if (partner >= 0) {
            SwapRows(call.image, ch->Row(), partner);
            ch->Reload();
            rowcmd::AnnounceRow(ch->Row());
            rowcmd::AnnounceRow(partner);
            rq.RedirectTo(call.Cell().category, call.Cell().cellId, partner, kSortKey);
            call.AddScope(cellscope::kNeighbourRows);
        }
    }
    if (keyGiven) {
        call.AddScope(cellscope::kSameId);
    }

    if (call.editorKind == celleditor::kNone) {
        codec::Show(rq, ch->InUse() ? Format("%d", ch->blockChannel) : std::string());
    }
    if (ChannelInvalid(call.image, *ch)) {
        rq.SetError();
    }
}

// A block's frequency and its channel step must both lie on the same
// raster (2500 or 3125 Hz).
bool RasterMismatch(const datCh& ch, std::uint32_t hz)
{
    const int freq = FrequencyRaster(hz);
    const int step = FrequencyRaster(static_cast<std::uint32_t>(ch.channelStep));
    return (freq & step) == 0;
}

struct BlockFrequencyCell {
    FreqSide side;
};
constexpr BlockFrequencyCell kBlockRx{FreqSide::Receive};
constexpr BlockFrequencyCell kBlockTx{FreqSide::Transmit};

void FrequencyHandler(CellCall& call)
{
    datCh* ch = RowOf(call);
    if (ch == nullptr) {
        return;
    }
    const FreqSide side = call.Data<BlockFrequencyCell>().side;
    call.rq.markerPosition = kBlockMarker;
    if (CodecFrequency(call.rq, call.editorKind, ch->freq, side)) {
        listcell::StoreRow(*ch);
    }
    const std::uint32_t hz = side == FreqSide::Receive ? ch->freq.rx : ch->freq.tx;
    if (ch->InUse() && RasterMismatch(*ch, hz)) {
        call.rq.SetError();
    }
}

void StepHandler(CellCall& call)
{
    datCh* ch = RowOf(call);
    if (ch == nullptr) {
        return;
    }
    call.rq.markerPosition = kBlockMarker;
    // A block not in use shows no step, as it shows no frequencies; the
    // bytes it holds are no choice of the list.
    if (!ch->InUse() && call.rq.key == cellkey::kNone && call.rq.commitMode == cellcommit::kNone) {
        codec::Show(call.rq, std::string());
        return;
    }
    std::int32_t step = ch->channelStep;
    if (CodecSelection(call.rq, call.editorKind, call.lists, "GI_Sheet_Sel_ChStep", step)) {
        ch->channelStep = step;
        listcell::StoreRow(*ch);
    }
}

}  // namespace

void RegisterBlockFrequencyCells(CellRegistry& registry)
{
    registry.Register(CL_NetBlock_FreqCH, ChannelHandler);
    registry.Register(CL_NetBlock_FreqRx, FrequencyHandler, &kBlockRx);
    registry.Register(CL_NetBlock_FreqTx, FrequencyHandler, &kBlockTx);
    registry.Register(CL_NetBlock_FreqStep, StepHandler);
}

}  // namespace xtr
