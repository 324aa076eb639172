// The cells whose dispatch needs no code of their own: those that are named
// but not built yet ("%d *Yet*") and those that answer with nothing at all.
#include "cells/cell_names.h"

#include <array>
#include <bitset>

namespace xtr {
namespace {

constexpr std::array<CellId, 62> kYetCells{{
    Flex1, FlexKeyOpt,
    // Model selection
    CL_Model_Lmr128, CL_Model_Lmr256, CL_Model_Pmr128, CL_Model_Pmr256, CL_Model_TavoLmr, CL_Model_TavoPmr,
    // Debug menu
    CL_Menu_Debug_Compare, CL_Menu_Debug_CorrectComp, CL_Menu_Debug_Window, CL_Menu_Debug_EeWindow,
    CL_Check_Person_Identity_Cps, CL_Check_Person_CallRange_Cps, CL_Check_SelGrp_Error,
    CL_CloneInfo_PllRef,
    // Memory window
    CL_EeDebugWin_Adr,
    CL_EeDebugWin_0, CL_EeDebugWin_1, CL_EeDebugWin_2, CL_EeDebugWin_3,
    CL_EeDebugWin_4, CL_EeDebugWin_5, CL_EeDebugWin_6, CL_EeDebugWin_7,
    CL_EeDebugWin_8, CL_EeDebugWin_9, CL_EeDebugWin_A, CL_EeDebugWin_B,
    CL_EeDebugWin_C, CL_EeDebugWin_D, CL_EeDebugWin_E, CL_EeDebugWin_F,
    CL_FBits,
    CL_Misc_SubCategory,
    // Real identities (debug)
    CL_Person_DebugReal_FleetInd, CL_Person_DebugReal_LastInd, CL_Person_DebugReal_IdentInd,
    CL_Person_DebugReal_FleetGrp, CL_Person_DebugReal_LastGrp, CL_Person_DebugReal_IdentGrp,
    CL_GroupCalls_Number, CL_GroupCalls_Enable,
    CL_SysMes_Sure, CL_SysMes_US_PaLevel,
    CL_SelGrp_Number, CL_SelGrp_Text,
    // Set mode
    CL_Set_Contrast, CL_Set_ContrastEnable, CL_Set_VoxGainEnable, CL_Set_VoxGain,
    CL_Set_VoxDelayEnable, CL_Set_VoxDelay, CL_Set_PaLevel, CL_Set_PaLevelEnable,
    CL_Set_HookOffAnsEnable, CL_Set_ClearDownEnable,
    CL_Comm_OpeningText2, CL_Comm_ManualHunt_Cps,
    CL_Maker_PwrOffTimer, CL_Maker_ON_Timer1, CL_Maker_ON_Timer2,
}};

// kCellNone belongs here as well; it is checked apart because it is no
// entry of the cell table.
constexpr std::array<CellId, 16> kNoOpCells{{
    CL_Null,
    CL_CloneInfo_Model,
    CL_PMenu_Edit,
    // Emergency
    CL_CallEmer_EmergencyCallEnable, CL_CallEmer_EmergencySWEnable, CL_CallEmer_EmergencySWONTimer,
    CL_CallEmer_EmergencySWOFFTimer, CL_CallEmer_EmergencyStartTimer, CL_CallEmer_ManDownEnable,
    CL_CallEmer_ManDownTimer, CL_CallEmer_IntervalTimer, CL_CallEmer_TransmissionTimer,
    CL_CallEmer_BeepLed,
    CL_NetId_SILLength, CL_NetId_PowerONRegistration,
    CL_TE_TD,
}};

template <std::size_t N>
std::bitset<kCellCount> MakeSet(const std::array<CellId, N>& cells)
{
    std::bitset<kCellCount> set;
    for (CellId id : cells) {
        set.set(static_cast<std::size_t>(id));
    }
    return set;
}

bool InSet(const std::bitset<kCellCount>& set, std::int32_t id)
{
    return id >= 0 && id < kCellCount && set.test(static_cast<std::size_t>(id));
}

}  // namespace

bool IsYetCell(std::int32_t id)
{
    static const std::bitset<kCellCount> set = MakeSet(kYetCells);
    return InSet(set, id);
}

bool IsNoOpCell(std::int32_t id)
{
    static const std::bitset<kCellCount> set = MakeSet(kNoOpCells);
    return id == kCellNone || InSet(set, id);
}

}  // namespace xtr
