#include "ctl/ctl_cells.h"

#include "app/text_util.h"
#include "cells/active_cell.h"
#include "cells/categories.h"
#include "cells/cell_names.h"
#include "cells/lists/list_geometry.h"
#include "ctl/ctl_options.h"

#include <cctype>

namespace xtr::ctl {
namespace {

// Cells outside the lists that still take an index: the key assignments
// (one byte per key, 12 trunked keys from 0x0120 and 12 conventional keys
// from 0x012C) and the scrambler choice shown for each scrambler row.
// The number of indexes each takes; 0 for every other cell.
std::int32_t IndexesOf(std::int32_t cellId)
{
    constexpr std::int32_t kKeys = 12;
    switch (cellId) {
    case CL_Key_Trunk:
    case CL_Key_Conve:
        return kKeys;
    case CL_ScrmSel:
        return GeometryOf(listslot::kScrambler).lastRow + 1;
    default:
        return 0;
    }
}

}  // namespace

const char* const kFileExitStatusHelp =
    "Exit status:\n"
    "  0        success\n"
    "  1        a check found errors, or a cell refused a text\n"
    "  2        usage error (unknown command option, cell or sheet)\n"
    "  31-39    a clone file error: 30 + its error code\n"
    "           (31 cannot open, 32 cannot write, 33 other model, 34 other version,\n"
    "           35 other map revision, 36 damaged, 37 incomplete, 38 foreign data,\n"
    "           39 newer than supported)\n";

bool ParseCellRef(const std::string& text, CellRef& ref, std::string& error)
{
    if (!ParseSettingRef(text, ref, error)) {
        return false;
    }
    // A cell outside the lists takes no row but 0, unless it is one cell
    // per key or scrambler row.
    if (CategoryListSlot(ref.category) == 0) {
        const std::int32_t indexes = IndexesOf(ref.cellId);
        if (indexes > 0 ? ref.index >= indexes : ref.index != 0) {
            error = Format("'%s' has no row %d", text.c_str(), ref.index);
            return false;
        }
    }
    return true;
}

CellAnswer ShowCell(CellHost& host, cmcCellObj& cell)
{
    cmcCellCapsule rq;
    rq.cell = &cell;
    indActiveCell(host).Dispatch(rq, false);
    return {rq.displayText, rq.result};
}

const char* ProblemMark(std::uint8_t result)
{
    if ((result & cellresult::kError) != 0) {
        return " !";
    }
    if ((result & cellresult::kWarning) != 0) {
        return " ?";
    }
    return "";
}

bool ReadVariant(const char* command, const Args& args, std::uint8_t& modelType)
{
    const std::string variant = args.Value("--variant", "mpt");
    if (variant == "mpt") {
        modelType = 0;
    } else if (variant == "cps") {
        modelType = 1;
    } else {
        UsageError(command, "--variant must be mpt or cps");
        return false;
    }
    return true;
}

}  // namespace xtr::ctl
