// Printing one sheet page by page, and printing every page of the tree one
// sheet per idle tick. The printer, the sheet building and the drawing are
// behind PrintTarget, so the paging, the refits with a smaller font and
// Cancel run the same for paper, PDF and the tests.
#pragma once

#include "app/canvas.h"
#include "ui/model/print_layout.h"

#include <string>
#include <vector>

namespace xtr {

// What printing asks of the printer side.
class PrintTarget {
public:
    virtual ~PrintTarget() = default;

    // The document around the pages.
    virtual void BeginDocument() = 0;
    virtual void EndDocument() = 0;
    virtual void NewPage() = 0;

    // Discards the sheet built before, if any, and creates, lays out for
    // the printer and builds the sheet of reference with the cells' font
    // height. False when the reference names no sheet.
    virtual bool BuildSheet(const std::string& reference, int fontHeight) = 0;
    virtual void DiscardSheet() = 0;
    // The grid of the sheet built.
    virtual PrintGrid Grid() = 0;
    virtual bool SheetPrintable() = 0;
    // The rectangle left inside the page frame drawn on area.
    virtual Rect MeasureFrame(const Rect& area) = 0;
    // Draws the page frame on area and the block's cells on inner.
    virtual void DrawPage(const Rect& area, const Rect& inner, const PageBlock& block) = 0;
};

// What a document in progress keeps between sheets.
struct PrintState {
    // Set by the printing dialog's Cancel button.
    bool cancel = false;
    // A page was printed: the next one asks for a new page first.
    bool pageStarted = false;
};

// How often a page's block may be laid out again with a smaller font before
// it is printed as it is, clipped by the paper.
inline constexpr int kMaxRefits = 3;

// Prints the sheet of reference on pages with printable rectangle area,
// its cells in font height fontHeight (shrunk for the rest of the sheet
// when a page's block does not fit). Stops before a page when state.cancel
// is set or the sheet is no longer printable. Returns the pages printed.
int PrintSheet(PrintTarget& target, PrintState& state, const std::string& reference, const Rect& area,
               int fontHeight);

// Print all: one sheet per Tick, so that the printing dialog stays
// responsive between them. The first tick begins the document; every
// reference is visited in order (an empty one prints nothing); the tick
// after the last ends the document.
class PrintAllRun {
public:
    PrintAllRun(PrintTarget& target, PrintState& state, std::vector<std::string> references, Rect area,
                int fontHeight);

    // False once the document has ended.
    bool Tick();
    bool Done() const { return done_; }
    int Pages() const { return pages_; }

private:
    PrintTarget& target_;
    PrintState& state_;
    std::vector<std::string> references_;
    Rect area_;
    int fontHeight_;
    std::size_t next_ = 0;
    int pages_ = 0;
    bool done_ = false;
};

}  // namespace xtr
