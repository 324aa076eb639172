// A sheet as a table of text cells, for the command-line tool: the sheet is
// built without widgets, measured in character cells, and its cells are
// handed out row by row with their cell ids and indexes, so that the tool
// can ask each cell for its display text and print an aligned table.
#pragma once

#include "ui/model/sheet.h"
#include "ui/model/text_measurer.h"

#include <memory>
#include <string_view>

namespace xtr {

class cmcEeprom;

class SheetTable {
public:
    // Builds the sheet a reference names. image decides the rows a settings
    // page shows only for some radios (null: the image the cells edit).
    // False, with nothing built, for a reference no sheet is built for.
    bool Build(std::string_view reference, cmcGTex& texts, const cmcEeprom* image = nullptr);

    bool Built() const { return sheet_ != nullptr; }
    int Columns() const { return sheet_->ColumnCount(); }
    int Rows() const { return sheet_->RowCount(); }
    // The cell at a position (an empty cell, cell id 403, beyond the end of
    // a short row). The cell stays valid while the table lives.
    cmcCellObj& Cell(int column, int row) { return sheet_->CellAt(column, row); }
    // Column width in characters and row height in lines, from the
    // captions of the cells marked W and H (at least 1).
    int Width(int column) const { return sheet_->ColumnWidth(column); }
    int Height(int row) const { return sheet_->RowHeight(row); }
    int FixedColumns() const { return sheet_->FixedColumns(); }
    int FixedRows() const { return sheet_->FixedRows(); }
    std::string Title() const { return sheet_->GetTitle(); }
    // The sheet itself, for requests (Dispatch) and everything else.
    cuiSheet& Sheet() { return *sheet_; }

private:
    CharCellMeasurer measurer_;
    std::unique_ptr<cuiSheet> sheet_;
};

}  // namespace xtr
