// Settings chosen from a selection list of the overlay. Most are a few bits
// of one byte; some take a whole byte, a 16-bit or a 32-bit value; the key
// assignments are one byte per key, the cell's index choosing the key.
#include "cells/cell_names.h"
#include "cells/codecs/codec_selection.h"
#include "cells/map/map_warnings.h"
#include "cells/map/map_common.h"
#include "cells/map/map_families.h"
#include "cells/map/map_variant.h"
#include "image/memory_map.h"

namespace xtr::cellmap {
namespace {

struct SelectionCell {
    std::int32_t cell;
    std::int32_t address;
    int bytes;  // 1: bits high..low of one byte; 2, 4: the whole big-endian value
    int high;
    int low;
    const char* list;
    const char* mptList = nullptr;  // the list of the Mpt variant, where it differs
    int keys = 0;                   // one byte per key from address on, the index picks the key
    CellCheck check = nullptr;
    bool changesOthers = false;

    constexpr SelectionCell Mpt(const char* other) const
    {
        SelectionCell row = *this;
        row.mptList = other;
        return row;
    }
    constexpr SelectionCell Keys(int count) const
    {
        SelectionCell row = *this;
        row.keys = count;
        return row;
    }
    constexpr SelectionCell Checked(CellCheck c) const
    {
        SelectionCell row = *this;
        row.check = c;
        return row;
    }
    constexpr SelectionCell Others() const
    {
        SelectionCell row = *this;
        row.changesOthers = true;
        return row;
    }
};

constexpr SelectionCell Bits(std::int32_t cell, std::int32_t address, int high, int low, const char* list)
{
    return {cell, address, 1, high, low, list};
}
constexpr SelectionCell Bit(std::int32_t cell, std::int32_t address, int bit, const char* list)
{
    return Bits(cell, address, bit, bit, list);
}
constexpr SelectionCell Byte(std::int32_t cell, std::int32_t address, const char* list)
{
    return Bits(cell, address, 7, 0, list);
}
constexpr SelectionCell Word16(std::int32_t cell, std::int32_t address, const char* list)
{
    return {cell, address, 2, 15, 0, list};
}
constexpr SelectionCell Word32(std::int32_t cell, std::int32_t address, const char* list)
{
    return {cell, address, 4, 31, 0, list};
}

constexpr int kKeyCount = 12;  // keys 0..11: 0x0120-0x012B trunked, 0x012C-0x0137 conventional

// clang-format off
constexpr SelectionCell kSelections[] = {
    //   cell                                  address bits     list
    Bits(CL_Person_RfPowerSelection,           0x0F48, 1, 0,    "GI_Sheet_Sel_Pers_RfPower"),
    Bit (CL_CallOp_DirectDespatcher,           0x0F46, 7,       "GI_Sheet_Sel_Misc_YesNo"),
    Bit (CL_CallOp_StatusSelect,               0x0F46, 6,       "GI_Sheet_Sel_Misc_Enable"),
    Bit (CL_CallOp_CallBack,                   0x0F46, 5,       "GI_Sheet_Sel_Misc_Enable"),
    Bit (CL_CallOp_AlertonGTC,                 0x0F46, 4,       "GI_Sheet_Sel_Misc_Enable"),
    Bit (CL_CallOp_TechnicianCall,             0x0F46, 3,       "GI_Sheet_Sel_Misc_Enable"),
    Bit (CL_CallOp_GroupCallMaint_Cps,         0x0F46, 2,       "GI_Sheet_Sel_Misc_OnOff"),
    Bit (CL_CallOp_GroupCallCheckPfix_Cps,     0x0F46, 1,       "GI_Sheet_Sel_Misc_OnOff_I"),
    Bit (CL_CallOp_DisplayPressel,             0x0F46, 0,       "GI_Sheet_Sel_Misc_Enable"),
    Bit (CL_CallOp_Send8PABX_Cps,              0x0F47, 7,       "GI_Sheet_Sel_Send8PABX"),
    Bit (CL_Comm_DialledCallEnable,            0x0F47, 6,       "GI_Sheet_Sel_Misc_Enable"),
    Bit (CL_CallOp_QueueDelete,                0x0F48, 5,       "GI_Sheet_Sel_QueueDel"),
    Bit (CL_NetId_FFSKModulation,              0x0F48, 7,       "GI_Sheet_Sel_FFSK_Modulation"),
    Bit (CL_NetId_ChSpacing,                   0x0F48, 6,       "GI_Sheet_Sel_ChSpacing"),
    Bit (CL_CallOp_KilledEnable_Cps,           0x0ECC, 1,       "GI_Sheet_Sel_Misc_OnOff"),
    Bit (CL_ComprehensiveEnable,               0x0ECD, 0,       "GI_Sheet_Sel_Misc_Enable_I"),
    // The network type sets the limits of the operator id, LA, LZ, the home
    // zone, the fall-back NDD and the AAD and NDD entries.
    Bit (CL_NetId_NetworkType,                 memmap::kNetworkByte, 7,       "GI_Sheet_Sel_NetworkType").Others(),
    Byte(CL_NetId_ControlCHCategory,           0x0ECB,          "GI_Sheet_Sel_ControlCategory"),
    Byte(CL_NetId_SyncWord,                    0x0D77,          "GI_Sheet_Sel_SyncCodeword"),
    // Dynamic regrouping takes the last directory row (Cps).
    Byte(CL_CallOp_DynRegroup,                 0x0C30,          "GI_Sheet_Sel_DynGrp_Cps").Mpt("GI_Sheet_Sel_DynGrp_Mpt").Others(),
    Byte(CL_TE_STEPCLIM,                       0x0F10,          "GI_Sheet_Sel_StepCLIM_Cps").Mpt("GI_Sheet_Sel_StepCLIM_Mpt"),
    Word32(CL_TE_CLIME,                        0x0F0C,          "GI_Sheet_Sel_CLIME"),
    Bit (CL_TE_TSCLIM,                         0x0F82, 7,       "GI_Sheet_Sel_TSCLIM"),
    Byte(CL_Key_Trunk,                         0x0120,          "GI_Sheet_Sel_KeyAssign_Trunk").Keys(kKeyCount),
    Byte(CL_Key_Conve,                         0x012C,          "GI_Sheet_Sel_KeyAssign_Conve").Keys(kKeyCount),
    Bits(CL_Set_Backlight,                     0x011E, 1, 0,    "GI_Sheet_Sel_Backlight"),
    Bits(CL_Set_Hook,                          0x011E, 3, 2,    "GI_Sheet_Sel_Hook"),
    Bit (CL_Set_CompanderOn,                   0x011E, 7,       "GI_Sheet_Sel_Misc_OnOff"),
    Bits(CL_Set_RingerLevel,                   0x0110, 7, 4,    "GI_Sheet_Sel_Ringer"),
    Bits(CL_Set_BeepLevel,                     0x0110, 3, 0,    "GI_Sheet_Sel_Ringer"),
    Byte(CL_Set_MicGain,                       0x0115,          "GI_Sheet_Sel_MicGain"),
    Byte(CL_Set_Scrambler,                     0x011A,          "GI_Sheet_Sel_Scrambler").Checked(CheckScramblerCode),
    // The horn honking on calls (and the horn timer) feed the horn warning
    // of CL_Set_Horn and CL_Set_HornEnable.
    Bit (CL_Set_Horn,                          0x011F, 4,       "GI_Sheet_Sel_Misc_OnOff").Checked(CheckHorn),
    Bit (CL_Comm_Ignition,                     0x011F, 3,       "GI_Sheet_Sel_Misc_Enable"),
    Bit (CL_Comm_HornHonkAlerting,             0x011F, 2,       "GI_Sheet_Sel_Misc_Enable").Others(),
    Bit (CL_Comm_HornHonkStatus,               0x011F, 1,       "GI_Sheet_Sel_Misc_Enable").Others(),
    Bit (CL_Comm_CloneOutEnable,               0x0147, 7,       "GI_Sheet_Sel_Misc_Enable_I"),
    Bit (CL_Comm_PasswordEnable,               0x0147, 6,       "GI_Sheet_Sel_Misc_Enable"),
    Bit (CL_Comm_StartupScreen,                0x0147, 3,       "GI_Sheet_Sel_Comm_StartScr"),
    Bit (CL_Comm_RxAfFilt,                     0x0147, 2,       "GI_Sheet_Sel_Comm_RxAfSw"),
    Bit (CL_Comm_DTMFMic,                      0x0147, 1,       "GI_Sheet_Sel_Misc_Enable_I"),
    Bits(CL_Comm_RSSIL0L2H,                    0x0FAD, 7, 6,    "GI_Sheet_Sel_Comm_RfPower"),
    Bits(CL_Comm_RSSIL0L2L,                    0x0FAD, 5, 4,    "GI_Sheet_Sel_Comm_RfPower"),
    Byte(CL_MAP27_Enable,                      0x0F2C,          "GI_Sheet_Sel_Misc_Enable_I"),
    Word16(CL_Map27_ConnectionSpeed,           0x0F88,          "GI_Sheet_Sel_Map27Baud"),
    Bit (CL_Scrm_Type,                         0x0430, 3,       "GI_Sheet_Sel_Scrm_Type"),
    Bits(CL_Scrm_SynchronousCapture,           0x0430, 7, 6,    "GI_Sheet_Sel_Scrm_Syn"),
    Bits(CL_Scrm_ToneStartTiming,              0x0430, 5, 4,    "GI_Sheet_Sel_Scrm_Timing"),
    Bit (CL_Ctcss_CTCSSBurst,                  0x03EE, 7,       "GI_Sheet_Sel_Ctcss_Burst"),
    Bit (CL_Maker_SqlDelay_Op,                 0x000B, 7,       "GI_Sheet_Sel_Misc_OnOff_I"),
    Bit (CL_Maker_Dtcs_TxPolar,                0x000B, 6,       "GI_Sheet_Sel_Maker_DtcsPolar"),
    Bit (CL_Maker_Dtcs_RxPolar,                0x000B, 5,       "GI_Sheet_Sel_Maker_DtcsPolar"),
    Bit (CL_Maker_SetModeAccess,               0x000B, 3,       "GI_Sheet_Sel_Misc_Enable"),
    Bits(CL_Maker_Pll_Type,                    0x000B, 1, 0,    "GI_Sheet_Sel_Maker_PllType"),
};
// clang-format on

void SelectionHandler(CellCall& call)
{
    if (VariantRefuses(call)) {
        return;
    }
    const SelectionCell& row = call.Data<SelectionCell>();
    const char* list = row.mptList != nullptr && !CpsVariant() ? row.mptList : row.list;

    std::int32_t address = row.address;
    if (row.keys > 0) {
        // The index comes from a sheet description: a key the radio does
        // not have shows nothing rather than reaching into the next field.
        const std::int32_t key = call.Cell().index;
        if (key < 0 || key >= row.keys) {
            return;
        }
        address += key;
    }

    bool changed = false;
    if (row.bytes == 1) {
        changed = CodecSelectionBits(call.rq, call.editorKind, call.lists, list, Field(call, address), row.low,
                                     row.high - row.low + 1);
    } else {
        std::int32_t value = static_cast<std::int32_t>(Read(call, address, row.bytes));
        changed = CodecSelection(call.rq, call.editorKind, call.lists, list, value);
        if (changed) {
            Write(call, address, row.bytes, static_cast<std::uint32_t>(value));
        }
    }
    if (changed && row.changesOthers) {
        ChangesOthers(call);
    }
    if (row.check != nullptr) {
        row.check(call);
    }
}

}  // namespace

void RegisterSelectionCells(CellRegistry& registry)
{
    for (const SelectionCell& row : kSelections) {
        registry.Register(row.cell, SelectionHandler, &row);
    }
}

}  // namespace xtr::cellmap
