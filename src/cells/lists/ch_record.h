// datCh: one row of any list of the memory image in one uniform record.
// The list cells show and edit a row through it, the row clipboard copies
// rows with it, and image preparation walks the lists with it.
//
// Loading clears the record (keeping the image it is bound to) and fills
// the fields of that list's row layout; only those fields mean anything.
// Storing writes the record into a row of the same list. It writes only the
// fields in which the record differs from what the row holds now, so bits
// that no field carries (the high bit of a channel frequency, the spare bits
// of a row) and values read through a limit (an RF power of 3, an NDD length
// above 9, an out-of-range count) stay as they are unless the record
// changes them. A field that a cell or a paste sets is marked as set and
// written even when its value reads as unchanged: choosing RF power "Low"
// on a row whose bits hold 3 stores 2. The count byte of a packed list is
// written from the record's count.
#pragma once

#include "cells/cell_handlers.h"
#include "cells/codecs/codec_frequency.h"
#include "cells/codecs/codec_tone.h"
#include "image/memory_map.h"

#include <array>
#include <cstdint>
#include <memory>

namespace xtr {

class cmcEeprom;

class datCh : public CellRecord {
public:
    // State bits.
    static constexpr std::uint8_t kInUse = 0x01;
    static constexpr std::uint8_t kAppendable = 0x02;

    // Bits of a conventional channel (convBits).
    static constexpr std::uint8_t kConvNotInUseRead = 0x01;  // bit 7 of byte 12 as the row held it
    static constexpr std::uint8_t kConvTxInhibit = 0x02;
    static constexpr std::uint8_t kConvNarrow = 0x04;
    static constexpr std::uint8_t kConvScanTag = 0x08;  // kept in the record only

    // Fields whose reading is limited (a value the row's bits can hold but
    // the record cannot), marked when something sets them (setFields).
    static constexpr std::uint32_t kSetRfPower = 0x01;
    static constexpr std::uint32_t kSetLockout = 0x02;
    static constexpr std::uint32_t kSetTot = 0x04;
    static constexpr std::uint32_t kSetTxInhibit = 0x08;
    static constexpr std::uint32_t kSetNarrow = 0x10;
    static constexpr std::uint32_t kSetNddLength = 0x20;
    static constexpr std::uint32_t kSetNddPriority = 0x40;
    static constexpr std::uint32_t kSetEveryField = 0xFFFFFFFF;

    datCh() = default;
    explicit datCh(cmcEeprom& image) : image(&image) {}

    // Binds the record to an image (not owned).
    void Bind(cmcEeprom& target) { image = &target; }

    // Clears the record and loads row `row` of list slot `slot`. A row the
    // list does not have (or an unbound record) loads as an empty row that
    // is neither in use nor appendable.
    void Load(int slot, std::int32_t row) override;
    // Loads the record's own slot and row again.
    void Reload() { Load(listSlot, row); }

    // Writes the record into row `targetRow` of slot `slot` (0: its own
    // slot). False when there is nothing to write into (unbound record, no
    // list, a row the list does not have).
    bool Store(int slot, std::int32_t targetRow);
    bool Store() { return Store(0, row); }
    // Stores into its own row and loads it again, so that the record shows
    // what the image now holds.
    bool StoreAndReload();

    int Slot() const override { return listSlot; }
    std::int32_t Row() const override { return row; }
    bool InUse() const override { return (state & kInUse) != 0; }
    bool Appendable() const override { return (state & kAppendable) != 0; }
    void SetInUse(bool on) { SetState(kInUse, on); }
    void SetAppendable(bool on) { SetState(kAppendable, on); }

    // Marks fields as set: the next store writes them whatever the row
    // holds. Loading clears the marks.
    void MarkSet(std::uint32_t fields) { setFields |= fields; }
    bool IsSet(std::uint32_t field) const { return (setFields & field) != 0; }

    bool ConvBit(std::uint8_t bit) const { return (convBits & bit) != 0; }
    void SetConvBit(std::uint8_t bit, bool on)
    {
        convBits = static_cast<std::uint8_t>(on ? (convBits | bit) : (convBits & ~bit));
    }

    // --- fields, in the record's order ---
    std::uint8_t listSlot = 0;  // 0: not bound to a row
    std::int32_t row = 0;
    cmcEeprom* image = nullptr;
    std::uint8_t state = kInUse | kAppendable;
    std::uint32_t setFields = 0;  // kSet... bits
    // Rows in use of a packed list (its count byte, limited as the list
    // allows); 0 for the other lists.
    std::int32_t count = 0;

    std::int32_t blockChannel = 0;
    // 5-digit entry: three bytes as stored, then padding; the prefix
    // (stored byte + 200) and the final ident as stored.
    std::array<std::uint8_t, 4> fiveDigit{};
    std::int32_t prefix = 0;
    std::array<std::uint8_t, 2> finalIdent{};

    std::uint8_t convBits = 0;
    // Receive and transmit frequency (Hz) of a conventional channel or of a
    // frequency block; inUse mirrors the row's in-use state for the codec.
    datChFreq freq;
    std::int32_t channelStep = 0;
    datChTones tones;
    std::uint8_t tot = 0;
    std::uint8_t rfPower = 0;  // 0-2
    std::uint8_t lockout = 0;  // 0-3
    std::uint8_t aadType = 0;  // 0-3

    std::uint8_t nddLength = 0;
    std::uint16_t value = 0;  // AAD or NDD value, 10 bits
    std::uint8_t nddPriority = 0;

    std::uint8_t rangeKind = 0;  // 0 individual, 1 group
    std::array<std::uint8_t, 2> rangeLowest{};
    std::array<std::uint8_t, 2> rangeHighest{};

    std::array<std::uint8_t, 16> dirNumber{};
    std::array<std::uint8_t, 10> dirText{};

    // The status-call list: the row that is the query status (image byte
    // 0x013E, read with every row; the query cell writes it itself), the
    // status text and the group number of the group list.
    std::uint8_t queryRow = 0;
    std::array<std::uint8_t, 10> statusText{};
    std::array<std::uint8_t, 4> groupNumber{};

    std::int32_t huntChannel = 0;
    std::array<std::uint8_t, 10> sysMessText{};
    std::uint8_t scramblerCode = 0;
    std::array<std::uint8_t, 2> userChar{};

private:
    void SetState(std::uint8_t bit, bool on)
    {
        state = static_cast<std::uint8_t>(on ? (state | bit) : (state & ~bit));
    }
};

// Row layouts, one pair per list: filling a record from a row's bytes, and
// writing into a row's bytes the fields in which `ch` differs from `was`
// (the row as it was loaded). Used by datCh only.
namespace chlayout {
void Decode(datCh& ch, int slot, const std::uint8_t* bytes);
void Encode(const datCh& ch, const datCh& was, int slot, std::uint8_t* bytes);
}  // namespace chlayout

// The query status row of the status-call list.
inline constexpr std::int32_t kQueryRowAddress = memmap::kQueryStatusRow;

// A record bound to image (the dispatch's list-row hook).
std::unique_ptr<CellRecord> CreateChRecord(cmcEeprom& image);

}  // namespace xtr
