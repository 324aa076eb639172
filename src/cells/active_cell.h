// indActiveCell: executes cell requests. Every cell is shown, edited and
// executed through Dispatch: the sheet's grid draws and edits with it, menus
// and tool buttons ask for their state with key 0 and run with key 13, and
// the consistency checks read the error and warning bits of cells.
//
// The common part of a dispatch loads the list row of the cell, turns the
// mouse activation into Enter, runs pop-up row commands, keeps the cursor
// out of the unused rows of lists that must stay contiguous, and after the
// cell's own part reports the repaint criteria and that the image may have
// changed. The cell's own part comes from the CellRegistry.
#pragma once

#include "cells/cell_capsule.h"
#include "cells/cell_handlers.h"
#include "cells/ui_seams.h"

#include <cstdint>

namespace xtr {

class indActiveCell {
public:
    // Uses the installed host (fatal when none) and the program's registry.
    indActiveCell();
    indActiveCell(CellHost& host, const CellRegistry& registry = DefaultCellRegistry());

    // Answers request; returns the editor kind (celleditor). With notify
    // set, the request's change notification is called with the repaint
    // criteria.
    int Dispatch(cmcCellCapsule& request, bool notify);

    // Executes cell with key (a menu command, a tool button, a tree entry):
    // a fresh request, dispatched without notification.
    int RunCell(cmcCellObj& cell, std::int32_t key);

    // The error bit (warning bit) of the cell (category, cellId, index) as
    // it is shown now.
    bool ErrorOf(std::uint32_t category, std::int32_t cellId, std::int32_t index);
    bool WarningOf(std::uint32_t category, std::int32_t cellId, std::int32_t index);

private:
    // The cell's own part from the registry, when the cell has one.
    void RunOwnPart(CellCall& call);
    // Notifies the repaint criteria (with notify) and tells the host when the
    // image may have changed.
    void Report(CellCall& call, bool notify, bool mayHaveChanged, std::uint32_t scope);
    std::uint8_t ResultOf(std::uint32_t category, std::int32_t cellId, std::int32_t index);

    CellHost& host_;
    const CellRegistry& registry_;
};

}  // namespace xtr
