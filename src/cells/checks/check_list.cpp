#include "cells/checks/check_list.h"

#include "cells/active_cell.h"
#include "cells/cell_capsule.h"
#include "cells/cell_description.h"
#include "cells/cell_obj.h"
#include "overlay/gtex.h"

namespace xtr {

CheckListResult RunWarningCheckList(cmcGTex& texts, indActiveCell& cells, void* control)
{
    CheckListResult result;
    // One cell object serves every entry: each description resets it.
    cmcCellObj cell;
    cmcCellCapsule rq;
    for (int n = 0;; ++n) {
        const std::string line = texts.Text(kWarningCheckList, n);
        if (!line.empty() && line.front() == '#') {
            break;
        }
        ParseCellDescription(line, cell, nullptr, nullptr);
        rq.Reset();
        rq.cell = &cell;
        rq.control = control;
        cells.Dispatch(rq, false);

        result.lastHasParameter = cell.parameter.has_value();
        const std::string parameter = cell.parameter.value_or(std::string());
        if (rq.HasError()) {
            ++result.errors;
            result.errorSheets.push_back(parameter);
            result.findings.push_back({cell.cellId, parameter, true});
        } else if (rq.HasWarning()) {
            ++result.warnings;
            result.warningSheets.push_back(parameter);
            result.findings.push_back({cell.cellId, parameter, false});
        }
    }
    return result;
}

}  // namespace xtr
