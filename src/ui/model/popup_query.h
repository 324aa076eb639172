// The kEvQueryCursorCell query between a menu builder and the grid whose pop-up menu
// it mirrors: the builder asks with its QueryId() as the object, and the
// grid whose cell pop-up builder has that id answers with the cell under
// its cursor. The answer carries the address of the grid's cell object,
// which the builder copies at once, while the query is still on the stack.
#pragma once

#include "cells/cell_obj.h"

#include <cstdint>

namespace xtr {

class cmcEvAns;
class cmcEvMan;

// Called by the answering grid while the query is delivered.
void AnswerCursorCell(cmcEvMan& events, const cmcCellObj& cursorCell);

// The cell of the first answer, or null when nobody answered.
const cmcCellObj* CursorCellOf(const cmcEvAns* answer);

}  // namespace xtr
