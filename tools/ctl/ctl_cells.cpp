#include "ctl/ctl_cells.h"

#include "app/text_util.h"
#include "cells/active_cell.h"
#include "cells/categories.h"
#include "cells/cell_names.h"
#include "cells/list_geometry.h"
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
    std::string_view rest = text;
    ref = CellRef{};
    const std::size_t dot = rest.find('.');
    if (dot != std::string_view::npos) {
        const std::string_view category = rest.substr(0, dot);
        if (!FindCategoryName(category, ref.category)) {
            error = "unknown cell category '" + std::string(category) + "'";
            return false;
        }
        rest.remove_prefix(dot + 1);
    }
    const std::size_t bracket = rest.find('[');
    const std::string_view name = rest.substr(0, bracket);
    if (!FindCellName(name, ref.cellId)) {
        error = "unknown cell '" + std::string(name) + "'";
        return false;
    }
    if (bracket != std::string_view::npos) {
        std::string_view index = rest.substr(bracket + 1);
        if (index.empty() || index.back() != ']' || index.size() < 2 || index.size() > 6) {
            error = "malformed row index in '" + text + "'";
            return false;
        }
        index.remove_suffix(1);
        ref.index = 0;
        for (char c : index) {
            if (!std::isdigit(static_cast<unsigned char>(c))) {
                error = "malformed row index in '" + text + "'";
                return false;
            }
            ref.index = ref.index * 10 + (c - '0');
        }
    }
    const int slot = CategoryListSlot(ref.category);
    const bool known = slot != 0                ? GeometryOf(slot).HasRow(ref.index)
                       : IndexesOf(ref.cellId) > 0 ? ref.index < IndexesOf(ref.cellId)
                                                   : ref.index == 0;
    if (!known) {
        error = Format("'%s' has no row %d", text.c_str(), ref.index);
        return false;
    }
    return true;
}

void MakeCell(const CellRef& ref, cmcCellObj& cell)
{
    cell.Reset(nullptr);
    cell.category = ref.category;
    cell.cellId = ref.cellId;
    cell.index = ref.index;
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
