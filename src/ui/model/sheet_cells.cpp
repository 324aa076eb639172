// Building the cells of a sheet: the basic cell every cell starts from, and
// one cell object per grid position, parsed from the layout line of its row
// or, in the rows a loop repeats, copied from the row it repeats with the
// next list index.
#include "app/text_util.h"
#include "cells/cell_capsule.h"
#include "cells/cell_description.h"
#include "cells/ui_seams.h"
#include "overlay/gtex.h"
#include "ui/model/caption_room.h"
#include "ui/model/segment_cells.h"
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
    // The screen can scroll and keeps its columns to the W letters; paper
    // has to show every caption whole.
    if (Printing()) {
        WidenForCaptions(ActiveMeasurer());
    }
}

void cuiSheet::BuildBasicCell()
{
    const std::string text = texts_.Text(name_ + "_BasicCell", 0);
    ParseCellDescription(text, basicCell_, nullptr, nullptr);
    paperTemplate_.reset();
    if (Printing()) {
        paperTemplate_ = basicCell_;
        if (!paperTemplate_->font) {
            paperTemplate_->font = FontDesc();
        }
        describedBasicHeight_ = paperTemplate_->font->height;
    }
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

namespace {

// The row that last showed a layout line, and how many cells it filled.
struct LineShown {
    int row = -1;
    int cells = 0;
};

int& Entry(std::vector<int>& sizes, int at)
{
    return sizes[static_cast<std::size_t>(at)];
}

}  // namespace

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
    std::vector<LineShown> shown(static_cast<std::size_t>(lines));

    for (int r = 0; r < rows_; ++r) {
        const clsSheeRowAtr attr = rowTable_.At(r);
        LineShown& line = shown[static_cast<std::size_t>(attr.line)];
        const bool mayMultiSelect = style_.multiSelect != MultiSelectMode::None && attr.selectable;
        const LineShown source = line;
        line.row = r;
        BeforeRow(r);
        line.cells = source.row >= 0 ? RepeatRow(source.row, source.cells, r, mayMultiSelect)
                                     : ParseRow(entry, attr.line, r, mayMultiSelect, measurer);
    }
}

int cuiSheet::RepeatRow(int source, int count, int row, bool mayMultiSelect)
{
    Entry(rowHeights_, row) = Entry(rowHeights_, source);
    for (int c = 0; c < count; ++c) {
        BeforeCell(c, row);
        clsSheetCellId& slot = SlotAt(c, row);
        slot.cell = CellAt(c, source);
        ++slot.cell.index;
        TakeIntoRow(slot, c, row, mayMultiSelect);
    }
    return count;
}

int cuiSheet::ParseRow(const std::string& entry, std::int32_t line, int row, bool mayMultiSelect,
                       TextMeasurer& measurer)
{
    std::string text;
    ReadLayoutLine(entry, line, text);
    std::string_view rest = text;
    int c = 0;
    for (; !rest.empty() && c < columns_; ++c) {
        BeforeCell(c, row);
        clsSheetCellId& slot = SlotAt(c, row);
        rest = ParseCellDescription(rest, slot.cell, &counters_, paperTemplate_ ? &*paperTemplate_ : &basicCell_);
        TakePaperFont(slot.cell);
        GrowToCaption(slot.cell, c, row, measurer);
        TakeIntoRow(slot, c, row, mayMultiSelect);
    }
    return c;
}

void cuiSheet::GrowToCaption(const cmcCellObj& cell, int column, int row, TextMeasurer& measurer)
{
    if ((cell.look & (look::kW | look::kH)) == 0) {
        return;
    }
    const FontDesc& font = cell.font ? *cell.font : BasicFont();
    const TextExtent extent = MeasureText(measurer, cell.Caption(), font);
    if ((cell.look & look::kW) != 0) {
        int& width = Entry(columnWidths_, column);
        width = std::max(width, extent.width + measurer.PaddingWidth(scale_));
    }
    if ((cell.look & look::kH) != 0) {
        int& height = Entry(rowHeights_, row);
        height = std::max(height, extent.height + measurer.PaddingHeight(scale_));
    }
}

void cuiSheet::TakePaperFont(cmcCellObj& cell) const
{
    if (!paperTemplate_) {
        return;
    }
    if (cell.templateCell == &*paperTemplate_) {
        cell.templateCell = &basicCell_;
    }
    if (cell.font && basicCell_.font) {
        cell.font->SetHeight(PrintedFontHeight(cell.font->height, describedBasicHeight_, basicCell_.font->height));
    }
}

namespace {

// Takes the text colour a cell chooses while it is asked for its value, and
// draws nothing.
class ColourProbe : public CellCanvas {
public:
    void SetTextColor(Color color) override { color_ = color; }
    Color TextColor() const override { return color_; }

private:
    Color color_ = kColorWindowText;
};

}  // namespace

bool cuiSheet::PrintedValue(cmcCellObj& cell, std::string& text, FontDesc& font)
{
    if (name_ == kSegmentPickerSheet) {
        return false;  // every value is one segment character
    }
    ColourProbe probe;
    cmcCellCapsule request;
    request.owner = ContextRequest();
    request.cell = &cell;
    request.canvas = &probe;
    request.result |= cellresult::kCallerBit1;
    Dispatch(request, false);
    // A display value is drawn as segment characters in the cell's own
    // room; only an indication in its place is drawn as text, in the page's
    // font (as the cell painter does).
    const bool segment = SegmentCellKindOf(cell.cellId) != SegmentCellKind::None;
    if (segment && probe.TextColor() != kColorIndication) {
        return false;
    }
    text = std::move(request.displayText);
    font = !segment && cell.EffectiveFont() != nullptr ? *cell.EffectiveFont() : BasicFont();
    return true;
}

void cuiSheet::WidenForCaptions(TextMeasurer& measurer)
{
    std::vector<CaptionSpan> spans;
    for (int r = 0; r < rows_; ++r) {
        for (int c = 0; c < columns_; ++c) {
            cmcCellObj& cell = CellAt(c, r);
            // A joined cell is drawn by the one it joins; unbound W cells
            // have sized their column already. A bound cell prints its
            // value, which may be wider than its W letters (an indication
            // such as "not in this numbering" in a column sized for digits).
            if ((cell.look & look::kPlus) != 0) {
                continue;
            }
            std::string text;
            FontDesc font;
            if (cell.cellId != kCellNone) {
                if (!PrintedValue(cell, text, font)) {
                    continue;
                }
            } else if ((cell.look & look::kW) == 0) {
                text = cell.Caption();
                font = cell.font ? *cell.font : BasicFont();
            }
            if (text.empty()) {
                continue;
            }
            int last = c;
            while (last + 1 < columns_ && (CellAt(last + 1, r).look & look::kPlus) != 0) {
                ++last;
            }
            const int width = MeasureText(measurer, text, font).width + measurer.PaddingWidth(scale_);
            spans.push_back({c, last, width});
        }
    }
    MakeRoomForCaptions(columnWidths_, spans);
}

void cuiSheet::TakeIntoRow(clsSheetCellId& slot, int column, int row, bool mayMultiSelect)
{
    NoteSelectable(slot.cell, column, row);
    slot.SetBit(slotbit::kMayMultiSelect, mayMultiSelect);
}

void cuiSheet::BeforeRow(int) {}

void cuiSheet::BeforeCell(int, int) {}

}  // namespace xtr
