#include "cells/lists/list_geometry.h"

#include "image/eeprom.h"
#include "image/memory_map.h"

#include <algorithm>

namespace xtr {
namespace {

using listflag::kEditRows;
using namespace memmap;

// One line per list, in slot order. Packed lists hold their entries in rows
// 0..count-1 behind a count byte; the others have every row and tell from a
// row's contents whether it holds an entry.
constexpr ListGeometry kLists[listslot::kCount] = {
    // slot  rows      count byte  max  row 0   size flags
    {0,      0, -1,    -1,         0,   0,      0,   0},          // no list
    {1,      0, 39,    kFiveDigitCount, 40, kFiveDigitRows, 6, kEditRows},  // 5-digit dialling entries
    {2,      0, 0,     -1,         0,   kCallRangeIndividual, 4, 0},          // individual call range
    {3,      0, 0,     -1,         0,   kCallRangeGroup, 4, 0},          // group call range
    {4,      0, 26,    -1,         0,   kDisplayTexts, 10, 0},          // system message texts
    {5,      0, 39,    -1,         0,   kDirectoryRows, 29, kEditRows},  // directory memories
    {6,      1, 30,    -1,         0,   kStatusTextRows, 10, 0},          // status texts; row 0 is never shown
    {7,      0, 15,    kGroupCount, 40, kGroupRows, 4, kEditRows},  // group calls
    {8,      0, 39,    -1,         0,   kBlockFrequencyRows, 12, kEditRows},  // block frequencies
    {9,      0, 99,    kAadCount,  100, kAadRows, 2, kEditRows},  // AAD entries
    {10,     0, 39,    kHuntCount, 40,  kHuntRows, 3, kEditRows},  // hunt channels
    {11,     0, 3,     kNddCount,  4,   kNddRows, 4, kEditRows},  // preferred NDD entries
    {12,     0, 31,    -1,         0,   kConventionalRows, 18, kEditRows},  // conventional channels
    {13,     0, 4,     -1,         0,   kScramblerCodes, 1, 0},          // scrambler codes
    {14,     0, 15,    -1,         0,   kUserCharMasks, 2, kEditRows},  // user-defined display characters
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
