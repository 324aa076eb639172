// Cells named on the command line and their answers: a cell reference is
// written as in the overlay's descriptions ("CT_Conv.CL_PersConv_FreqRx[3]",
// "CL_Comm_TOTTimer") and checked here without the fatal end an overlay
// with an unknown name gets, so that a mistyped name is a usage error.
#pragma once

#include "ctl/args.h"
#include "settings/setting_ref.h"

#include <cstdint>
#include <string>

namespace xtr {
class CellHost;
class cmcCellObj;
}  // namespace xtr

namespace xtr::ctl {

using CellRef = SettingRef;

// False, with the reason in error, for an unknown category or cell, a
// malformed index, or a row the cell's list does not have (a cell outside
// the lists takes no index but 0, except the key assignments and the
// scrambler choices, which are one cell per key or scrambler row).
bool ParseCellRef(const std::string& text, CellRef& ref, std::string& error);

// What a cell shows with key 0: its display text and result bits.
struct CellAnswer {
    std::string text;
    std::uint8_t result = 0;
};
CellAnswer ShowCell(CellHost& host, cmcCellObj& cell);

// " !" for an error, " ?" for a warning, "" otherwise.
const char* ProblemMark(std::uint8_t result);

// The numbering variant from --variant (mpt, the default, or cps); false
// after a usage message when it is neither.
bool ReadVariant(const char* command, const Args& args, std::uint8_t& modelType);

// The text of the exit statuses of the commands that work on files.
extern const char* const kFileExitStatusHelp;

}  // namespace xtr::ctl
