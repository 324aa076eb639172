// Cell descriptions as the overlay writes them for sheet rows, menus and the
// tree: attribute groups, fonts, colours, cell references, counters and
// caption escapes. Whatever the text, parsing a row must either end with one
// of the fatal errors of a broken description or take it apart into exactly
// as many cells as the row's bars say, each step consuming text.
#include "app/globals.h"
#include "cells/cell_description.h"
#include "cells/cell_description_text.h"
#include "cells/cell_obj.h"
#include "fuzz_support.h"
#include "overlay/gtex.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace {

using xtr::fuzz::Require;

// Named styles the descriptions may use: the shipped ones, and one that
// uses itself without end.
constexpr char kOwnStyles[] =
    "#CellModel_Loop\n($Loop)\n"
    "#CellModel_Empty\n\n"
    "#End_Of_Ovl\n";

constexpr int kMaxCells = 512;

struct Setup {
    Setup()
    {
        gtex.NameText(xtr::fuzz::ShippedCellStyles() + kOwnStyles);
        xtr::SetGTex(&gtex);
        ParseCellDescription("{($Page)}", basic, nullptr, nullptr);
    }
    xtr::cmcGTex gtex;
    xtr::cmcCellObj basic;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    static Setup setup;
    if (size == 0) {
        return 0;
    }
    // Byte 0: whether the row has counters and starts from the basic cell.
    const bool withCounters = (data[0] & 1) != 0;
    const bool withTemplate = (data[0] & 2) != 0;
    const std::string_view row(reinterpret_cast<const char*>(data + 1), size - 1);

    xtr::fuzz::ExpectedFatals fatals{XTR_FUZZ_DESCRIPTION_FATALS};
    xtr::CellCounters counters{};
    int cells = 0;
    try {
        std::string_view rest = row;
        while (!rest.empty() && cells < kMaxCells) {
            xtr::cmcCellObj cell;
            const std::string_view next = xtr::ParseCellDescription(
                rest, cell, withCounters ? &counters : nullptr, withTemplate ? &setup.basic : nullptr);
            Require(next.size() < rest.size(), "a description consumes text");
            Require(next.empty() || next.data() + next.size() == rest.data() + rest.size(), "the rest is the row's tail");
            rest = next;
            ++cells;
        }
        if (cells < kMaxCells && !row.empty()) {
            Require(cells == xtr::CountCellDescriptions(row), "as many cells as the bars say");
        }
    } catch (const xtr::fuzz::FatalStop&) {
        // A broken description: the overlay's error, reported as designed.
    }
    return 0;
}
