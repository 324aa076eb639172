// The call-option word: sixteen switches of the MPT1327 call types in the
// big-endian word at 0x0F13 (bits 15-8 in 0x0F13, bits 7-0 in 0x0F14), all
// shown with the inverted list "GI_Sheet_Sel_Misc_Enable_I" (a set bit
// shows as disabled).
#include "cells/cell_names.h"
#include "cells/codecs/codec_selection.h"
#include "cells/map/map_common.h"
#include "cells/map/map_families.h"
#include "cells/map/map_variant.h"
#include "image/memory_map.h"

namespace xtr::cellmap {
namespace {

using memmap::kCallOptionWord;
constexpr const char* kCallOptionList = "GI_Sheet_Sel_Misc_Enable_I";

struct CallOptionCell {
    std::int32_t cell;
    int bit;  // bit of the word
};

// clang-format off
constexpr CallOptionCell kCallOptions[] = {
    //  cell                        bit of 0x0F13-0x0F14
    {CL_CallOp_PSTNCall,            0},
    {CL_CallOp_LongPABX,            1},
    {CL_CallOp_ShortPABX,           2},
    {CL_CallOp_InterFleet,          3},   // Mpt only
    {CL_CallOp_SystemWide,          4},
    {CL_CallOp_Divert3rdParty,      5},
    {CL_CallOp_SDMCall,             6},
    {CL_CallOp_IncludeCall,         7},
    {CL_CallOp_FOACSU,              8},
    {CL_CallOp_InterFleetGrp,       9},   // Mpt only
};
// clang-format on

void CallOptionHandler(CellCall& call)
{
    if (VariantRefuses(call)) {
        return;
    }
    const CallOptionCell& row = call.Data<CallOptionCell>();
    // Big-endian: the high byte of the word comes first.
    const std::int32_t address = kCallOptionWord + (row.bit < 8 ? 1 : 0);
    CodecSelectionBits(call.rq, call.editorKind, call.lists, kCallOptionList, Field(call, address), row.bit % 8, 1);
}

}  // namespace

void RegisterCallOptionCells(CellRegistry& registry)
{
    for (const CallOptionCell& row : kCallOptions) {
        registry.Register(row.cell, CallOptionHandler, &row);
    }
}

}  // namespace xtr::cellmap
