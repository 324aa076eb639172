// The layout entry of a sheet: which rows the grid has and which layout
// line each shows. A control line ":(LoopFrom 8)" before a run of row lines
// and a later ":(LoopTo)" repeat that run, so that eight rows show eight
// entries of a list; ":(SelectOFF)" and ":(SelectON)" say whether the rows
// that follow take part in multi-selection.
#include "app/fatal.h"
#include "cells/cell_description_text.h"
#include "ui/model/sheet.h"
#include "ui/model/sheet_items.h"

#include <algorithm>

namespace xtr {

void cuiSheet::ParseLayout(const std::string& entry)
{
    loopStart_ = -1;
    loopEnd_ = -1;
    loopCount_ = -1;
    loopBodyLength_ = 0;
    columns_ = 0;
    rows_ = 0;
    selectState_ = true;
    skipCount_ = 0;

    std::string line;
    for (int L = 0; ReadLayoutLine(entry, L, line); ++L) {
        currentLine_ = L;
        if (skipCount_ > 0) {
            --skipCount_;
            continue;
        }
        if (!line.empty() && line[0] == ':') {
            for (std::string_view item : ParenItems(std::string_view(line).substr(1))) {
                ParseLayoutItem(item);
            }
            if (loopStart_ >= 0 && loopEnd_ >= 0 && loopCount_ > 0) {
                RepeatLoopBody();
            }
            continue;
        }
        columns_ = std::max(columns_, CountCellDescriptions(line));
        AppendRow(L);
        if (loopStart_ >= 0 && loopEnd_ < 0) {
            ++loopBodyLength_;
        } else {
            loopBodyLength_ = 0;
        }
    }
    if (columns_ == 0 || rows_ == 0 || std::int64_t{columns_} * rows_ > kMaxSheetSlots) {
        Fatal("Illegal Cell assign");
    }
}

void cuiSheet::AppendRow(std::int32_t line)
{
    if (rows_ >= kMaxSheetRows) {
        Fatal("Illegal Cell assign");
    }
    clsSheeRowAtr& row = rowTable_.At(rows_);
    row.line = line;
    row.selectable = selectState_;
    ++rows_;
}

// The body is the run of rows produced since the loop opened; each copy
// repeats their lines. Taking the lines from the rows themselves (rather
// than counting lines on from the LoopFrom line) keeps a control line or a
// left-out line inside the body from being read as a row of cells.
void cuiSheet::RepeatLoopBody()
{
    const std::int32_t first = rows_ - loopBodyLength_;
    for (std::int32_t copy = 1; copy < loopCount_ && loopBodyLength_ > 0; ++copy) {
        for (std::int32_t i = 0; i < loopBodyLength_; ++i) {
            AppendRow(rowTable_.At(first + i).line);
        }
    }
    loopStart_ = -1;
    loopEnd_ = -1;
    loopCount_ = -1;
    loopBodyLength_ = 0;
}

void cuiSheet::ParseLayoutItem(std::string_view item)
{
    if (ItemHasKey(item, "LoopFrom")) {
        if (const std::optional<int> count = ItemCount(item, "LoopFrom")) {
            loopStart_ = currentLine_;
            loopCount_ = std::max(1, *count);
            // The body is the rows directly after this line.
            loopBodyLength_ = 0;
        }
    } else if (ItemHasKey(item, "LoopTo")) {
        loopEnd_ = currentLine_;
    } else if (ItemHasKey(item, "SelectON")) {
        selectState_ = true;
    } else if (ItemHasKey(item, "SelectOFF")) {
        selectState_ = false;
    }
}

}  // namespace xtr
