// Every setting outside the lists, checked against the radio's memory map:
// two entries per cell, each of which must land in exactly the cell's bits
// and leave every other bit of the image as it was. The map below is
// written from the memory map, independently of the cells' own tables.
#include "map_fixture.h"

#include <cstring>
#include <random>

namespace xtr::test {
namespace {

enum class Only { Both, Cps, Mpt };

struct Entry {
    bool typed;
    std::int32_t value;  // the item chosen
    const char* text;    // the text typed
    std::uint32_t raw;   // the field's bits afterwards (in place, big-endian)
};
Entry Pick(std::int32_t value, std::uint32_t raw) { return {false, value, nullptr, raw}; }
Entry Typed(const char* text, std::uint32_t raw) { return {true, 0, text, raw}; }

struct MapField {
    std::int32_t cell;
    std::int32_t address;
    int bytes;
    std::uint32_t mask;
    Entry first;
    Entry second;
    Only only = Only::Both;
    std::int32_t index = 0;
};

// A switch: item 1 sets the bits, item 0 clears them.
MapField Flag(std::int32_t cell, std::int32_t address, int bytes, std::uint32_t mask, Only only = Only::Both)
{
    return {cell, address, bytes, mask, Pick(1, mask), Pick(0, 0), only};
}
MapField Num(std::int32_t cell, std::int32_t address, int bytes, std::uint32_t mask, Entry a, Entry b)
{
    return {cell, address, bytes, mask, a, b};
}
MapField Key(std::int32_t cell, std::int32_t index, std::int32_t address)
{
    return {cell, address, 1, 0xFF, Pick(5, 5), Pick(2, 2), Only::Both, index};
}

// clang-format off
const MapField kMap[] = {
    // Selections
    Num (CL_Person_RfPowerSelection,         0x0F48, 1, 0x03, Pick(2, 0x02), Pick(1, 0x01)),
    Flag(CL_CallOp_DirectDespatcher,         0x0F46, 1, 0x80),
    Flag(CL_CallOp_StatusSelect,             0x0F46, 1, 0x40),
    Flag(CL_CallOp_CallBack,                 0x0F46, 1, 0x20),
    Flag(CL_CallOp_AlertonGTC,               0x0F46, 1, 0x10),
    Flag(CL_CallOp_TechnicianCall,           0x0F46, 1, 0x08),
    Flag(CL_CallOp_GroupCallMaint_Cps,       0x0F46, 1, 0x04, Only::Cps),
    Flag(CL_CallOp_GroupCallCheckPfix_Cps,   0x0F46, 1, 0x02, Only::Cps),
    Flag(CL_CallOp_DisplayPressel,           0x0F46, 1, 0x01),
    Flag(CL_CallOp_Send8PABX_Cps,            0x0F47, 1, 0x80, Only::Cps),
    Flag(CL_Comm_DialledCallEnable,          0x0F47, 1, 0x40),
    Flag(CL_CallOp_QueueDelete,              0x0F48, 1, 0x20),
    Flag(CL_NetId_FFSKModulation,            0x0F48, 1, 0x80),
    Flag(CL_NetId_ChSpacing,                 0x0F48, 1, 0x40),
    Flag(CL_CallOp_KilledEnable_Cps,         0x0ECC, 1, 0x02, Only::Cps),
    Flag(CL_ComprehensiveEnable,             0x0ECD, 1, 0x01),
    Flag(CL_NetId_NetworkType,               0x0ECA, 1, 0x80),
    Num (CL_NetId_ControlCHCategory,         0x0ECB, 1, 0xFF, Pick(1, 1), Pick(0, 0)),
    Num (CL_NetId_SyncWord,                  0x0D77, 1, 0xFF, Pick(1, 1), Pick(0, 0)),
    Num (CL_CallOp_DynRegroup,               0x0C30, 1, 0xFF, Pick(1, 1), Pick(0, 0)),
    Num (CL_TE_STEPCLIM,                     0x0F10, 1, 0xFF, Pick(1, 1), Pick(0, 0)),
    Num (CL_TE_CLIME,                        0x0F0C, 4, 0xFFFFFFFF, Pick(1, 1), Pick(0, 0)),
    Flag(CL_TE_TSCLIM,                       0x0F82, 1, 0x80),
    Key (CL_Key_Trunk,  0,                   0x0120),
    Key (CL_Key_Trunk,  11,                  0x012B),
    Key (CL_Key_Conve,  0,                   0x012C),
    Key (CL_Key_Conve,  11,                  0x0137),
    Num (CL_Set_Backlight,                   0x011E, 1, 0x03, Pick(2, 0x02), Pick(1, 0x01)),
    Num (CL_Set_Hook,                        0x011E, 1, 0x0C, Pick(3, 0x0C), Pick(1, 0x04)),
    Flag(CL_Set_CompanderOn,                 0x011E, 1, 0x80),
    Num (CL_Set_RingerLevel,                 0x0110, 1, 0xF0, Pick(5, 0x50), Pick(10, 0xA0)),
    Num (CL_Set_BeepLevel,                   0x0110, 1, 0x0F, Pick(5, 0x05), Pick(10, 0x0A)),
    Num (CL_Set_MicGain,                     0x0115, 1, 0xFF, Pick(2, 2), Pick(0, 0)),
    Num (CL_Set_Scrambler,                   0x011A, 1, 0xFF, Pick(3, 3), Pick(0, 0)),
    Flag(CL_Set_Horn,                        0x011F, 1, 0x10),
    Flag(CL_Comm_Ignition,                   0x011F, 1, 0x08),
    Flag(CL_Comm_HornHonkAlerting,           0x011F, 1, 0x04),
    Flag(CL_Comm_HornHonkStatus,             0x011F, 1, 0x02),
    Flag(CL_Comm_CloneOutEnable,             0x0147, 1, 0x80),
    Flag(CL_Comm_PasswordEnable,             0x0147, 1, 0x40),
    Flag(CL_Comm_StartupScreen,              0x0147, 1, 0x08),
    Flag(CL_Comm_RxAfFilt,                   0x0147, 1, 0x04),
    Flag(CL_Comm_DTMFMic,                    0x0147, 1, 0x02),
    Num (CL_Comm_RSSIL0L2H,                  0x0FAD, 1, 0xC0, Pick(2, 0x80), Pick(1, 0x40)),
    Num (CL_Comm_RSSIL0L2L,                  0x0FAD, 1, 0x30, Pick(2, 0x20), Pick(1, 0x10)),
    Num (CL_MAP27_Enable,                    0x0F2C, 1, 0xFF, Pick(1, 1), Pick(0, 0)),
    Num (CL_Map27_ConnectionSpeed,           0x0F88, 2, 0xFFFF, Pick(9600, 9600), Pick(1200, 1200)),
    Flag(CL_Scrm_Type,                       0x0430, 1, 0x08),
    Num (CL_Scrm_SynchronousCapture,         0x0430, 1, 0xC0, Pick(3, 0xC0), Pick(1, 0x40)),
    Num (CL_Scrm_ToneStartTiming,            0x0430, 1, 0x30, Pick(2, 0x20), Pick(1, 0x10)),
    Flag(CL_Ctcss_CTCSSBurst,                0x03EE, 1, 0x80),
    Flag(CL_Maker_SqlDelay_Op,               0x000B, 1, 0x80),
    Flag(CL_Maker_Dtcs_TxPolar,              0x000B, 1, 0x40),
    Flag(CL_Maker_Dtcs_RxPolar,              0x000B, 1, 0x20),
    Flag(CL_Maker_SetModeAccess,             0x000B, 1, 0x08),
    Num (CL_Maker_Pll_Type,                  0x000B, 1, 0x03, Pick(3, 3), Pick(2, 2)),
    // The call-option word, 0x0F13 high byte first
    Flag(CL_CallOp_PSTNCall,                 0x0F13, 2, 0x0001),
    Flag(CL_CallOp_LongPABX,                 0x0F13, 2, 0x0002),
    Flag(CL_CallOp_ShortPABX,                0x0F13, 2, 0x0004),
    Flag(CL_CallOp_InterFleet,               0x0F13, 2, 0x0008, Only::Mpt),
    Flag(CL_CallOp_SystemWide,               0x0F13, 2, 0x0010),
    Flag(CL_CallOp_Divert3rdParty,           0x0F13, 2, 0x0020),
    Flag(CL_CallOp_SDMCall,                  0x0F13, 2, 0x0040),
    Flag(CL_CallOp_IncludeCall,              0x0F13, 2, 0x0080),
    Flag(CL_CallOp_FOACSU,                   0x0F13, 2, 0x0100),
    Flag(CL_CallOp_InterFleetGrp,            0x0F13, 2, 0x0200, Only::Mpt),
    // Set-mode enable bits, bit 0 = 0x80 of 0x0166
    Flag(CL_Set_SysInfoEnable,               0x0166, 2, 0x8000),
    Flag(CL_Set_BacklightEnable,             0x0166, 2, 0x4000),
    Flag(CL_Set_RingerSetEnable,             0x0166, 2, 0x2000),
    Flag(CL_Set_BeepLevelSetEnable,          0x0166, 2, 0x1000),
    Flag(CL_Set_HookEnable,                  0x0166, 2, 0x0800),
    Flag(CL_Set_HornEnable,                  0x0166, 2, 0x0400),
    Flag(CL_Set_SquelchSetEnable,            0x0166, 2, 0x0100),
    Flag(CL_Set_AFMinLevelSetEnable,         0x0166, 2, 0x0080),
    Flag(CL_Set_CompanderEnable,             0x0166, 2, 0x0040),
    Flag(CL_Set_MicGainEnable,               0x0166, 2, 0x0020),
    Flag(CL_Set_ScramblerEnable,             0x0166, 2, 0x0004),
    // Numbers
    Num (CL_Set_SquelchLevel,                0x0113, 1, 0xFF, Typed("200", 200), Typed("7", 7)),
    Num (CL_Set_AFMinLevel,                  0x0114, 1, 0xFF, Typed("200", 200), Typed("7", 7)),
    Num (CL_TE_NV,                           0x0F1B, 1, 0xFF, Typed("16", 16), Typed("1", 1)),
    Num (CL_TE_NC1,                          0x0F1C, 1, 0xFF, Typed("200", 200), Typed("7", 7)),
    Num (CL_TE_NC2,                          0x0F1D, 1, 0xFF, Typed("200", 200), Typed("7", 7)),
    Num (CL_TE_NX1,                          0x0F1E, 1, 0xFF, Typed("200", 200), Typed("7", 7)),
    Num (CL_TE_NX2,                          0x0F1F, 1, 0xFF, Typed("200", 200), Typed("7", 7)),
    Num (CL_TE_NZ1,                          0x0F20, 1, 0xFF, Typed("200", 200), Typed("7", 7)),
    Num (CL_TE_NZ2,                          0x0F21, 1, 0xFF, Typed("200", 200), Typed("7", 7)),
    Num (CL_TE_ND1,                          0x0F6C, 1, 0xFF, Typed("9", 9), Typed("1", 1)),
    Num (CL_TE_ND2,                          0x0F6D, 1, 0xFF, Typed("9", 9), Typed("1", 1)),
    Num (CL_TE_NE,                           0x0F6E, 1, 0xFF, Typed("64", 64), Typed("2", 2)),
    Num (CL_TE_NI,                           0x0F6F, 1, 0xFF, Typed("64", 64), Typed("2", 2)),
    Num (CL_TE_NR,                           0x0F70, 1, 0xFF, Typed("64", 64), Typed("2", 2)),
    Num (CL_TE_NW,                           0x0F71, 1, 0xFF, Typed("32", 32), Typed("2", 2)),
    Num (CL_TE_NS,                           0x0EE2, 1, 0xFF, Typed("10", 10), Typed("1", 1)),
    Num (CL_TE_NPON,                         0x0F11, 1, 0xFF, Typed("5", 5), Typed("1", 1)),
    Num (CL_TE_NPOFF,                        0x0F12, 1, 0xFF, Typed("5", 5), Typed("1", 1)),
    Num (CL_Comm_TalkATimer,                 0x0141, 1, 0xFF, Typed("200", 200), Typed("0", 0)),
    Num (CL_Comm_TalkAIntervalTimer,         0x0142, 1, 0xFF, Typed("200", 200), Typed("0", 0)),
    Num (CL_Comm_TOTTimer,                   0x0143, 1, 0xFF, Typed("200", 200), Typed("0", 0)),
    Num (CL_Comm_TOTPenaltyTimer,            0x0144, 1, 0xFF, Typed("200", 200), Typed("0", 0)),
    Num (CL_RSSIMarginLM1,                   0x0ED0, 1, 0xFF, Typed("30", 30), Typed("4", 3)),
    Num (CL_RSSIMarginLM2,                   0x0ED1, 1, 0xFF, Typed("30", 30), Typed("4", 3)),
    Num (CL_RSSIMarginLM3,                   0x0ED2, 1, 0xFF, Typed("30", 30), Typed("4", 3)),
    Num (CL_RSSIMarginLM4,                   0x0ED3, 1, 0xFF, Typed("30", 30), Typed("4", 3)),
    Num (CL_Comm_RSSIL0,                     0x0FAB, 1, 0xFF, Typed("-110", 0x92), Typed("-100", 0x9C)),
    Num (CL_Comm_RSSIL2,                     0x0FAC, 1, 0xFF, Typed("-70", 0xBA), Typed("-100", 0x9C)),
    Num (CL_Comm_BeepFreq_Low,               0x0138, 2, 0xFFFF, Typed("1000", 1000), Typed("3000", 3000)),
    Num (CL_Comm_BeepFreq_High1,             0x013A, 2, 0xFFFF, Typed("1000", 1000), Typed("3000", 3000)),
    Num (CL_Comm_BeepFreq_High2,             0x013C, 2, 0xFFFF, Typed("1000", 1000), Typed("3000", 3000)),
    Num (CL_CallOp_AbbreviatedPSTN,          0x0F5D, 1, 0xFF, Typed("49", 49), Typed("0", 0)),
    Num (CL_NetId_RegistrationInformation,   0x0F15, 2, 0xFFFF, Typed("32767", 32767), Typed("5", 5)),
    Num (CL_Map27_T0,                        0x0F8A, 4, 0xFFFFFFFF, Typed("15000", 15000), Typed("1", 1)),
    Num (CL_Map27_T2,                        0x0F92, 4, 0xFFFFFFFF, Typed("15000", 15000), Typed("1", 1)),
    Num (CL_Map27_T3,                        0x0F96, 4, 0xFFFFFFFF, Typed("15000", 15000), Typed("1", 1)),
    Num (CL_Map27_N2,                        0x0F9F, 1, 0xFF, Typed("20", 20), Typed("3", 3)),
    Num (CL_Map27_N3,                        0x0FA0, 1, 0xFF, Typed("255", 255), Typed("3", 3)),
    Num (CL_Maker_CtcssDec_Attack,           0x0020, 1, 0xFF, Typed("255", 255), Typed("3", 3)),
    Num (CL_Maker_CtcssDec_Release,          0x0021, 1, 0xFF, Typed("255", 255), Typed("3", 3)),
    Num (CL_Maker_CtcssDec_PS,               0x0022, 1, 0xFF, Typed("255", 255), Typed("3", 3)),
    Num (CL_Maker_Dtcs_Decode,               0x002E, 1, 0xFF, Typed("23", 23), Typed("12", 12)),
    Num (CL_NetId_FallBack_Ch,               0x0F28, 2, 0xFFFF, Typed("1023", 1023), Typed("0", 0)),
    Num (CL_Scrm_GroupCode,                  0x0430, 1, 0x03, Typed("4", 3), Typed("1", 0)),
    // Network limits; the image below has the network type bit clear,
    // channels 100 to 900
    Num (CL_NetId_OperatorID,                0x0ECA, 1, 0x7F, Typed("100", 100), Typed("3", 3)),
    Num (CL_NetId_LA,                        0x0E00, 1, 0xFF, Typed("4", 4), Typed("2", 2)),
    Num (CL_NetId_LZ,                        0x0DFF, 1, 0xFF, Typed("4", 4), Typed("2", 2)),
    Num (CL_NetId_HomeZone,                  0x0F19, 2, 0xFFFF, Typed("15", 15), Typed("3", 3)),
    Num (CL_NetId_FallBack_Ndd,              0x0F2A, 2, 0xFFFF, Typed("15", 15), Typed("3", 3)),
    Num (CL_NetId_MinCHNumber,               0x0D78, 2, 0xFFFF, Typed("200", 200), Typed("1", 1)),
    Num (CL_NetId_MaxCHNumber,               0x0D7A, 2, 0xFFFF, Typed("1023", 1023), Typed("100", 100)),
    // MPT1327 timers: seconds typed, milliseconds stored
    Num (CL_TE_TH,                           0x0EDC, 2, 0xFFFF, Typed("100", 10667), Typed("50", 5333)),
    Num (CL_TE_TL,                           0x0EDE, 4, 0xFFFFFFFF, Typed("320", 320000), Typed("7", 5000)),
    Num (CL_TE_TA,                           0x0EF4, 4, 0xFFFFFFFF, Typed("60", 60000), Typed("1", 1000)),
    Num (CL_TE_TGI,                          0x0EF8, 4, 0xFFFFFFFF, Typed("15", 15000), Typed("1", 1000)),
    Num (CL_TE_TN,                           0x0EFC, 4, 0xFFFFFFFF, Typed("10", 10000), Typed("2", 2000)),
    Num (CL_TE_TT,                           0x0F00, 4, 0xFFFFFFFF, Typed("60", 60000), Typed("1", 1000)),
    Num (CL_TE_TW,                           0x0F04, 4, 0xFFFFFFFF, Typed("60", 60000), Typed("1", 1000)),
    Num (CL_TE_CLIM,                         0x0F08, 4, 0xFFFFFFFF, Typed("3599", 3599000), Typed("0", 0)),
    Num (CL_TE_TJ,                           0x0F17, 2, 0xFFFF, Typed("60", 60000), Typed("1", 1000)),
    Num (CL_TE_TS,                           0x0F22, 4, 0xFFFFFFFF, Typed("10", 10000), Typed("2", 2000)),
    Num (CL_TE_NT,                           0x0F26, 2, 0xFFFF, Typed("120", 100), Typed("1236", 1030)),
    Num (CL_TE_TB,                           0x0F5E, 4, 0xFFFFFFFF, Typed("60", 60000), Typed("1", 1000)),
    Num (CL_TE_TC,                           0x0F62, 4, 0xFFFFFFFF, Typed("120", 120000), Typed("1", 1000)),
    Num (CL_TE_TI,                           0x0F66, 4, 0xFFFFFFFF, Typed("60", 60000), Typed("1", 1000)),
    Num (CL_TE_TP,                           0x0F6A, 2, 0xFFFF, Typed("60", 60000), Typed("1", 1000)),
    // Short timers in units of 1/u second
    Num (CL_DtmfDTMFDurationTimer,           0x03F5, 1, 0xFF, Typed("0.25", 25), Typed("1", 100)),
    Num (CL_Dtmf1stDigitDurationTimer,       0x03F6, 1, 0xFF, Typed("0.25", 25), Typed("1", 100)),
    Num (CL_DtmfAstaSharpDurationTimer,      0x03F7, 1, 0xFF, Typed("0.25", 25), Typed("1", 100)),
    Num (CL_Ctcss_LockoutPenaltyTimer,       0x03EC, 1, 0xFF, Typed("200", 200), Typed("off", 0)),
    Num (CL_Ctcss_BurstTimer,                0x03ED, 1, 0xFF, Typed("0.5", 50), Typed("OFF", 0)),
    Num (CL_Comm_HornTimer,                  0x0149, 1, 0xFF, Typed("2.5", 25), Typed("Off", 0)),
    Num (CL_Maker_Sql_SigDetTimer,           0x0018, 1, 0xFF, Typed("0.2", 200), Typed("0.005", 5)),
    Num (CL_Maker_Sql_NoiseDetTimer,         0x0019, 1, 0xFF, Typed("0.2", 200), Typed("0.005", 5)),
    Num (CL_Maker_SqlDelay_ResetTimer,       0x001A, 1, 0xFF, Typed("0.2", 200), Typed("0.005", 5)),
    Num (CL_Maker_Pll_TxFastTimer,           0x001B, 1, 0xFF, Typed("0.2", 200), Typed("0.005", 5)),
    Num (CL_Maker_Pll_RxFastTimer,           0x001C, 1, 0xFF, Typed("0.2", 200), Typed("0.005", 5)),
    Num (CL_Maker_MuteTimer_Tx,              0x001D, 1, 0xFF, Typed("0.2", 200), Typed("0.005", 5)),
    Num (CL_Maker_MuteTimer_Rx,              0x001E, 1, 0xFF, Typed("0.2", 200), Typed("0.005", 5)),
    Num (CL_Maker_Let,                       0x0024, 1, 0xFF, Typed("0.2", 200), Typed("0.005", 5)),
    Num (CL_Ctcss_UserCTCSS,                 0x03EF, 2, 0xFFFF, Typed("88.5", 885), Typed("250.3", 2503)),
    // Maker frequencies in Hz, typed in MHz
    Num (CL_Maker_IfFreq,                    0x0010, 4, 0xFFFFFFFF, Typed("-10.5", static_cast<std::uint32_t>(-10500000)),
                                                                    Typed("45.05", 45050000)),
    Num (CL_Maker_Pll_Reference,             0x0014, 4, 0xFFFFFFFF, Typed("12.8", 12800000), Typed("99.975", 99975000)),
    // Password, one digit per nibble
    Num (CL_Comm_Password,                   0x013F, 2, 0xFFFF, Typed("1234", 0x1234), Typed("9", 0x9000)),
};
// clang-format on

class MapFields : public MapCells {
protected:
    // Bytes that are not 0 nor 0xFF in every position, so that a cell that
    // clears or sets its neighbours' bits shows; then the settings other
    // limits depend on: network type bit clear, operator id 5, channels
    // 100 to 900.
    void FillImage()
    {
        std::mt19937 random(0x4502);
        cmcEeprom& image = host.CurrentImage();
        for (std::int32_t a = 0; a < image.Size(); ++a) {
            image.SetByte(a, static_cast<std::uint8_t>(random()));
        }
        At(0x0ECA) = 0x05;
        SetWord(0x0D78, 100);
        SetWord(0x0D7A, 900);
    }

    std::uint32_t FieldOf(const MapField& f)
    {
        std::uint32_t value = 0;
        for (int i = 0; i < f.bytes; ++i) {
            value = (value << 8) | At(f.address + i);
        }
        return value;
    }

    void Enter(const MapField& f, const Entry& e)
    {
        if (e.typed) {
            Type(f.cell, e.text, f.index);
        } else {
            Choose(f.cell, e.value, f.index);
        }
    }

    // Applies entry e and checks that exactly the field's bits moved.
    void ExpectStored(const MapField& f, const Entry& e)
    {
        std::vector<std::uint8_t> before(host.CurrentImage().Data(), host.CurrentImage().Data() + 0x4000);
        const std::uint32_t fieldBefore = FieldOf(f);
        Enter(f, e);
        for (std::int32_t a = 0; a < 0x4000; ++a) {
            if (a < f.address || a >= f.address + f.bytes) {
                ASSERT_EQ(At(a), before[static_cast<std::size_t>(a)])
                    << CellName(f.cell) << " wrote outside its field at " << Format("0x%04X", a);
            }
        }
        EXPECT_EQ(FieldOf(f) & ~f.mask, fieldBefore & ~f.mask) << CellName(f.cell) << " changed bits beside its own";
        EXPECT_EQ(FieldOf(f) & f.mask, e.raw) << CellName(f.cell) << " stored another value";
    }

    void CheckAll(bool cps)
    {
        UseCps(cps);
        for (const MapField& f : kMap) {
            SCOPED_TRACE(std::string(CellName(f.cell)) + (cps ? " (Cps)" : " (Mpt)"));
            FillImage();
            const bool refused = (f.only == Only::Cps && !cps) || (f.only == Only::Mpt && cps);
            if (refused) {
                std::vector<std::uint8_t> before(host.CurrentImage().Data(), host.CurrentImage().Data() + 0x4000);
                Enter(f, f.first);
                EXPECT_EQ(rq.displayText, Ovl(cps ? "GI_AppInd_MptOnly" : "GI_AppInd_CpsOnly"));
                EXPECT_EQ(0, std::memcmp(before.data(), host.CurrentImage().Data(), before.size()));
                continue;
            }
            ExpectStored(f, f.first);
            ExpectStored(f, f.second);
        }
    }
};

TEST_F(MapFields, EveryCellStoresExactlyItsBitsInTheMptVariant)
{
    CheckAll(false);
}

TEST_F(MapFields, EveryCellStoresExactlyItsBitsInTheCpsVariant)
{
    CheckAll(true);
}

TEST_F(MapFields, EveryCellShowsWithTheShippedOverlayInBothVariants)
{
    // A selection list or indication text missing from the overlay would end
    // the program the first time the cell is drawn.
    for (const bool cps : {false, true}) {
        UseCps(cps);
        FillImage();
        for (const MapField& f : kMap) {
            Show(f.cell, f.index);
            EXPECT_FALSE(rq.displayText.empty()) << CellName(f.cell);
        }
    }
}

}  // namespace
}  // namespace xtr::test
