// What the cells of the image's lists share: the loaded row of the cell,
// storing an edited row, the network limits, the channel number range of
// the trunked network, and the key columns through which an entry is made
// in a packed list.
#pragma once

#include "cells/cell_handlers.h"
#include "cells/codecs/codec_integer.h"

#include <cstdint>
#include <string_view>

namespace xtr {

class cmcEeprom;
class datCh;

namespace listcell {

// The row of the cell's list that the dispatch loaded, or null when the
// cell stands in no list.
datCh* RowOf(CellCall& call);

// The loaded row when it holds an entry. A row without an entry shows
// nothing and takes no key; the result is then null, as it is for a cell
// that stands in no list.
datCh* RowInUse(CellCall& call);

// Stores the edited row and loads it again.
void StoreRow(datCh& ch);

// Bit 7 of 0x0ECA, the network type: several limits are larger when it is
// set (whenSet) than when it is clear (whenClear).
std::int32_t NetLimit(const cmcEeprom& image, std::int32_t whenSet, std::int32_t whenClear);

// The lowest and highest channel number of the trunked network.
std::int32_t MinChannel(const cmcEeprom& image);
std::int32_t MaxChannel(const cmcEeprom& image);

// 2^bits - 1 for bits 0..10 (the lists' values have 10 bits).
std::int32_t MaxOfBits(std::int32_t bits);

// Stores a row whose key column changed; an entry on the first free row
// makes the list one entry longer.
void StoreEntry(datCh& ch);

// Shows nothing and takes no key: a row that holds no entry.
void ShowEmpty(CellCall& call);

// The key column of a packed list (the column through which a new entry is
// made): acts on rows in use and on the first free row, where an entry
// makes the list one entry longer; the rows after it show nothing. The
// first free row shows nothing until something is entered. True when value
// changed; the caller puts it into the row and stores it with StoreEntry.
bool KeyColumnInteger(CellCall& call, datCh& ch, std::int32_t& value, const IntegerSpec& spec);
bool KeyColumnSelection(CellCall& call, datCh& ch, std::string_view list, std::int32_t& value);

}  // namespace listcell
}  // namespace xtr
