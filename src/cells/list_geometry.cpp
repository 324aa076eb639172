#include "cells/list_geometry.h"

#include "image/eeprom.h"

#include <algorithm>

namespace xtr {
namespace {

using listflag::kEditRows;

// One line per list, in slot order. Packed lists hold their entries in rows
// 0..count-1 behind a count byte; the others have every row and tell from a
// row's contents whether it holds an entry.
constexpr ListGeometry kLists[listslot::kCount] = {
    // slot  rows      count byte  max  row 0   size flags
    {0,      0, -1,    -1,         0,   0,      0,   0},          // no list
    {1,      0, 39,    0x0C7A,     40,  0x0C7B, 6,   kEditRows},  // 5-digit dialling entries
    {2,      0, 0,     -1,         0,   0x0FB5, 4,   0},          // individual call range
    {3,      0, 0,     -1,         0,   0x0FCD, 4,   0},          // group call range
    {4,      0, 26,    -1,         0,   0x0FED, 10,  0},          // system message texts
    {5,      0, 39,    -1,         0,   0x061C, 29,  kEditRows},  // directory memories
    {6,      1, 30,    -1,         0,   0x0AA4, 10,  0},          // status texts; row 0 is never shown
    {7,      0, 15,    0x0BEF,     40,  0x0BF0, 4,   kEditRows},  // group calls
    {8,      0, 39,    -1,         0,   0x043C, 12,  kEditRows},  // block frequencies
    {9,      0, 99,    0x0E01,     100, 0x0E02, 2,   kEditRows},  // AAD entries
    {10,     0, 39,    0x0D86,     40,  0x0D87, 3,   kEditRows},  // hunt channels
    {11,     0, 3,     0x0EE3,     4,   0x0EE4, 4,   kEditRows},  // preferred NDD entries
    {12,     0, 31,    -1,         0,   0x01A8, 18,  kEditRows},  // conventional channels
    {13,     0, 4,     -1,         0,   0x0432, 1,   0},          // scrambler codes
    {14,     0, 15,    -1,         0,   0x0168, 2,   kEditRows},  // user-defined display characters
};

}  // namespace

const ListGeometry& GeometryOf(int slot)
{
    if (slot <= 0 || slot >= listslot::kCount) {
        return kLists[0];
    }
    return kLists[slot];
}

std::int32_t ListFirstRow(int slot)
{
    return GeometryOf(slot).firstRow;
}

std::int32_t ListLastRow(int slot)
{
    return GeometryOf(slot).lastRow;
}

bool ListEditRows(int slot)
{
    return GeometryOf(slot).EditRows();
}

std::int32_t ListCount(const cmcEeprom& image, int slot)
{
    const ListGeometry& list = GeometryOf(slot);
    if (!list.Packed() || !image.IsAddress(list.countAddress)) {
        return 0;
    }
    return std::clamp<std::int32_t>(image.GetByte(list.countAddress), 0, list.countMax);
}

std::int32_t PopupLowestRow(int slot)
{
    switch (slot) {
    case listslot::kSysMess:
    case listslot::kDirMemory:
    case listslot::kStatusCall:
    case listslot::kBlockFreq:
    case listslot::kConv:
    case listslot::kScrambler:
    case listslot::kUserChar:
        return GeometryOf(slot).firstRow;
    default:
        return 0;
    }
}

std::int32_t PopupHighestRow(int slot, std::int32_t count)
{
    switch (slot) {
    case listslot::kFiveDigit:
    case listslot::kGroups:
    case listslot::kAad:
    case listslot::kHuntCh:
    case listslot::kPrefNdd:
        return count - 1;
    case listslot::kSysMess:
    case listslot::kDirMemory:
    case listslot::kStatusCall:
    case listslot::kBlockFreq:
    case listslot::kConv:
    case listslot::kScrambler:
    case listslot::kUserChar:
        return GeometryOf(slot).lastRow;
    default:
        return kRowUnbounded;
    }
}

}  // namespace xtr
