// Conflicts that selection and set-mode cells report on themselves: the horn
// switched on while the horn also honks for calls (a warning), and the
// scrambler set to a code row that holds no code (an error).
#pragma once

#include "cells/cell_handlers.h"

namespace xtr::cellmap {

// A check run after a cell has shown its value; it sets the request's
// warning or error bit.
using CellCheck = void (*)(CellCall& call);

// CL_Set_Horn: horn bit 4 of 0x011F on while the horn honks (0x011F bit 2
// on alerting or bit 1 on status) with a non-zero horn timer.
void CheckHorn(CellCall& call);
// CL_Set_HornEnable: the same with set-mode enable bit 5 instead of the horn
// bit.
void CheckHornEnable(CellCall& call);
// CL_Set_Scrambler: the selected scrambler (k = 1..5 picks code row k-1 at
// 0x0432) has code 0.
void CheckScramblerCode(CellCall& call);

}  // namespace xtr::cellmap
