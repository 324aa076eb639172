// What the MPT1327 number cells share: the scheme a cell belongs to, how
// they react to keys (like a text: Space, Backspace and Enter open the
// editor on the shown text, a key that can begin an entry opens it with
// that key alone) and the rows of the packed lists they stand in.
#pragma once

#include "cells/cell_handlers.h"
#include "cells/numbering/mpt_num.h"

#include <cstdint>
#include <string>

namespace xtr::mptcell {

// The scheme in force for this run.
MptScheme Scheme();

// A cell of one scheme only, asked in the other: shows "GI_AppInd_CpsOnly"
// (or "GI_AppInd_MptOnly") in the indication colour, accepts nothing and
// returns true. Returns false when the cell may go on.
bool OtherSchemeOnly(CellCall& call, MptScheme scheme);

// The request stores a typed entry.
bool Committing(const CellCall& call);

// Keys of a number cell, after its display text is set. beginsEntry tells
// which typed characters start an entry (digits unless given).
using KeyTest = bool (*)(std::int32_t key);
void EntryKeys(CellCall& call, KeyTest beginsEntry = nullptr);

// Shows text; an invalid value also sets the error bit.
void ShowValue(CellCall& call, std::string text, bool valid);

// The digits of a typed number as the numeric codecs read them; false when
// the entry held no digit.
bool TypedNumber(const CellCall& call, std::int32_t& value);

// A committed entry the cell does not take: refused as holding no number
// when it has no digit, else as a number the cell cannot take.
void RefuseEntry(CellCall& call);

// The key with which a sorted list repeats a request on the row a moved
// entry went to.
inline constexpr std::int32_t kFiveDigitSortKey = 90;

// Asks the views to repaint every cell of row index.
void AnnounceRow(std::int32_t index);

// A row of a packed list (count byte, then rows in use from 0).
struct PackedRow {
    enum State { InUse, FirstFree, Unused };
    State state = Unused;
    std::int32_t count = 0;
};
PackedRow PackedRowOf(const cmcEeprom& image, std::int32_t countAddress, std::int32_t rows, std::int32_t index);
// After an entry on the first free row: the list grows by that row.
void GrowPackedList(cmcEeprom& image, std::int32_t countAddress, const PackedRow& row);

}  // namespace xtr::mptcell
