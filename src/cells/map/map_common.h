// What the families of the image map share: reaching a field of the image
// the cell addresses, and telling the views that a change reaches beyond
// the asking cell.
#pragma once

#include "cells/cell_handlers.h"

#include <cstdint>

namespace xtr::cellmap {

// The `bytes` bytes at address of the image the call works on. A field
// outside the image is a fault of the build (the image is smaller than the
// map) and fatal, like any image access out of range.
std::uint8_t* Field(CellCall& call, std::int32_t address, int bytes = 1);

// Big-endian value of a field of 1, 2 or 4 bytes.
std::uint32_t Read(CellCall& call, std::int32_t address, int bytes);
void Write(CellCall& call, std::int32_t address, int bytes, std::uint32_t value);

// A stored change shows on other cells as well (their limits, warnings or
// texts depend on it): every cell of the sheet is to be repainted.
inline void ChangesOthers(CellCall& call) { call.AddScope(cellscope::kEveryCell); }

// The request stores a typed entry.
inline bool Storing(const CellCall& call) { return call.rq.commitMode == cellcommit::kStore; }

}  // namespace xtr::cellmap
