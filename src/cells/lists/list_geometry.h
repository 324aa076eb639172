// Where the lists of the memory image lie and how they behave: the rows a
// list has, the count byte of the packed lists, the address and size of its
// rows, and whether rows may be cleared, deleted and inserted. The channel
// record, the row clipboard, the pop-up row commands and the states of the
// pop-up menu all read this one table.
#pragma once

#include <cstdint>
#include <limits>

namespace xtr {

class cmcEeprom;

// List slots (the category number minus 1).
namespace listslot {
inline constexpr int kNone = 0;
inline constexpr int kFiveDigit = 1;
inline constexpr int kCallRangeInd = 2;
inline constexpr int kCallRangeGrp = 3;
inline constexpr int kSysMess = 4;
inline constexpr int kDirMemory = 5;
inline constexpr int kStatusCall = 6;
inline constexpr int kGroups = 7;
inline constexpr int kBlockFreq = 8;
inline constexpr int kAad = 9;
inline constexpr int kHuntCh = 10;
inline constexpr int kPrefNdd = 11;
inline constexpr int kConv = 12;
inline constexpr int kScrambler = 13;
inline constexpr int kUserChar = 14;
inline constexpr int kCount = 15;
}  // namespace listslot

// Flags of a list.
namespace listflag {
// Rows may be cleared, deleted and inserted.
inline constexpr std::uint8_t kEditRows = 0x01;
}  // namespace listflag

struct ListGeometry {
    int slot;
    // The rows the row commands and the row numbers work on.
    std::int32_t firstRow;
    std::int32_t lastRow;
    // Packed lists: the count byte (rows 0..count-1 in use) and the highest
    // count the radio can hold; -1 and 0 for lists without one.
    std::int32_t countAddress;
    std::int32_t countMax;
    // Address of row 0 (also where a list that starts at row 1 has one).
    std::int32_t rowAddress;
    std::int32_t rowSize;
    std::uint8_t flags;

    bool Packed() const { return countAddress >= 0; }
    bool EditRows() const { return (flags & listflag::kEditRows) != 0; }
    // Rows that have a place in the image: 0..lastRow.
    bool HasRow(std::int32_t row) const { return row >= 0 && row <= lastRow; }
    std::int32_t AddressOf(std::int32_t row) const { return rowAddress + row * rowSize; }
};

// The geometry of slot 1..14; slot 0 (and any other number) gives an empty
// list without rows.
const ListGeometry& GeometryOf(int slot);

std::int32_t ListFirstRow(int slot);
std::int32_t ListLastRow(int slot);
// Rows may be cleared, deleted and inserted (flags bit 0).
bool ListEditRows(int slot);

// The count of a packed list as the image holds it, limited to 0..countMax;
// 0 for other lists.
std::int32_t ListCount(const cmcEeprom& image, int slot);

// Rows that the pop-up row commands are offered on: the lowest row, and the
// highest one (count-1 for the packed lists, whose later rows hold no entry;
// kRowUnbounded for the one-row call ranges).
inline constexpr std::int32_t kRowUnbounded = std::numeric_limits<std::int32_t>::max();
std::int32_t PopupLowestRow(int slot);
std::int32_t PopupHighestRow(int slot, std::int32_t count);

}  // namespace xtr
