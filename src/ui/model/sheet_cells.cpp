// Building the cells of a sheet: the basic cell every cell starts from, and
// one cell object per grid position, parsed from the layout line of its row
// or, in the rows a loop repeats, copied from the row it repeats with the
// next list index.
#include "app/text_util.h"
#include "cells/cell_description.h"
#include "overlay/gtex.h"
#include "ui/model/sheet.h"
#include "ui/model/text_measurer.h"

#include <algorithm>

namespace xtr {

void cuiSheet::BuildCells()
{
    BuildBasicCell();
    const std::string entry = name_ + "_Cells";
    ParseLayout(entry);

    slots_.clear();
    slots_.resize(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_));
    // Columns and rows start one unit (one printer unit when printing) and
    // grow only through the W and H letters of their cells.
    columnWidths_.assign(static_cast<std::size_t>(columns_), scale_);
    rowHeights_.assign(static_cast<std::size_t>(rows_), scale_);
    firstSelectableColumn_ = columns_;
    firstSelectableRow_ = rows_;
    FillCells(entry);
}

void cuiSheet::BuildBasicCell()
{
    const std::string text = texts_.Text(name_ + "_BasicCell", 0);
    ParseCellDescription(text, basicCell_, nullptr, nullptr);
    // The font height of the entry is scaled to the user's font size; a
    // printed sheet takes the printer's height and its own print ratio.
    if (fontHeight_ != 0) {
        ApplyCellAttributes(Format("(Font=,,,%d,,,)", fontHeight_), basicCell_);
    } else {
        ApplyCellAttributes(Format("(Font=,,,%%%d,,,)", FontSizePercentage()), basicCell_);
    }
    if (Printing() && style_.printFontRatio != 100) {
        ApplyCellAttributes(Format("(Font=,,,%%%d,,,)", style_.printFontRatio), basicCell_);
    }
}

void cuiSheet::NoteSelectable(const cmcCellObj& cell, int column, int row)
{
    if (cell.IsSelectable()) {
        firstSelectableColumn_ = std::min(firstSelectableColumn_, column);
        firstSelectableRow_ = std::min(firstSelectableRow_, row);
    }
}

void cuiSheet::FillCells(const std::string& entry)
{
    TextMeasurer& measurer = ActiveMeasurer();
    // A row repeats the last row that showed the same layout line (only
    // loops show a line twice); the copy addresses the next index of the
    // list and keeps everything else, captions included.
    std::int32_t lines = 0;
    for (int r = 0; r < rows_; ++r) {
        lines = std::max(lines, rowTable_.At(r).line + 1);
    }
    std::vector<int> lastRowOfLine(static_cast<std::size_t>(lines), -1);
    std::vector<int> cellsOfRow(static_cast<std::size_t>(rows_), 0);
    std::string text;

    for (int r = 0; r < rows_; ++r) {
        const clsSheeRowAtr attr = rowTable_.At(r);
        const int source = lastRowOfLine[static_cast<std::size_t>(attr.line)];
        lastRowOfLine[static_cast<std::size_t>(attr.line)] = r;
        const bool mayMultiSelect = style_.multiSelect != MultiSelectMode::None && attr.selectable;
        BeforeRow(r);

        if (source >= 0) {
            const int count = cellsOfRow[static_cast<std::size_t>(source)];
            rowHeights_[static_cast<std::size_t>(r)] = rowHeights_[static_cast<std::size_t>(source)];
            for (int c = 0; c < count; ++c) {
                BeforeCell(c, r);
                clsSheetCellId& slot = SlotAt(c, r);
                slot.cell = CellAt(c, source);
                ++slot.cell.index;
                NoteSelectable(slot.cell, c, r);
                slot.SetBit(slotbit::kMayMultiSelect, mayMultiSelect);
            }
            cellsOfRow[static_cast<std::size_t>(r)] = count;
            continue;
        }

        ReadLayoutLine(entry, attr.line, text);
        std::string_view rest = text;
        int c = 0;
        for (; !rest.empty() && c < columns_; ++c) {
            BeforeCell(c, r);
            clsSheetCellId& slot = SlotAt(c, r);
            rest = ParseCellDescription(rest, slot.cell, &counters_, &basicCell_);
            const cmcCellObj& cell = slot.cell;
            if ((cell.look & (look::kW | look::kH)) != 0) {
                const FontDesc& font = cell.font ? *cell.font : BasicFont();
                const TextExtent extent = MeasureText(measurer, cell.Caption(), font);
                if ((cell.look & look::kW) != 0) {
                    int& width = columnWidths_[static_cast<std::size_t>(c)];
                    width = std::max(width, extent.width + measurer.PaddingWidth(scale_));
                }
                if ((cell.look & look::kH) != 0) {
                    int& height = rowHeights_[static_cast<std::size_t>(r)];
                    height = std::max(height, extent.height + measurer.PaddingHeight(scale_));
                }
            }
            NoteSelectable(cell, c, r);
            slot.SetBit(slotbit::kMayMultiSelect, mayMultiSelect);
        }
        cellsOfRow[static_cast<std::size_t>(r)] = c;
    }
}

void cuiSheet::BeforeRow(int) {}

void cuiSheet::BeforeCell(int, int) {}

}  // namespace xtr
