#include "cells/cell_request_copy.h"

#include "cells/active_cell.h"

namespace xtr {

CellRequestCopy::CellRequestCopy(const cmcCellCapsule& request)
{
    if (request.cell != nullptr) {
        cell_.category = request.cell->category;
        cell_.cellId = request.cell->cellId;
        cell_.index = request.cell->index;
        cell_.parameter = request.cell->parameter;
    }
    control_ = request.control;
    grid_ = request.grid;
    changeNotify_ = request.changeNotify;
    changeContext_ = request.changeContext;
    callerBlock_ = request.callerBlock;
}

const cmcCellCapsule& CellRequestCopy::Store(const std::string& text)
{
    answer_.Reset();
    answer_.cell = &cell_;
    answer_.control = control_;
    answer_.grid = grid_;
    answer_.changeNotify = changeNotify_;
    answer_.changeContext = changeContext_;
    answer_.callerBlock = callerBlock_;
    answer_.commitMode = cellcommit::kPreview;
    answer_.editText = text;
    indActiveCell().Dispatch(answer_, true);
    return answer_;
}

}  // namespace xtr
