// Set mode: which settings the user may change on the radio itself. Each
// is one enable bit of the field at 0x0166 (bit n in byte 0x0166 + n/8,
// mask 0x80 >> n%8), shown with "GI_Sheet_Sel_Misc_Enable".
#include "cells/cell_names.h"
#include "cells/codecs/codec_selection.h"
#include "cells/map/map_warnings.h"
#include "cells/map/map_families.h"
#include "cells/map/map_variant.h"

namespace xtr::cellmap {
namespace {

struct EnableCell {
    std::int32_t cell;
    int bit;
    CellCheck check = nullptr;
};

// clang-format off
constexpr EnableCell kEnableBits[] = {
    //  cell                            bit  byte/mask
    {CL_Set_SysInfoEnable,              0},  // 0x0166 0x80
    {CL_Set_BacklightEnable,            1},  // 0x0166 0x40
    {CL_Set_RingerSetEnable,            2},  // 0x0166 0x20
    {CL_Set_BeepLevelSetEnable,         3},  // 0x0166 0x10
    {CL_Set_HookEnable,                 4},  // 0x0166 0x08
    {CL_Set_HornEnable,                 5, CheckHornEnable},  // 0x0166 0x04
    {CL_Set_SquelchSetEnable,           7},  // 0x0166 0x01
    {CL_Set_AFMinLevelSetEnable,        8},  // 0x0167 0x80
    {CL_Set_CompanderEnable,            9},  // 0x0167 0x40
    {CL_Set_MicGainEnable,             10},  // 0x0167 0x20
    {CL_Set_ScramblerEnable,           13},  // 0x0167 0x04
};
// clang-format on

void EnableHandler(CellCall& call)
{
    if (VariantRefuses(call)) {
        return;
    }
    const EnableCell& row = call.Data<EnableCell>();
    CodecEnableBit(call.rq, call.editorKind, call.lists, call.image, row.bit);
    if (row.check != nullptr) {
        row.check(call);
    }
}

}  // namespace

void RegisterSetModeCells(CellRegistry& registry)
{
    for (const EnableCell& row : kEnableBits) {
        registry.Register(row.cell, EnableHandler, &row);
    }
}

}  // namespace xtr::cellmap
