#include "ui/model/sheet_table_texts.h"

#include "cells/cell_capsule.h"
#include "ui/model/segment_cells.h"
#include "ui/model/sheet_table.h"

namespace xtr {

std::vector<std::vector<SheetCellText>> SheetTableTexts(SheetTable& table, SegUserMasks userMasks)
{
    std::vector<std::vector<SheetCellText>> rows;
    for (int r = 0; r < table.Rows(); ++r) {
        std::vector<SheetCellText> row;
        for (int c = 0; c < table.Columns(); ++c) {
            cmcCellObj& cell = table.Cell(c, r);
            SheetCellText shown;
            if (cell.cellId != kCellNone) {
                cmcCellCapsule rq;
                rq.cell = &cell;
                table.Sheet().Dispatch(rq, false);
                const SegmentCellKind segment = SegmentCellKindOf(cell.cellId);
                shown.text = segment != SegmentCellKind::None
                                 ? SegmentCellSpokenText(segment, rq.displayText, userMasks)
                                 : rq.displayText;
                shown.result = rq.result;
            } else {
                shown.text = cell.Caption();
            }
            row.push_back(std::move(shown));
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace xtr
