// The cell description language of the overlay. A sheet row, a menu line or
// a tool-bar entry describes its cells one after another, separated by "|":
//
//   {S>(%CT_Conv.CL_PersConv_FreqRx[@ch1])}|{^B(Color=clBtnFace)}Ch \(@ch1+1)
//
// Text in braces is attributes: letters for alignment (< ^ >), vertical
// placement (~ - _), looks (W H + B) and states (S T), "!" before a letter
// to clear it, and keyed attributes in parentheses: ($Style), (Color=...),
// (Font=...), (%[Category.]Cell[[index]][:parameter]), (@chN=n), (@chN+),
// (ImageIndex=n), (PopupMenu=name), (FlagN=0|1). Everything outside braces
// is the caption, in which \n is a line break, \_ a space and \(@chN+k) the
// value of counter N plus k; "\" escapes any other character.
//
// Unknown cell or category names and bad counter references are errors of
// the overlay and fatal.
#pragma once

#include "cells/cell_obj.h"

#include <string_view>

namespace xtr {

// Parses the first cell description of text into cell, starting from templ
// (the sheet's basic cell, or null) and with the sheet's counters (or null:
// counter references are then fatal). Returns the text after the separating
// bar, empty when the description was the last. With skip set, the cell is
// only reset and the description is not read.
std::string_view ParseCellDescription(std::string_view text, cmcCellObj& cell, CellCounters* counters,
                                      const cmcCellObj* templ, bool skip = false);

// Applies attribute text (the inside of a brace group) to cell, using the
// counters the cell holds.
void ApplyCellAttributes(std::string_view attributes, cmcCellObj& cell);

}  // namespace xtr
