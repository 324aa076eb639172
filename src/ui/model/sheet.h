// cuiSheet: one page of settings. A sheet named N is described by three
// overlay entries: N_Style (title bar, fixed rows and columns, printing,
// multi-selection), N_BasicCell (the template of every cell) and N_Cells
// (one row of cell descriptions per line, or a control line starting with
// ":" that opens and closes loops and switches multi-selection for the rows
// that follow). The sheet turns the layout into a table of cell slots,
// sizes columns and rows to the captions that ask for it, and hands the
// result to the widgets that show it (SheetView), to the printer or to the
// command-line tool.
//
// The overridable operations keep their slot order; model-specific sheets
// (iuiSh_Common) extend the layout items through ParseLayoutItem.
#pragma once

#include "cells/cell_capsule.h"
#include "cells/cell_obj.h"
#include "ui/model/sheet_interaction.h"
#include "ui/model/sheet_records.h"
#include "ui/model/sheet_style.h"
#include "ui/model/sheet_view.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace xtr {

class cmcGTex;
class indActiveCell;
class TextMeasurer;

// Executes a request for a cell of the sheet (dispatch with notify flag);
// returns the editor kind.
using SheetCellHandler = int (*)(void* context, cmcCellCapsule& request, bool notify);

struct SheetCellPos {
    int column = 0;
    int row = 0;
    bool operator==(const SheetCellPos&) const = default;
};

// Cursor and scroll position of a sheet shown earlier; -1 for none.
struct SheetPosition {
    int column = -1;
    int row = -1;
    int leftColumn = -1;
    int topRow = -1;
};

// Limits that keep a broken layout (a loop count in the millions) from
// exhausting memory; real sheets stay far below them.
inline constexpr std::int32_t kMaxSheetRows = 65536;
inline constexpr std::int64_t kMaxSheetSlots = 1 << 18;

class cuiSheet {
public:
    // host shows the sheet (null: built without widgets); context is the
    // request of the cell that opened the sheet as a drop-down list, or
    // null; the cursor starts on the cell (initialCellId, initialIndex)
    // unless initialCellId is 0 or a saved position applies.
    cuiSheet(SheetView* host, const cmcCellCapsule* context, std::int32_t initialCellId, std::int32_t initialIndex,
             cmcGTex& texts, std::string name, MarkerImages* markers);
    cuiSheet(const cuiSheet&) = delete;
    cuiSheet& operator=(const cuiSheet&) = delete;

    // The overlay texts the sheet is built from.
    cmcGTex& Texts() const { return texts_; }

    // The overridable operations, in slot order.
    virtual ~cuiSheet();                                    // 0
    virtual void SetArgument(const std::string& argument);  // 1
    virtual void Show();                                    // 2
    virtual void ParseStyleItem(std::string_view item);     // 3
    virtual void ParseLayoutItem(std::string_view item);    // 4
    virtual void BuildCells();                              // 5
    virtual void BuildBasicCell();                          // 6
    virtual void ParseLayout(const std::string& entry);     // 7
    virtual void FillCells(const std::string& entry);       // 8
    virtual void BeforeRow(int row);                        // 9
    virtual void BeforeCell(int column, int row);           // 10
    virtual std::string GetTitle() const;                   // 11
    virtual bool IsPrintable() const;                       // 12

    // Set-up before Show.
    // Lays the sheet out for paper: sizes in printer dots, scale dots per
    // inch / 120 (at least 1).
    void SetPrinter(SheetPrinter* printer);
    // A fixed font height for the basic cell (printing); 0 for none.
    void SetFontHeight(std::int32_t height) { fontHeight_ = height; }
    void SetSavedPosition(const SheetPosition& position) { saved_ = position; }
    // Replaces the sheet's own cell dispatch.
    void SetCellHandler(SheetCellHandler handler, void* context);
    // Drop-down selection list.
    void SetListMode(bool on) { listMode_ = on; }
    // Measures captions when neither a printer nor a view is given (the
    // command-line tool); without one, in character cells.
    void SetMeasurer(TextMeasurer* measurer) { measurer_ = measurer; }
    // Font size in percent for the basic cell; without it the user's
    // setting applies (100 when there are no settings).
    void SetFontSizePercentage(std::int32_t percent) { fontPercent_ = percent; }

    // The full reference the sheet was created from; the main window tells
    // sheets apart by it.
    void SetReference(std::string reference) { reference_ = std::move(reference); }
    const std::string& Reference() const { return reference_; }

    // Executes a request with the cell handler, or with the sheet's own
    // indActiveCell when none was set.
    int Dispatch(cmcCellCapsule& request, bool notify);

    // The grid.
    bool HasSlots() const { return !slots_.empty(); }
    int ColumnCount() const { return columns_; }
    int RowCount() const { return rows_; }
    // Fatal ("Illegal Cell selection") without slots or outside the grid.
    clsSheetCellId& SlotAt(int column, int row);
    const clsSheetCellId& SlotAt(int column, int row) const;
    cmcCellObj& CellAt(int column, int row) { return SlotAt(column, row).cell; }
    const cmcCellObj& CellAt(int column, int row) const { return SlotAt(column, row).cell; }
    bool Contains(int column, int row) const;
    // The row's attribute (which layout line it shows).
    const clsSheeRowAtr& RowAttr(int row);
    int ColumnWidth(int column) const { return columnWidths_.at(static_cast<std::size_t>(column)); }
    int RowHeight(int row) const { return rowHeights_.at(static_cast<std::size_t>(row)); }
    // Sums of all column widths and row heights: with the host's borders,
    // the size at which the whole grid shows without scrolling.
    int TotalWidth() const;
    int TotalHeight() const;
    // Fixed counts, at most one less than the column and row counts once
    // the sheet is built.
    int FixedColumns() const { return style_.fixedColumns; }
    int FixedRows() const { return style_.fixedRows; }
    // The smallest column and the smallest row holding a selectable cell;
    // the column and row counts when there is none.
    int FirstSelectableColumn() const { return firstSelectableColumn_; }
    int FirstSelectableRow() const { return firstSelectableRow_; }
    // The first selectable cell, row by row, with this cell id and index
    // (and category, when given).
    std::optional<SheetCellPos> FindSelectableCell(std::int32_t cellId, std::int32_t index,
                                                   std::optional<std::uint32_t> category = std::nullopt) const;

    // The rest of the sheet's state, for its widgets.
    const std::string& Name() const { return name_; }
    const std::string& Argument() const { return argument_; }
    const SheetStyle& Style() const { return style_; }
    MultiSelectMode MultiSelect() const { return style_.multiSelect; }
    bool ListMode() const { return listMode_; }
    bool Busy() const { return busy_ != 0; }
    bool Printing() const { return printer_ != nullptr; }
    SheetPrinter* Printer() const { return printer_; }
    int Scale() const { return scale_; }
    std::int32_t FontHeight() const { return fontHeight_; }
    const cmcCellCapsule* ContextRequest() const { return context_.get(); }
    MarkerImages* Markers() const { return markers_; }
    SheetView* View() const { return view_; }
    std::int32_t InitialCellId() const { return initialCellId_; }
    std::int32_t InitialIndex() const { return initialIndex_; }
    const SheetPosition& SavedPosition() const { return saved_; }
    const cmcCellObj& BasicCell() const { return basicCell_; }
    // The basic cell's font (the font of every cell without its own).
    const FontDesc& BasicFont() const;
    const CellCounters& Counters() const { return counters_; }
    // The record reused for every cell drawn, and its rectangle.
    cmcCellCapsule& DrawRequest() { return drawRequest_; }
    Rect& DrawRect() { return drawRect_; }
    // The grid's memory of the user's actions on this sheet.
    SheetInteraction& Interaction() { return interaction_; }

protected:
    // The measurer for captions: the printer's, the one set, the view's,
    // or character cells.
    TextMeasurer& ActiveMeasurer();
    std::int32_t FontSizePercentage() const;
    // Line L of a layout entry; false past its last line (the next entry's
    // "#" header, or the end of the file after line 0).
    bool ReadLayoutLine(const std::string& entry, int line, std::string& text);
    void AppendRow(std::int32_t line);

    cmcGTex& texts_;
    std::string name_;

    // Layout state while ParseLayout runs.
    std::int32_t skipCount_ = 0;  // lines still to be left out
    std::int32_t currentLine_ = 0;
    std::int32_t rows_ = 0;
    std::int32_t columns_ = 0;
    std::int32_t loopStart_ = -1;
    std::int32_t loopEnd_ = -1;
    std::int32_t loopCount_ = -1;
    std::int32_t loopBodyLength_ = 0;
    bool selectState_ = true;

    CellCounters counters_{};
    cmcCellObj basicCell_;
    // On paper: the basic cell with its font as described (the cells are
    // parsed over it, so that a font of their own keeps its proportion to
    // the basic font), and that font's height.
    std::optional<cmcCellObj> paperTemplate_;
    std::int32_t describedBasicHeight_ = 0;
    SheetStyle style_;

private:
    void BuildUserInterface();
    void RepeatLoopBody();
    void NoteSelectable(const cmcCellObj& cell, int column, int row);
    // The steps of FillCells. A row repeats the count cells of row source,
    // one list index further, or is parsed from its layout line; each
    // returns how many cells the row filled.
    int RepeatRow(int source, int count, int row, bool mayMultiSelect);
    int ParseRow(const std::string& entry, std::int32_t line, int row, bool mayMultiSelect, TextMeasurer& measurer);
    // A W or H cell widens its column or heightens its row to its caption.
    void GrowToCaption(const cmcCellObj& cell, int column, int row, TextMeasurer& measurer);
    // On paper, widens the columns a heading, a remark or a bound cell's
    // value would be cut in (caption_room.h).
    void WidenForCaptions(TextMeasurer& measurer);
    // The text a bound cell prints and its font; false for a value drawn
    // as segment characters.
    bool PrintedValue(cmcCellObj& cell, std::string& text, FontDesc& font);
    // A cell parsed for paper takes the printed basic cell as its template
    // and its own font scaled to it.
    void TakePaperFont(cmcCellObj& cell) const;
    // Notes a filled slot's selectability and its multi-selection bit.
    void TakeIntoRow(clsSheetCellId& slot, int column, int row, bool mayMultiSelect);
    void PlaceInitialCursor();

    SheetView* view_;
    std::unique_ptr<cmcCellCapsule> context_;
    MarkerImages* markers_;
    SheetCellHandler handler_ = nullptr;
    void* handlerContext_ = nullptr;
    std::unique_ptr<indActiveCell> ownDispatcher_;
    std::int32_t initialCellId_;
    std::int32_t initialIndex_;
    std::string argument_;
    std::int32_t busy_ = 0;
    SheetPrinter* printer_ = nullptr;
    int scale_ = 1;
    std::int32_t fontHeight_ = 0;
    SheetPosition saved_;
    std::string reference_;
    bool listMode_ = false;
    TextMeasurer* measurer_ = nullptr;
    std::optional<std::int32_t> fontPercent_;
    int firstSelectableColumn_ = 0;
    int firstSelectableRow_ = 0;

    clsSheetRowTable rowTable_;
    std::vector<clsSheetCellId> slots_;
    std::vector<int> columnWidths_;
    std::vector<int> rowHeights_;
    cmcCellCapsule drawRequest_;
    Rect drawRect_;
    SheetInteraction interaction_;
};

}  // namespace xtr
