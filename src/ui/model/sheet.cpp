// The sheet's life: creation, showing, the style line, requests and the
// questions its widgets ask about the grid.
#include "ui/model/sheet.h"

#include "app/environ.h"
#include "app/fatal.h"
#include "app/globals.h"
#include "cells/active_cell.h"
#include "overlay/gtex.h"
#include "ui/model/sheet_items.h"
#include "ui/model/text_measurer.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace xtr {

cuiSheet::cuiSheet(SheetView* host, const cmcCellCapsule* context, std::int32_t initialCellId,
                   std::int32_t initialIndex, cmcGTex& texts, std::string name, MarkerImages* markers)
    : texts_(texts),
      name_(std::move(name)),
      view_(host),
      context_(context != nullptr ? std::make_unique<cmcCellCapsule>(*context) : nullptr),
      markers_(markers),
      initialCellId_(initialCellId),
      initialIndex_(initialIndex)
{
    drawRequest_.rectangle = &drawRect_;
}

cuiSheet::~cuiSheet()
{
    if (view_ != nullptr) {
        view_->DestroyWidgets(*this);
    }
}

void cuiSheet::SetArgument(const std::string& argument) { argument_ = argument; }

void cuiSheet::Show()
{
    busy_ = 1;
    BuildUserInterface();
    if (!Contains(saved_.column, saved_.row)) {
        saved_ = SheetPosition{};
    }
    if (view_ != nullptr) {
        PlaceInitialCursor();
        const int column = view_->CursorColumn();
        const int row = view_->CursorRow();
        // A sheet without a selectable cell (a pure information page) takes
        // no input at all.
        if (!Contains(column, row) || !CellAt(column, row).IsSelectable()) {
            view_->SetGridEnabled(false);
        }
    }
    busy_ = 0;
    if (view_ != nullptr) {
        view_->SheetReady(*this);
    }
}

void cuiSheet::BuildUserInterface()
{
    const std::string style = texts_.Text(name_ + "_Style", 0);
    for (std::string_view item : ParenItems(style)) {
        ParseStyleItem(item);
    }
    if (view_ != nullptr) {
        view_->CreateWidgets(*this);
    }
    BuildCells();
    // At least one row and one column must scroll; a negative count fixes
    // nothing.
    style_.fixedColumns = std::clamp(style_.fixedColumns, 0, columns_ - 1);
    style_.fixedRows = std::clamp(style_.fixedRows, 0, rows_ - 1);
    if (view_ != nullptr) {
        view_->LayoutGrid(*this);
    }
}

void cuiSheet::PlaceInitialCursor()
{
    if (saved_.column < 0) {
        if (initialCellId_ != 0) {
            if (const auto pos = FindSelectableCell(initialCellId_, initialIndex_)) {
                view_->PutCursor(pos->column, pos->row);
            }
        }
        return;
    }
    if (!CellAt(saved_.column, saved_.row).IsSelectable()) {
        return;
    }
    // The grid may have changed shape since the position was saved (another
    // font size, another image): keep the scroll position inside it.
    const int left = std::clamp(saved_.leftColumn, style_.fixedColumns, columns_ - 1);
    const int top = std::clamp(saved_.topRow, style_.fixedRows, rows_ - 1);
    view_->SetTopLeft(left, top);
    view_->PutCursor(saved_.column, saved_.row);
}

void cuiSheet::ParseStyleItem(std::string_view item) { ApplyStyleItem(style_, item); }

std::string cuiSheet::GetTitle() const { return style_.title.value_or(std::string()); }

bool cuiSheet::IsPrintable() const { return !style_.noPrint; }

void cuiSheet::SetPrinter(SheetPrinter* printer)
{
    printer_ = printer;
    scale_ = printer != nullptr ? std::max(1, printer->DotsPerInchY() / 120) : 1;
}

void cuiSheet::SetCellHandler(SheetCellHandler handler, void* context)
{
    handler_ = handler;
    handlerContext_ = context;
}

int cuiSheet::Dispatch(cmcCellCapsule& request, bool notify)
{
    if (handler_ != nullptr) {
        return handler_(handlerContext_, request, notify);
    }
    if (ownDispatcher_ == nullptr) {
        ownDispatcher_ = std::make_unique<indActiveCell>();
    }
    return ownDispatcher_->Dispatch(request, notify);
}

bool cuiSheet::Contains(int column, int row) const
{
    return column >= 0 && row >= 0 && column < columns_ && row < rows_;
}

clsSheetCellId& cuiSheet::SlotAt(int column, int row)
{
    return const_cast<clsSheetCellId&>(std::as_const(*this).SlotAt(column, row));
}

const clsSheetCellId& cuiSheet::SlotAt(int column, int row) const
{
    if (slots_.empty() || !Contains(column, row)) {
        Fatal("Illegal Cell selection");
    }
    return slots_[static_cast<std::size_t>(column) + static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_)];
}

const clsSheeRowAtr& cuiSheet::RowAttr(int row)
{
    if (row < 0 || row >= rows_) {
        Fatal("Illegal Cell selection");
    }
    return rowTable_.At(row);
}

int cuiSheet::TotalWidth() const { return std::accumulate(columnWidths_.begin(), columnWidths_.end(), 0); }

int cuiSheet::TotalHeight() const { return std::accumulate(rowHeights_.begin(), rowHeights_.end(), 0); }

std::optional<SheetCellPos> cuiSheet::FindSelectableCell(std::int32_t cellId, std::int32_t index,
                                                         std::optional<std::uint32_t> category) const
{
    for (int row = 0; row < rows_ && HasSlots(); ++row) {
        for (int column = 0; column < columns_; ++column) {
            const cmcCellObj& cell = CellAt(column, row);
            if (cell.IsSelectable() && cell.cellId == cellId && cell.index == index &&
                (!category || cell.category == *category)) {
                return SheetCellPos{column, row};
            }
        }
    }
    return std::nullopt;
}

const FontDesc& cuiSheet::BasicFont() const
{
    static const FontDesc kDefault;
    return basicCell_.font ? *basicCell_.font : kDefault;
}

TextMeasurer& cuiSheet::ActiveMeasurer()
{
    static CharCellMeasurer characters;
    if (printer_ != nullptr) {
        return printer_->Measurer();
    }
    if (measurer_ != nullptr) {
        return *measurer_;
    }
    if (view_ != nullptr) {
        return view_->Measurer();
    }
    return characters;
}

std::int32_t cuiSheet::FontSizePercentage() const
{
    if (fontPercent_) {
        return *fontPercent_;
    }
    return HasEnv() ? Env().fontSizePercentage : 100;
}

bool cuiSheet::ReadLayoutLine(const std::string& entry, int line, std::string& text)
{
    // A missing entry, and an entry whose lines run into the end of the
    // file without the header that ends them (an overlay cut short, or one
    // without End_Of_Ovl), are errors of the overlay: the store's own fatal
    // message names the entry, rather than a sheet showing only part of it.
    text = texts_.Text(entry, line);
    return text.empty() || text[0] != '#';
}

}  // namespace xtr
