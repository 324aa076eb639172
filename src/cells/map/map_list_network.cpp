// The packed lists of the trunked network: AAD entries (type and value),
// the hunt channels and the preferred NDD entries (length, value and
// priority). The first column of each (AAD type, hunt channel, NDD length)
// is where a new entry is made; the other columns act on entries only.
#include "cells/cell_handlers.h"
#include "cells/cell_names.h"
#include "cells/lists/ch_record.h"
#include "cells/codecs/codec_integer.h"
#include "image/eeprom.h"
#include "cells/map/map_list_common.h"
#include "cells/map/map_list_families.h"

#include <algorithm>

namespace xtr {
namespace {

using listcell::MaxOfBits;
using listcell::NetLimit;
using listcell::RowOf;

// LA and LZ: the number of bits of an AAD value of type 2 and 3.
constexpr std::int32_t kLz = 0x0DFF;
constexpr std::int32_t kLa = 0x0E00;

// --- AAD entries -----------------------------------------------------------

void AadTypeHandler(CellCall& call)
{
    datCh* ch = RowOf(call);
    if (ch == nullptr) {
        return;
    }
    std::int32_t type = ch->aadType;
    if (listcell::KeyColumnSelection(call, *ch, "GI_Sheet_Sel_AadType", type)) {
        ch->aadType = static_cast<std::uint8_t>(std::clamp(type, 0, 3));
        listcell::StoreEntry(*ch);
    }
}

std::int32_t AadValueLimit(const cmcEeprom& image, std::uint8_t type)
{
    switch (type) {
    case 2:
        return MaxOfBits(image.GetByte(kLa));
    case 3:
        return MaxOfBits(image.GetByte(kLz));
    default:
        return NetLimit(image, 511, 15);
    }
}

void AadValueHandler(CellCall& call)
{
    datCh* ch = listcell::RowInUse(call);
    if (ch == nullptr) {
        return;
    }
    const std::int32_t limit = AadValueLimit(call.image, ch->aadType);
    std::int32_t value = ch->value;
    if (CodecInteger(call.rq, call.editorKind, value, {0, limit})) {
        ch->value = static_cast<std::uint16_t>(value);
        listcell::StoreRow(*ch);
    }
    if (ch->value > AadValueLimit(call.image, ch->aadType)) {
        call.rq.SetError();
    }
}

// --- hunt channels ---------------------------------------------------------

void HuntChannelHandler(CellCall& call)
{
    datCh* ch = RowOf(call);
    if (ch == nullptr) {
        return;
    }
    std::int32_t channel = ch->huntChannel;
    if (listcell::KeyColumnInteger(call, *ch, channel, {1, 1023})) {
        ch->huntChannel = channel;
        listcell::StoreEntry(*ch);
    }
    // The radio needs at least one hunt channel.
    const bool empty = ch->count == 0;
    const bool outside = ch->InUse() && (ch->huntChannel < listcell::MinChannel(call.image) ||
                                         ch->huntChannel > listcell::MaxChannel(call.image));
    if (empty || outside) {
        call.rq.SetError();
    }
}

// --- preferred NDD entries -------------------------------------------------

std::int32_t NddLengthLimit(const cmcEeprom& image)
{
    return NetLimit(image, 9, 4);
}

void NddLengthHandler(CellCall& call)
{
    datCh* ch = RowOf(call);
    if (ch == nullptr) {
        return;
    }
    std::int32_t length = ch->nddLength;
    if (listcell::KeyColumnInteger(call, *ch, length, {0, NddLengthLimit(call.image)})) {
        ch->nddLength = static_cast<std::uint8_t>(length);
        ch->MarkSet(datCh::kSetNddLength);
        listcell::StoreEntry(*ch);
    }
    if (ch->InUse() && ch->nddLength > NddLengthLimit(call.image)) {
        call.rq.SetError();
    }
}

std::int32_t NddValueLimit(const cmcEeprom& image, const datCh& ch)
{
    return MaxOfBits(std::min<std::int32_t>(ch.nddLength, NddLengthLimit(image)));
}

void NddValueHandler(CellCall& call)
{
    datCh* ch = listcell::RowInUse(call);
    if (ch == nullptr) {
        return;
    }
    std::int32_t value = ch->value;
    if (CodecInteger(call.rq, call.editorKind, value, {0, NddValueLimit(call.image, *ch)})) {
        ch->value = static_cast<std::uint16_t>(value);
        listcell::StoreRow(*ch);
    }
    if (ch->value > NddValueLimit(call.image, *ch)) {
        call.rq.SetError();
    }
}

void NddPriorityHandler(CellCall& call)
{
    datCh* ch = listcell::RowInUse(call);
    if (ch == nullptr) {
        return;
    }
    std::int32_t priority = ch->nddPriority;
    if (CodecInteger(call.rq, call.editorKind, priority, {1, 10})) {
        ch->nddPriority = static_cast<std::uint8_t>(priority);
        ch->MarkSet(datCh::kSetNddPriority);
        listcell::StoreRow(*ch);
    }
}

}  // namespace

void RegisterNetworkListCells(CellRegistry& registry)
{
    registry.Register(CL_Aad_Type, AadTypeHandler);
    registry.Register(CL_Aad_Value, AadValueHandler);
    registry.Register(CL_HuntNCh, HuntChannelHandler);
    registry.Register(CL_Ndd_Length, NddLengthHandler);
    registry.Register(CL_Ndd_Value, NddValueHandler);
    registry.Register(CL_Ndd_Prio, NddPriorityHandler);
}

}  // namespace xtr
