#include "cells/map/map_list_common.h"

#include "cells/lists/ch_record.h"
#include "cells/codecs/codec_common.h"
#include "cells/codecs/codec_selection.h"
#include "image/eeprom.h"
#include "image/memory_map.h"

#include <algorithm>

namespace xtr::listcell {
namespace {

constexpr std::int32_t kNetworkType = memmap::kNetworkByte;
using memmap::kMinChannel;
using memmap::kMaxChannel;

std::int32_t Word(const cmcEeprom& image, std::int32_t address)
{
    return (image.GetByte(address) << 8) | image.GetByte(address + 1);
}

// The first free row opens an empty editor on Enter, and shows nothing
// unless the key opened something.
bool FreeRowEnter(CellCall& call, const datCh& ch)
{
    if (!ch.InUse() && call.Interactive() && call.rq.commitMode == cellcommit::kNone &&
        call.rq.key == cellkey::kEnter) {
        codec::OpenEditor(call.rq, call.editorKind, std::string());
        return true;
    }
    return false;
}

void BlankFreeRow(CellCall& call, const datCh& ch)
{
    if (!ch.InUse() && call.editorKind == 0) {
        call.rq.displayText.clear();
    }
}

}  // namespace

datCh* RowOf(CellCall& call)
{
    auto* ch = dynamic_cast<datCh*>(call.record);
    return ch != nullptr && ch->image != nullptr && ch->Slot() != 0 ? ch : nullptr;
}

datCh* RowInUse(CellCall& call)
{
    datCh* ch = RowOf(call);
    if (ch != nullptr && !ch->InUse()) {
        ShowEmpty(call);
        return nullptr;
    }
    return ch;
}

void StoreRow(datCh& ch)
{
    ch.StoreAndReload();
}

void StoreEntry(datCh& ch)
{
    if (!ch.InUse() && ch.Appendable()) {
        ch.count = ch.Row() + 1;
    }
    StoreRow(ch);
}

std::int32_t NetLimit(const cmcEeprom& image, std::int32_t whenSet, std::int32_t whenClear)
{
    return (image.GetByte(kNetworkType) & 0x80) != 0 ? whenSet : whenClear;
}

std::int32_t MinChannel(const cmcEeprom& image)
{
    return Word(image, kMinChannel);
}

std::int32_t MaxChannel(const cmcEeprom& image)
{
    return Word(image, kMaxChannel);
}

std::int32_t MaxOfBits(std::int32_t bits)
{
    return (1 << std::clamp(bits, 0, 10)) - 1;
}

void ShowEmpty(CellCall& call)
{
    codec::Show(call.rq, std::string());
}

bool KeyColumnInteger(CellCall& call, datCh& ch, std::int32_t& value, const IntegerSpec& spec)
{
    if (!ch.Appendable()) {
        ShowEmpty(call);
        return false;
    }
    if (FreeRowEnter(call, ch)) {
        return false;
    }
    const bool changed = CodecInteger(call.rq, call.editorKind, value, spec);
    if (changed) {
        return true;
    }
    BlankFreeRow(call, ch);
    return false;
}

bool KeyColumnSelection(CellCall& call, datCh& ch, std::string_view list, std::int32_t& value)
{
    if (!ch.Appendable()) {
        ShowEmpty(call);
        return false;
    }
    const bool changed = CodecSelection(call.rq, call.editorKind, call.lists, list, value);
    if (changed) {
        return true;
    }
    BlankFreeRow(call, ch);
    return false;
}

}  // namespace xtr::listcell
