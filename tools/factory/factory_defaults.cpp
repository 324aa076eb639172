// The settings of the shipped images, as a technician would enter them on
// the program's sheets: one line per setting, the cell as the sheets name it
// and the text typed (or the list item picked). Lines run in entry order, so
// list rows are entered from row 0 on and the fleet plan comes before the
// numbers that live in it.
//
// The factory image holds the settings of a radio fresh from the factory:
// network identity, timers, levels, the fleet plan and the radio's own
// numbers, and no list entry at all. The demonstration image adds, over the
// factory image, a regional MPT1327 system with channels 1-200 in two
// blocks of 12.5 kHz channels, four hunt channels, three groups, a
// despatcher entry in the directory, status texts, and two PMR446
// conventional channels for talk-around.
#include "factory_image.h"

namespace xtr::factory {
namespace {

const Setting kCommon[] = {
    // Clone comments and opening text. A clone file's comment line is the
    // first comment without its trailing blanks followed by the second, so
    // each variant's second comment begins with the blank between them.
    {"CL_Comm_CloneComment1", "Factory defaults"},
    {"CL_Comm_OpeningText1", "NALU"},

    // Network identity
    {"CL_NetId_NetworkType", "Regional"},
    {"CL_NetId_OperatorID", "5"},
    {"CL_NetId_SyncWord", "SYNC (C4D7)"},
    {"CL_NetId_ControlCHCategory", "Category A"},
    {"CL_NetId_ChSpacing", "12.5 kHz"},
    {"CL_NetId_FFSKModulation", "Normal"},
    {"CL_NetId_LA", "2"},
    {"CL_NetId_LZ", "1"},
    {"CL_NetId_HomeZone", "1"},
    {"CL_NetId_MinCHNumber", "1"},
    {"CL_NetId_MaxCHNumber", "200"},

    // MPT1327 timers and counters (seconds where the sheet shows seconds)
    {"CL_TE_TA", "10"},
    {"CL_TE_TB", "10"},
    {"CL_TE_TC", "30"},
    {"CL_TE_TGI", "5"},
    {"CL_TE_TI", "20"},
    {"CL_TE_TJ", "20"},
    {"CL_TE_TN", "2"},
    {"CL_TE_TP", "30"},
    {"CL_TE_TS", "1"},
    {"CL_TE_TT", "30"},
    {"CL_TE_TW", "30"},
    {"CL_TE_CLIM", "300"},
    {"CL_TE_TL", "60"},
    {"CL_TE_TH", "10"},
    {"CL_TE_NT", "240"},
    {"CL_TE_NC1", "3"},
    {"CL_TE_NC2", "3"},
    {"CL_TE_NX1", "3"},
    {"CL_TE_NX2", "3"},
    {"CL_TE_NZ1", "3"},
    {"CL_TE_NZ2", "3"},
    {"CL_TE_ND1", "3"},
    {"CL_TE_ND2", "3"},
    {"CL_TE_NE", "8"},
    {"CL_TE_NI", "8"},
    {"CL_TE_NR", "8"},
    {"CL_TE_NS", "3"},
    {"CL_TE_NV", "4"},
    {"CL_TE_NW", "8"},
    {"CL_TE_NPON", "2"},
    {"CL_TE_NPOFF", "2"},

    // Common settings; the talk-around, TOT penalty and horn timers stay
    // off (cleared), and there is no fall-back channel
    {"CL_Comm_TOTTimer", "60"},
    {"CL_Comm_Password", "0000"},
    {"CL_Comm_BeepFreq_Low", "800"},
    {"CL_Comm_BeepFreq_High1", "1600"},
    {"CL_Comm_BeepFreq_High2", "2000"},
    {"CL_Comm_RSSIL0", "-110"},
    {"CL_Comm_RSSIL2", "-90"},

    // Set mode
    {"CL_Set_SquelchLevel", "128"},
    {"CL_Set_AFMinLevel", "16"},
    {"CL_Set_MicGain", "Middle"},
    {"CL_Set_RingerLevel", "8"},
    {"CL_Set_BeepLevel", "4"},
    {"CL_Set_Backlight", "Automatic"},
    {"CL_Set_Hook", "Off"},
    {"CL_Set_Horn", "Off"},
    {"CL_Set_BacklightEnable", "Enable"},
    {"CL_Set_RingerSetEnable", "Enable"},
    {"CL_Set_BeepLevelSetEnable", "Enable"},
    {"CL_Set_SquelchSetEnable", "Enable"},

    // DTMF and CTCSS timings
    {"CL_DtmfDTMFDurationTimer", "0.10"},
    {"CL_Dtmf1stDigitDurationTimer", "0.10"},
    {"CL_DtmfAstaSharpDurationTimer", "0.10"},
    {"CL_Ctcss_UserCTCSS", "100.0"},

    // MAP27 data port
    {"CL_Map27_ConnectionSpeed", "9600 bit/s"},
    {"CL_Map27_T0", "1000"},
    {"CL_Map27_T2", "1000"},
    {"CL_Map27_T3", "2000"},
    {"CL_Map27_N2", "3"},
    {"CL_Map27_N3", "3"},

    // System messages
    {"CL_SysMes_Connected", "CONNECTED"},
    {"CL_SysMes_OK", "OK"},
    {"CL_SysMes_Aborted", "ABORTED"},
    {"CL_SysMes_Failed", "FAILED"},
    {"CL_SysMes_SystemBusy", "SYS BUSY"},
    {"CL_SysMes_NoReply", "NO REPLY"},
    {"CL_SysMes_Engaged", "ENGAGED"},
    {"CL_SysMes_CallBack", "CALL BACK"},
    {"CL_SysMes_ClearDown", "CLEARED"},
    {"CL_SysMes_Diverted", "DIVERTED"},
    {"CL_SysMes_Invalid", "INVALID"},
    {"CL_SysMes_Rejected", "REJECTED"},
    {"CL_SysMes_Cancelled", "CANCELLED"},
    {"CL_SysMes_Timeout", "TIMEOUT"},
    {"CL_SysMes_Calling", "CALLING"},
    {"CL_SysMes_Aborting", "ABORTING"},
    {"CL_SysMes_Queued", "QUEUED"},
    {"CL_SysMes_Ringing", "RINGING"},
    {"CL_SysMes_Despatcher", "DESPATCHER"},
    {"CL_SysMes_Alerting", "ALERTING"},
    {"CL_SysMes_LowBattery", "LOW BATT"},
    {"CL_SysMes_Group", "GROUP"},
    {"CL_SysMes_Ch", "CH"},
    {"CL_SysMes_Off", "OFF"},
    {"CL_SysMes_On", "ON"},
    {"CL_SysMes_Auto", "AUTO"},
};

// The second comment, which names the numbering, stays the factory's.
const Setting kDemoCommon[] = {
    {"CL_Comm_CloneComment1", "Demonstration"},

    // Block frequencies: channel 1 at 450.0125 MHz and channel 101 at
    // 451.2625 MHz, transmitting 10 MHz above
    {"CT_BlockFreq.CL_NetBlock_FreqCH[0]", "1"},
    {"CT_BlockFreq.CL_NetBlock_FreqStep[0]", "12.5 kHz"},
    {"CT_BlockFreq.CL_NetBlock_FreqRx[0]", "450.0125"},
    {"CT_BlockFreq.CL_NetBlock_FreqTx[0]", "460.0125"},
    {"CT_BlockFreq.CL_NetBlock_FreqCH[1]", "101"},
    {"CT_BlockFreq.CL_NetBlock_FreqStep[1]", "12.5 kHz"},
    {"CT_BlockFreq.CL_NetBlock_FreqRx[1]", "451.2625"},
    {"CT_BlockFreq.CL_NetBlock_FreqTx[1]", "461.2625"},

    // Hunt channels
    {"CT_HuntCh.CL_HuntNCh[0]", "1"},
    {"CT_HuntCh.CL_HuntNCh[1]", "2"},
    {"CT_HuntCh.CL_HuntNCh[2]", "101"},
    {"CT_HuntCh.CL_HuntNCh[3]", "102"},

    // Conventional channels: PMR446 channels 1 and 2, low power; simplex,
    // so the transmit frequency follows the receive frequency
    {"CT_Conv.CL_PersConv_FreqRx[0]", "446.00625"},
    {"CT_Conv.CL_PersConv_RfPower[0]", "Low"},
    {"CT_Conv.CL_PersConv_FreqRx[1]", "446.01875"},
    {"CT_Conv.CL_PersConv_RfPower[1]", "Low"},

    // Status texts
    {"CT_StCall.CL_CallSC_Text[1]", "ON SITE"},
    {"CT_StCall.CL_CallSC_Text[2]", "CALL ME"},
    {"CT_StCall.CL_CallSC_Text[3]", "BUSY"},

};

// Mpt numbering: own prefix 201, individuals 20-89 in fleet 2001, groups
// 90-99 in fleet 2101.
const Setting kMpt[] = {
    {"CL_Comm_CloneComment2", " (MPT numbering)"},
    {"CL_Person_OwnPrefix", "201"},
    {"CL_Person_FleetInd", "2001"},
    {"CL_Person_LastInd", "89"},
    {"CL_Person_FleetGrp", "2101"},
    {"CL_Person_LastGrp", "99"},
    {"CL_Person_OwnNumber_Mpt", "21"},
    {"CL_CallOp_DespatcherNumber", "20"},
    {"CL_CallOp_SdmNumber", "20"},
    {"CL_CallEmer_EmergencyNumber", "99"},
};

// Cps numbering: own prefix 201, fleet 20 for individuals and groups.
const Setting kCps[] = {
    {"CL_Comm_CloneComment2", " (CPS numbering)"},
    {"CL_Person_OwnPrefix", "201"},
    {"CL_Person_DefaultIndFleet", "20"},
    {"CL_Person_DefaultGrpFleet", "20"},
    {"CL_Person_OwnNumber_Cps", "20201"},
    {"CL_Person_CRangeInd_Min", "20200"},
    {"CL_Person_CRangeInd_Max", "20299"},
    {"CL_Person_CRangeGrp_Min", "20900"},
    {"CL_Person_CRangeGrp_Max", "20909"},
    {"CL_CallOp_DespatcherPfix_Cps", "201"},
    {"CL_CallOp_DespatcherNumber", "20200"},
    {"CL_CallOp_SdmPfix_Cps", "201"},
    {"CL_CallOp_SdmNumber", "20200"},
    {"CL_CallEmer_EmergencyPfix_Cps", "201"},
    {"CL_CallEmer_EmergencyNumber", "20909"},
};

// The demonstration's groups and directory entry in each numbering; the
// directory entry dials the despatcher with its full number (shown prefix,
// fleet, number), as a number outside the own fleet would be dialled.
const Setting kDemoMpt[] = {
    {"CT_Groups.CL_CallGroup_Number[0]", "90"},
    {"CT_Groups.CL_CallGroup_Number[1]", "91"},
    {"CT_Groups.CL_CallGroup_Number[2]", "92"},
    {"CT_DirM.CL_DirM_Text[0]", "DESPATCH"},
    {"CT_DirM.CL_DirM_Number[0]", "201200120"},
};

const Setting kDemoCps[] = {
    {"CT_Groups.CL_CallGroup_Number[0]", "20120900"},
    {"CT_Groups.CL_CallGroup_Number[1]", "20120901"},
    {"CT_Groups.CL_CallGroup_Number[2]", "20120902"},
    {"CT_DirM.CL_DirM_Text[0]", "DESPATCH"},
    {"CT_DirM.CL_DirM_Number[0]", "20120200"},
};

}  // namespace

std::span<const Setting> CommonSettings()
{
    return kCommon;
}

std::span<const Setting> VariantSettings(Variant variant)
{
    if (variant == Variant::Cps) {
        return kCps;
    }
    return kMpt;
}

std::span<const Setting> DemoCommonSettings()
{
    return kDemoCommon;
}

std::span<const Setting> DemoVariantSettings(Variant variant)
{
    if (variant == Variant::Cps) {
        return kDemoCps;
    }
    return kDemoMpt;
}

}  // namespace xtr::factory
