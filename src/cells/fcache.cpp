#include "cells/fcache.h"

#include "app/globals.h"
#include "app/text_util.h"
#include "cells/cell_description.h"
#include "overlay/gtex.h"

#include <algorithm>

namespace xtr {
namespace {

// Calls take(cell, position) for every cell of one list line. An empty line
// holds no cell.
template <typename Take>
int ForEachCell(std::string_view line, CellCounters& counters, Take take)
{
    int position = 0;
    cmcCellObj cell;
    while (!line.empty()) {
        line = ParseCellDescription(line, cell, &counters, nullptr);
        take(cell, position);
        ++position;
    }
    return position;
}

}  // namespace

cmcFCache::cmcFCache() : store_(&GTex()) {}

cmcFCache::cmcFCache(cmcGTex& store) : store_(&store) {}

cmcFCache::~cmcFCache() = default;

cmcFCache::Table& cmcFCache::Build(const std::string& key, std::string_view list, std::int32_t cellId)
{
    tables_.push_back(std::make_unique<Table>());
    Table& table = *tables_.back();
    hash_.Insert(key, &table);

    const std::string entry = std::string(list) + "_Cells";
    // The lists carry no loops, but a counter written in one must not end
    // the program: counters start at 0 as on a sheet.
    CellCounters counters{};

    // Pass 1: the number of lines and of items, so that the item arrays are
    // sized once.
    std::size_t itemCount = 0;
    std::int32_t line = 0;
    for (;; ++line) {
        const std::string text = store_->Text(entry, line);
        if (!text.empty() && text[0] == '#') {
            break;
        }
        ForEachCell(text, counters, [&](const cmcCellObj& cell, int) {
            if (cell.cellId == cellId) {
                ++itemCount;
            }
        });
    }
    table.lineCount = line;

    // Pass 2: the items.
    counters.fill(0);
    table.byValue.reserve(itemCount);
    for (std::int32_t n = 0; n < table.lineCount; ++n) {
        const std::string text = store_->Text(entry, n);
        const int cells = ForEachCell(text, counters, [&](const cmcCellObj& cell, int position) {
            if (cell.cellId != cellId) {
                return;
            }
            Item item;
            item.line = n;
            item.position = position;
            item.value = cell.index;
            if (cell.caption) {
                item.caption = *cell.caption;
            } else if (cell.parameter) {
                item.caption = *cell.parameter;
            }
            table.byValue.push_back(std::move(item));
        });
        table.widestLine = std::max(table.widestLine, cells);
    }

    std::stable_sort(table.byValue.begin(), table.byValue.end(),
                     [](const Item& a, const Item& b) { return a.value < b.value; });
    table.byLayout = table.byValue;
    const std::int64_t lines = table.lineCount;
    std::stable_sort(table.byLayout.begin(), table.byLayout.end(), [lines](const Item& a, const Item& b) {
        return a.line + lines * a.position < b.line + lines * b.position;
    });
    return table;
}

const cmcFCache::Table& cmcFCache::TableOf(std::string_view list, std::int32_t cellId)
{
    const std::string key = Format("%.*s#%d", static_cast<int>(list.size()), list.data(), cellId);
    if (const auto* entry = hash_.Find(key)) {
        return *entry->value;
    }
    return Build(key, list, cellId);
}

std::string cmcFCache::TextOf(std::string_view list, std::int32_t cellId, std::int32_t value)
{
    const Table& table = TableOf(list, cellId);
    const auto found = std::lower_bound(table.byValue.begin(), table.byValue.end(), value,
                                        [](const Item& item, std::int32_t v) { return item.value < v; });
    if (found == table.byValue.end() || found->value != value) {
        return "error";
    }
    return found->caption;
}

std::int32_t cmcFCache::Step(std::string_view list, std::int32_t cellId, std::int32_t value, std::int32_t step)
{
    // Building here as well keeps a key pressed on a cell that was never
    // drawn from stepping to a wrong value.
    const Table& table = TableOf(list, cellId);
    const auto& items = table.byLayout;
    if (items.empty()) {
        return value;
    }
    const auto found =
        std::find_if(items.begin(), items.end(), [value](const Item& item) { return item.value == value; });
    if (found == items.end()) {
        return items.front().value;
    }
    const std::int64_t count = static_cast<std::int64_t>(items.size());
    std::int64_t at = (found - items.begin() + static_cast<std::int64_t>(step)) % count;
    if (at < 0) {
        at += count;
    }
    return items[static_cast<std::size_t>(at)].value;
}

}  // namespace xtr
