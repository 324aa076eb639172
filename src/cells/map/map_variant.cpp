#include "cells/map/map_variant.h"

#include "cells/cell_names.h"
#include "cells/numbering/mpt_cells_common.h"
#include "cells/numbering/mpt_plan.h"

#include <array>
#include <string_view>

namespace xtr {
namespace {

// The inter-fleet calls of the call-option word: Mpt firmware only.
constexpr std::int32_t kMptOnlyCells[] = {
    CL_CallOp_InterFleet,
    CL_CallOp_InterFleetGrp,
};

std::array<CellVariant, kCellCount> BuildVariants()
{
    std::array<CellVariant, kCellCount> variants{};
    variants.fill(CellVariant::Both);
    for (std::int32_t id = 0; id < kCellCount; ++id) {
        if (CellName(id).ends_with("_Cps")) {
            variants[static_cast<std::size_t>(id)] = CellVariant::CpsOnly;
        }
    }
    for (std::int32_t id : kMptOnlyCells) {
        variants[static_cast<std::size_t>(id)] = CellVariant::MptOnly;
    }
    return variants;
}

}  // namespace

CellVariant VariantOf(std::int32_t cellId)
{
    static const std::array<CellVariant, kCellCount> variants = BuildVariants();
    if (cellId < 0 || cellId >= kCellCount) {
        return CellVariant::Both;
    }
    return variants[static_cast<std::size_t>(cellId)];
}

bool CpsVariant()
{
    return CurrentNumbering().scheme == MptScheme::Cps;
}

bool VariantRefuses(CellCall& call)
{
    switch (VariantOf(call.Cell().cellId)) {
    case CellVariant::CpsOnly:
        return mptcell::OtherSchemeOnly(call, MptScheme::Cps);
    case CellVariant::MptOnly:
        return mptcell::OtherSchemeOnly(call, MptScheme::Mpt);
    case CellVariant::Both:
        break;
    }
    return false;
}

}  // namespace xtr
