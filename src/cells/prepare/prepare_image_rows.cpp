// Preparation of the lists whose rows go through the row record: the
// conventional channels (rows not in use take the reference's bytes, rows
// in use keep what the cells edited) and the preferred NDD entries, whose
// length and priority the radio reads only within their limits.
#include "cells/lists/ch_record.h"
#include "cells/lists/list_geometry.h"
#include "cells/prepare/prepare_image_steps.h"
#include "image/eeprom.h"
#include "image/memory_map.h"

#include <array>

namespace xtr::prepare {
namespace {

using memmap::kFirstConventional;
constexpr std::uint8_t kNoConventional = 0xFF;

// Byte 12 of a conventional row: bit 5 is no field of the row record.
constexpr std::int32_t kConvFlagsByte = 12;
constexpr std::uint8_t kConvSpareBit = 0x20;

// The bits of a conventional row that belong to the channel's fields.
constexpr std::int32_t kConvRowSize = 18;
constexpr std::array<std::uint8_t, kConvRowSize> kConvFieldBits = {
    0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,  // receive and transmit frequency
    0xFF, 0xFF, 0xFF, 0xFF,                          // receive and transmit tone
    0xDF,                                            // byte 12 but its spare bit 5
    0x80,                                            // narrow
    0x00, 0x00, 0x00, 0x00,
};

// Bytes 2 and 3 of an NDD row: length and priority.
constexpr std::int32_t kNddLengthByte = 2;
constexpr std::int32_t kNddPriorityByte = 3;

}  // namespace

// The channel the radio starts on in conventional mode: the first row in
// use, 0xFF when none is. Runs after KeepConventionalRows (see the step
// table).
void FindFirstConventionalChannel(const Preparation& p)
{
    const ListGeometry& list = GeometryOf(listslot::kConv);
    datCh ch(p.t);
    std::uint8_t first = kNoConventional;
    for (std::int32_t k = list.firstRow; k <= list.lastRow; ++k) {
        ch.Load(listslot::kConv, k);
        if (ch.InUse()) {
            first = static_cast<std::uint8_t>(k);
            break;
        }
    }
    p.t.SetByte(kFirstConventional, first);
}

// Every conventional row starts from the reference's 18 bytes; a
// row in use then gets back its own bits of every field the cells edit
// (both frequencies with their top bits, both tones, the in-use, transmit
// inhibit, time-out, lockout and power bits of byte 12, the narrow bit of
// byte 13), so the bytes no cell edits are always the reference's and the
// channel's own settings are never replaced by the reference's, not even
// where the row record reads them through a limit (power bits 3). Bit 5 of
// byte 12 is the reference's in every row.
void KeepConventionalRows(const Preparation& p)
{
    const ListGeometry& list = GeometryOf(listslot::kConv);
    datCh ch(p.t);
    for (std::int32_t k = list.firstRow; k <= list.lastRow; ++k) {
        const std::int32_t row = list.AddressOf(k);
        ch.Load(listslot::kConv, k);
        std::array<std::uint8_t, kConvRowSize> own{};
        p.t.ReadBlock(row, own.data(), kConvRowSize);
        p.CopyBytes(row, row + list.rowSize - 1);
        if (ch.InUse()) {
            for (std::int32_t i = 0; i < kConvRowSize; ++i) {
                const std::uint8_t mask = kConvFieldBits[static_cast<std::size_t>(i)];
                const std::uint8_t kept = static_cast<std::uint8_t>(p.t.GetByte(row + i) & ~mask);
                p.t.SetByte(row + i, static_cast<std::uint8_t>(kept | (own[static_cast<std::size_t>(i)] & mask)));
            }
        }
        p.CopyBits(row + kConvFlagsByte, kConvSpareBit);
    }
}

// The NDD lengths (at most 9), priorities (1 to 10) and the count
// (at most 4) are brought into their limits, as the row record reads them;
// rows past the count are the reference's.
void KeepNddRows(const Preparation& p)
{
    const ListGeometry& list = GeometryOf(listslot::kPrefNdd);
    datCh ch(p.t);
    for (std::int32_t k = list.firstRow; k <= list.lastRow; ++k) {
        ch.Load(listslot::kPrefNdd, k);
        const std::int32_t row = list.AddressOf(k);
        p.t.SetByte(row + kNddLengthByte, ch.nddLength);
        p.t.SetByte(row + kNddPriorityByte, ch.nddPriority);
    }
    const auto count = static_cast<std::uint8_t>(ListCount(p.t, listslot::kPrefNdd));
    p.t.SetByte(list.countAddress, count);
    for (std::int32_t k = count; k <= list.lastRow; ++k) {
        const std::int32_t row = list.AddressOf(k);
        p.CopyBytes(row, row + list.rowSize - 1);
    }
}

}  // namespace xtr::prepare
