// The row commands of the lists' pop-up menu: copy, paste, carry up, carry
// down, clear, delete and insert. They act on the rows the grid has
// selected (carried in the request's caller block) or on the row of the
// cell, announce what they changed to the views and report success on the
// status bar.
#pragma once

#include "cells/cell_capsule.h"
#include "cells/cell_handlers.h"

#include <cstdint>

namespace xtr {

class cmcEeprom;
class datCh;
class datClipCh;

// The grid's row selection in a request's caller block:
//   byte 0 bit 0   in: rows are selected
//   byte 0 bit 1   out: the command selected rows; the grid marks them
//   bytes 4-7      first selected row (32-bit, little-endian)
//   bytes 8-11     last selected row (32-bit, little-endian)
// A command that clears bit 1 leaves the grid without a selection.
namespace rowsel {
inline constexpr std::uint8_t kActive = 0x01;
inline constexpr std::uint8_t kSelect = 0x02;
}  // namespace rowsel

struct RowSelection {
    bool active = false;
    std::int32_t first = 0;
    std::int32_t last = 0;
};

RowSelection RowSelectionOf(const cmcCellCapsule& rq);
// Writes the selection the grid puts up for the command (both ends) and
// asks the grid to show it.
void SelectRows(cmcCellCapsule& rq, std::int32_t first, std::int32_t last);
// Asks the grid to drop its selection.
void ClearRowSelection(cmcCellCapsule& rq);
// The grid's side: writes the rows it has selected into a request.
void PutRowSelection(cmcCellCapsule& rq, std::int32_t first, std::int32_t last);

// What the row commands work with besides the request and the row: the
// application's clipboard and the image that cleared rows are filled from.
struct RowCommandWorld {
    datClipCh& clipboard;
    // Asked for only by clear, delete and insert.
    cmcEeprom& (*reference)();
};

// The rows a command acts on and the rows of the list, from the request
// and the loaded record ch (lo..hi from the list geometry).
struct RowCommandArgs {
    cmcCellCapsule& rq;
    datCh& ch;
    std::int32_t lo;
    std::int32_t hi;
    RowCommandWorld& world;
};

void RowCopy(RowCommandArgs& a);
void RowPaste(RowCommandArgs& a);
// step -1 carries the rows up, +1 down.
void RowCarry(RowCommandArgs& a, int step);
void RowClear(RowCommandArgs& a);
void RowDelete(RowCommandArgs& a);
void RowInsert(RowCommandArgs& a);

// Runs command (CL_PMenu_Copy .. CL_PMenu_Insert) on the record loaded for
// call: the dispatch's pop-up command hook.
void RunRowCommand(CellCall& call, std::int32_t command);

// Shared by the commands.
namespace rowcmd {
// The rows r1..r2 the command acts on (the selection or the cell's row,
// limited to lo..hi); false when the cell's row lies outside lo..hi.
bool Range(const RowCommandArgs& a, std::int32_t& r1, std::int32_t& r2);
// Whether any of rows r1..r2 holds an entry.
bool AnyInUse(cmcEeprom& image, int slot, std::int32_t r1, std::int32_t r2);
// Copies `number` rows of `from` (starting at row `source`) over the rows
// of `to` starting at `target`, through a clipboard of its own.
void MoveRows(cmcEeprom& from, cmcEeprom& to, int slot, std::int32_t source, std::int32_t target, std::int32_t number);
// "GI_AppMess_S_*" on the status bar.
void ReportDone(const char* messageKey);
// Repaints of every cell of row n, and of every cell.
void AnnounceRow(std::int32_t row);
void AnnounceAll();
}  // namespace rowcmd

}  // namespace xtr
