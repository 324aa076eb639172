// The maker's frequencies: the receiver's IF offset (signed) and the PLL
// reference, kept in Hz (32-bit) and shown in MHz with four decimals, set
// in steps of 12.5 kHz.
#include "cells/cell_handlers.h"
#include "cells/cell_names.h"
#include "cells/codecs/codec_fixed.h"
#include "cells/map/map_common.h"
#include "cells/map/map_families.h"

namespace xtr::cellmap {
namespace {

struct FixedCell {
    std::int32_t cell;
    std::int32_t address;
    FixedSpec spec;
};

// Hz shown in MHz: 10^6 stored units per shown unit, four decimals.
constexpr FixedSpec MHz(double min, double max)
{
    return {6, 4, min, max, 12500, 0};
}

// clang-format off
constexpr FixedCell kFixed[] = {
    //  cell                       address  MHz from  to
    {CL_Maker_IfFreq,              0x0010,  MHz(-99.975, 99.975)},
    {CL_Maker_Pll_Reference,       0x0014,  MHz(  0.0,   99.975)},
};
// clang-format on

void FixedHandler(CellCall& call)
{
    const FixedCell& row = call.Data<FixedCell>();
    std::int32_t value = static_cast<std::int32_t>(Read(call, row.address, 4));
    if (CodecFixed(call.rq, call.editorKind, value, row.spec)) {
        Write(call, row.address, 4, static_cast<std::uint32_t>(value));
    }
}

}  // namespace

void RegisterFixedPointCells(CellRegistry& registry)
{
    for (const FixedCell& row : kFixed) {
        registry.Register(row.cell, FixedHandler, &row);
    }
}

}  // namespace xtr::cellmap
