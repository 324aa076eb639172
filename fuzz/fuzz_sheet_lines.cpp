// The overlay entries of a sheet: the style line, the basic cell and the
// layout lines with their loops and multi-selection switches, built into a
// sheet without widgets as the command-line tool and the printer build it.
// Whatever the lines, the build either ends with one of the fatal errors of
// a broken layout or gives a grid whose every slot, row attribute and fixed
// count lies inside it. The style items are also applied one by one.
#include "app/globals.h"
#include "fuzz_support.h"
#include "overlay/gtex.h"
#include "ui/model/sheet.h"
#include "ui/model/sheet_items.h"
#include "ui/model/sheet_style.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace {

using xtr::fuzz::Require;

constexpr char kOwnStyles[] =
    "#CellModel_Loop\n($Loop)\n"
    "#End_Of_Ovl\n";

// The input's first line is the style line, the second the basic cell, the
// rest the layout lines; a line starting with "#" would start another entry
// and is kept from doing so.
std::string SheetOverlay(std::string_view input)
{
    std::string text = "#S_Style\n";
    int line = 0;
    std::size_t start = 0;
    while (start <= input.size()) {
        std::size_t end = input.find('\n', start);
        if (end == std::string_view::npos) {
            end = input.size();
        }
        std::string_view body = input.substr(start, end - start);
        if (!body.empty() && body.front() == '#') {
            body.remove_prefix(1);
        }
        text.append(body);
        text.push_back('\n');
        if (line == 0) {
            text += "#S_BasicCell\n";
        } else if (line == 1) {
            text += "#S_Cells\n";
        }
        ++line;
        start = end + 1;
    }
    if (line < 2) {
        text += line == 1 ? "\n#S_Cells\n" : "";
    }
    return text + xtr::fuzz::ShippedCellStyles() + kOwnStyles;
}

// Loops only repeat the rows they hold, so long ones slow the search down
// without reaching anything new (the row limits have tests of their own):
// inputs whose loops could repeat rows more than this are skipped.
constexpr long kMaxRepeats = 32;

bool LoopsStaySmall(std::string_view input)
{
    long repeats = 1;
    std::size_t start = 0;
    while (start < input.size()) {
        std::size_t end = input.find('\n', start);
        if (end == std::string_view::npos) {
            end = input.size();
        }
        const std::string_view line = input.substr(start, end - start);
        start = end + 1;
        if (line.find("LoopFrom") == std::string_view::npos) {
            continue;  // most lines hold no loop: no need to split them
        }
        for (std::string_view item : xtr::ParenItems(line)) {
            if (xtr::ItemHasKey(item, "LoopFrom")) {
                const std::optional<int> count = xtr::ItemCount(item, "LoopFrom");
                repeats *= count && *count > 1 ? std::min<long>(*count, kMaxRepeats + 1) : 1;
                if (repeats > kMaxRepeats) {
                    return false;
                }
            }
        }
    }
    return true;
}

void CheckBuilt(xtr::cuiSheet& sheet)
{
    const int columns = sheet.ColumnCount();
    const int rows = sheet.RowCount();
    Require(sheet.HasSlots() && columns > 0 && rows > 0, "a built sheet has cells");
    Require(rows <= xtr::kMaxSheetRows && static_cast<std::int64_t>(columns) * rows <= xtr::kMaxSheetSlots,
            "the grid stays inside the limits");
    Require(sheet.FixedColumns() >= 0 && sheet.FixedColumns() < columns, "fixed columns inside the grid");
    Require(sheet.FixedRows() >= 0 && sheet.FixedRows() < rows, "fixed rows inside the grid");
    for (int r = 0; r < rows; ++r) {
        (void)sheet.RowAttr(r);
        Require(sheet.RowHeight(r) >= 0, "row heights are not negative");
        for (int c = 0; c < columns; ++c) {
            (void)sheet.CellAt(c, r).Caption();
        }
    }
    for (int c = 0; c < columns; ++c) {
        Require(sheet.ColumnWidth(c) >= 0, "column widths are not negative");
    }
    Require(sheet.FirstSelectableColumn() <= columns && sheet.FirstSelectableRow() <= rows,
            "the first selectable cell lies inside the grid");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);

    // The style line's items one at a time, as the sheet reads them.
    const std::string_view styleLine = input.substr(0, input.find('\n'));
    xtr::SheetStyle style;
    for (std::string_view item : xtr::ParenItems(styleLine)) {
        xtr::ApplyStyleItem(style, item);
        (void)xtr::ItemValue(item);
        (void)xtr::ItemCount(item, "LoopFrom");
    }

    if (!LoopsStaySmall(input)) {
        return 0;
    }
    xtr::cmcGTex texts;
    texts.NameText(SheetOverlay(input));
    xtr::SetGTex(&texts);
    {
        xtr::fuzz::ExpectedFatals fatals{"Illegal Cell assign", XTR_FUZZ_DESCRIPTION_FATALS};
        try {
            xtr::cuiSheet sheet(nullptr, nullptr, 0, 0, texts, "S", nullptr);
            sheet.Show();
            CheckBuilt(sheet);
        } catch (const xtr::fuzz::FatalStop&) {
            // A broken layout: the overlay's error, reported as designed.
        }
    }
    xtr::SetGTex(nullptr);
    return 0;
}
