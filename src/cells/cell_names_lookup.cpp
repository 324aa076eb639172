// Name lookup for categories and cells. Both name spaces share one hash
// table; each half is entered the first time a name of its kind is asked
// for. The entries carry their kind, so that a category name used where a
// cell is expected (or the other way round) is refused like any unknown
// name instead of yielding a number of the wrong kind.
#include "cells/categories.h"
#include "cells/cell_names.h"

#include "app/fatal.h"
#include "app/text_util.h"
#include "overlay/hash.h"

#include <string>

namespace xtr {
namespace {

constexpr std::uint32_t kNameTableBuckets = 1031;
// Added to a category number in the table; cell ids stay below it.
constexpr std::int32_t kCategoryTag = 0x10000;

struct NameTable {
    cmcHash hash{kNameTableBuckets};
    bool hasCategories = false;
    bool hasCells = false;
};

NameTable& Names()
{
    static NameTable table;
    return table;
}

}  // namespace

std::uint32_t CategoryOfName(std::string_view name)
{
    if (name.empty()) {
        return kCategoryNone;
    }
    NameTable& table = Names();
    if (!table.hasCategories) {
        table.hasCategories = true;
        for (std::uint32_t category = 0; category < kCategoryCount; ++category) {
            table.hash.Insert(CategoryName(category), kCategoryTag + static_cast<std::int32_t>(category));
        }
    }
    const cmcHash::Entry* entry = table.hash.Find(name);
    if (entry == nullptr || entry->value < kCategoryTag) {
        Fatal(Format("Cannot use the specified category.\n'%s'", std::string(name).c_str()));
    }
    return static_cast<std::uint32_t>(entry->value - kCategoryTag);
}

std::int32_t CellIdOfName(std::string_view name)
{
    if (name.empty()) {
        return kCellNone;
    }
    NameTable& table = Names();
    if (!table.hasCells) {
        table.hasCells = true;
        for (std::int32_t id = 0; id < kCellCount; ++id) {
            table.hash.Insert(CellName(id), id);
        }
    }
    const cmcHash::Entry* entry = table.hash.Find(name);
    if (entry == nullptr || entry->value >= kCategoryTag) {
        Fatal(Format("Cannot use the specified cell.\n'%s'", std::string(name).c_str()));
    }
    return entry->value;
}

}  // namespace xtr
