// A request kept by an editor window that outlives the key which opened it
// (the text entry popup, the character editor): it addresses the same cell
// later, after the grid has moved its cursor or rebuilt its cell objects,
// and stores the editor's text there through the cell dispatch.
#pragma once

#include "cells/cell_capsule.h"
#include "cells/cell_obj.h"

#include <string>

namespace xtr {

class CellRequestCopy {
public:
    explicit CellRequestCopy(const cmcCellCapsule& request);
    CellRequestCopy(const CellRequestCopy&) = delete;
    CellRequestCopy& operator=(const CellRequestCopy&) = delete;

    const cmcCellObj& Cell() const { return cell_; }
    // The grid that asked, or null.
    void* Grid() const { return grid_; }

    // Stores text into the cell with commit mode 2 (the cell decodes it as
    // it decodes a typed text) and lets the grid repaint what changed.
    // Returns the answered request.
    const cmcCellCapsule& Store(const std::string& text);

private:
    // The cell's own copy: the sheet's cell object may be gone by the time
    // the editor stores.
    cmcCellObj cell_;
    void* control_ = nullptr;
    void* grid_ = nullptr;
    CellChangeNotify changeNotify_ = nullptr;
    void* changeContext_ = nullptr;
    std::array<std::uint8_t, 16> callerBlock_{};
    cmcCellCapsule answer_;
};

}  // namespace xtr
