// Pieces of the cell description parser shared by its source files.
#pragma once

#include "cells/cell_obj.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace xtr::detail {

// Takes a counter reference "@chN" (one digit, not followed by another)
// off the front of text and returns that counter. A malformed reference or
// missing counters are fatal ("Ch No. Error").
std::int32_t& TakeCounter(std::string_view& text, CellCounters* counters);

// Applies attribute text; styleDepth counts the shared styles being applied
// around it.
void ApplyAttributes(std::string_view text, cmcCellObj& cell, int styleDepth);

// Applies a cell reference: [Category.]Cell[[index]][:parameter].
void ApplyCellReference(std::string_view reference, cmcCellObj& cell);

// The caption with its escapes resolved (the text is already trimmed).
std::string ResolveCaption(std::string_view text, CellCounters* counters);

}  // namespace xtr::detail
