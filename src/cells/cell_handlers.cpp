// The registry of cell handlers and the list of cell families. Binding a
// new family of cells: write its registration function in a file of its own,
// declare it in cell_handlers_families.h and add it to kFamilies below.
#include "cells/cell_handlers.h"

#include "app/fatal.h"
#include "app/text_util.h"
#include "cells/cell_handlers_families.h"
#include "cells/cell_names.h"

namespace xtr {
namespace {

constexpr CellFamily kFamilies[] = {
    RegisterLabelCells,
    RegisterMptNumberCells,
    RegisterListCells,
    RegisterDisplayTextCells,
    RegisterCheckCells,
    RegisterImageMapCells,
};

}  // namespace

CellRegistry::CellRegistry() : bindings_(static_cast<std::size_t>(kCellCount)) {}

void CellRegistry::Register(std::int32_t id, CellHandler handler, const void* data)
{
    if (id < 0 || id >= kCellCount || handler == nullptr) {
        Fatal(Format("Cannot bind cell %d.", id));
    }
    CellBinding& binding = bindings_[static_cast<std::size_t>(id)];
    if (binding.handler != nullptr) {
        Fatal(Format("Cell bound twice.\n'%s'", std::string(CellName(id)).c_str()));
    }
    binding = {handler, data};
}

const CellBinding* CellRegistry::Find(std::int32_t id) const
{
    if (id < 0 || id >= kCellCount) {
        return nullptr;
    }
    const CellBinding& binding = bindings_[static_cast<std::size_t>(id)];
    return binding.handler != nullptr ? &binding : nullptr;
}

bool CellRegistry::IsAnswered(std::int32_t id) const
{
    return IsNoOpCell(id) || Find(id) != nullptr;
}

std::vector<std::int32_t> CellRegistry::Unanswered() const
{
    std::vector<std::int32_t> ids;
    for (std::int32_t id = 0; id < kCellCount; ++id) {
        if (!IsAnswered(id)) {
            ids.push_back(id);
        }
    }
    return ids;
}

void RegisterAllCells(CellRegistry& registry)
{
    for (CellFamily family : kFamilies) {
        family(registry);
    }
}

const CellRegistry& DefaultCellRegistry()
{
    static const CellRegistry registry = [] {
        CellRegistry filled;
        RegisterAllCells(filled);
        return filled;
    }();
    return registry;
}

}  // namespace xtr
