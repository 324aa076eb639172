// Loading and storing a list row: the parts every list shares (the row's
// place, the count byte of packed lists, the in-use and appendable states).
// The byte layouts of the rows are in ch_record_layouts.cpp.
#include "cells/lists/ch_record.h"

#include "cells/lists/list_geometry.h"
#include "image/eeprom.h"

#include <algorithm>
#include <array>

namespace xtr {
namespace {

// The longest row of any list.
constexpr std::int32_t kMaxRowSize = 32;

bool RowInImage(const cmcEeprom& image, const ListGeometry& list, std::int32_t row)
{
    if (!list.HasRow(row) || list.rowSize <= 0 || list.rowSize > kMaxRowSize) {
        return false;
    }
    const std::int32_t address = list.AddressOf(row);
    return image.IsAddress(address) && image.IsAddress(address + list.rowSize - 1);
}

// Whether a loaded row holds an entry, for the lists that tell it from the
// row's contents.
bool HoldsEntry(const datCh& ch, const std::array<std::uint8_t, kMaxRowSize>& bytes)
{
    switch (ch.listSlot) {
    case listslot::kBlockFreq:
        return ch.blockChannel > 0;
    case listslot::kCallRangeInd:
    case listslot::kCallRangeGrp:
        return ch.rangeLowest != std::array<std::uint8_t, 2>{} || ch.rangeHighest != std::array<std::uint8_t, 2>{};
    case listslot::kConv:
        return (bytes[12] & 0x80) == 0;
    default:
        return true;
    }
}

}  // namespace

void datCh::Load(int slot, std::int32_t targetRow)
{
    cmcEeprom* bound = image;
    *this = datCh();
    image = bound;
    listSlot = static_cast<std::uint8_t>(slot);
    row = targetRow;

    const ListGeometry& list = GeometryOf(slot);
    if (image == nullptr || list.slot == listslot::kNone || !RowInImage(*image, list, targetRow)) {
        state = 0;
        freq.inUse = false;
        return;
    }

    std::array<std::uint8_t, kMaxRowSize> bytes{};
    image->ReadBlock(list.AddressOf(targetRow), bytes.data(), list.rowSize);
    chlayout::Decode(*this, slot, bytes.data());
    if (slot == listslot::kStatusCall) {
        queryRow = image->GetByte(kQueryRowAddress);
    }

    if (list.Packed()) {
        count = ListCount(*image, slot);
        SetInUse(targetRow < count);
        SetAppendable(targetRow <= count);
    } else {
        SetInUse(HoldsEntry(*this, bytes));
        SetAppendable(true);
    }
    freq.inUse = InUse();
}

bool datCh::Store(int slot, std::int32_t targetRow)
{
    if (slot == listslot::kNone) {
        slot = listSlot;
    }
    const ListGeometry& list = GeometryOf(slot);
    if (image == nullptr || list.slot == listslot::kNone || !RowInImage(*image, list, targetRow)) {
        return false;
    }

    datCh was(*image);
    was.Load(slot, targetRow);

    std::array<std::uint8_t, kMaxRowSize> bytes{};
    const std::int32_t address = list.AddressOf(targetRow);
    image->ReadBlock(address, bytes.data(), list.rowSize);
    chlayout::Encode(*this, was, slot, bytes.data());
    image->WriteBlock(address, bytes.data(), list.rowSize);

    if (list.Packed() && count != was.count && image->IsAddress(list.countAddress)) {
        // Never more entries than the list has rows.
        const std::int32_t most = std::min(list.countMax, list.lastRow + 1);
        image->SetByte(list.countAddress, static_cast<std::uint8_t>(std::clamp(count, 0, most)));
    }
    return true;
}

bool datCh::StoreAndReload()
{
    const bool stored = Store();
    Reload();
    return stored;
}

std::unique_ptr<CellRecord> CreateChRecord(cmcEeprom& image)
{
    return std::make_unique<datCh>(image);
}

}  // namespace xtr
