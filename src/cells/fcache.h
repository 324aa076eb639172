// cmcFCache: the selection lists of the overlay, parsed once. A selection
// cell shows one item of a list ("GI_Sheet_Sel_..."); the list's entry
// "<name>_Cells" holds cell descriptions, and the items of a list for a
// given cell id are the cells of that id, each standing for the value of its
// index and showing its caption. The cache answers the text of a value and
// the value before or after it in the order the list is laid out (column by
// column, each column top to bottom), reading the overlay only the first
// time a list is asked for.
#pragma once

#include "overlay/hash.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace xtr {

class cmcGTex;

class cmcFCache {
public:
    struct Item {
        std::int32_t line = 0;      // body line of the list entry
        std::int32_t position = 0;  // place of the cell within its line, from 0
        std::int32_t value = 0;     // the cell's index
        std::string caption;
    };

    struct Table {
        std::int32_t lineCount = 0;   // body lines before the ending header
        std::int32_t widestLine = 0;  // most cells on one line
        std::vector<Item> byValue;    // ascending values, ties in list order
        std::vector<Item> byLayout;   // column by column
    };

    // Reads the lists from store (by default the process-wide overlay).
    cmcFCache();
    explicit cmcFCache(cmcGTex& store);
    ~cmcFCache();
    cmcFCache(const cmcFCache&) = delete;
    cmcFCache& operator=(const cmcFCache&) = delete;

    // The caption of the item of cellId with value in list; "error" when the
    // list has no such item. A list missing from the overlay is fatal.
    std::string TextOf(std::string_view list, std::int32_t cellId, std::int32_t value);

    // The value `step` items after (before, for a negative step) the item
    // with value, in layout order, wrapping at both ends; the first item's
    // value when value is not in the list; value itself when the list has no
    // item of cellId.
    std::int32_t Step(std::string_view list, std::int32_t cellId, std::int32_t value, std::int32_t step);

    // The parsed table of list and cellId (built when missing).
    const Table& TableOf(std::string_view list, std::int32_t cellId);

    // Number of tables built so far.
    std::size_t TableCount() const { return tables_.size(); }

private:
    Table& Build(const std::string& key, std::string_view list, std::int32_t cellId);

    cmcGTex* store_;
    cmcHash2<Table> hash_{1031};
    std::vector<std::unique_ptr<Table>> tables_;
};

}  // namespace xtr
