// Plain numbers of the image: levels, MPT1327 counters, talk-around and
// time-out timers in whole seconds, RSSI margins and levels, beep
// frequencies, MAP27 timers and counters, the maker's CTCSS decoder and DTCS
// settings. Each is a big-endian field of 1, 2 or 4 bytes; a range with
// negative values reads a signed field. Where 0 means "off" the cell shows
// the overlay text given instead of the number.
#include "app/globals.h"
#include "cells/cell_names.h"
#include "cells/codecs/codec_common.h"
#include "cells/codecs/codec_integer.h"
#include "cells/map/map_common.h"
#include "cells/map/map_families.h"
#include "cells/map/map_variant.h"
#include "cells/ui_seams.h"
#include "overlay/gtex.h"

namespace xtr::cellmap {
namespace {

struct IntegerCell {
    std::int32_t cell;
    std::int32_t address;
    int bytes;
    std::int32_t min;
    std::int32_t max;
    std::int32_t step = 1;
    const char* zeroText = nullptr;
};

constexpr const char* kTimerOff2 = "GI_AppInd_TimerOff2";

// clang-format off
constexpr IntegerCell kIntegers[] = {
    //  cell                              address bytes  min   max   step  text for 0
    {CL_Set_SquelchLevel,                 0x0113, 1,     0,    255},
    {CL_Set_AFMinLevel,                   0x0114, 1,     0,    255},
    {CL_TE_NV,                            0x0F1B, 1,     1,     16},
    {CL_TE_NC1,                           0x0F1C, 1,     0,    255},
    {CL_TE_NC2,                           0x0F1D, 1,     0,    255},
    {CL_TE_NX1,                           0x0F1E, 1,     0,    255},
    {CL_TE_NX2,                           0x0F1F, 1,     0,    255},
    {CL_TE_NZ1,                           0x0F20, 1,     0,    255},
    {CL_TE_NZ2,                           0x0F21, 1,     0,    255},
    {CL_TE_ND1,                           0x0F6C, 1,     1,      9},
    {CL_TE_ND2,                           0x0F6D, 1,     1,      9},
    {CL_TE_NE,                            0x0F6E, 1,     1,     64},
    {CL_TE_NI,                            0x0F6F, 1,     1,     64},
    {CL_TE_NR,                            0x0F70, 1,     1,     64},
    {CL_TE_NW,                            0x0F71, 1,     1,     32},
    {CL_TE_NS,                            0x0EE2, 1,     1,     10},
    {CL_TE_NPON,                          0x0F11, 1,     1,      5},
    {CL_TE_NPOFF,                         0x0F12, 1,     1,      5},
    {CL_Comm_TalkATimer,                  0x0141, 1,     0,    255,  1,    kTimerOff2},
    {CL_Comm_TalkAIntervalTimer,          0x0142, 1,     0,    255,  1,    kTimerOff2},
    {CL_Comm_TOTTimer,                    0x0143, 1,     0,    255},
    {CL_Comm_TOTPenaltyTimer,             0x0144, 1,     0,    255,  1,    kTimerOff2},
    {CL_RSSIMarginLM1,                    0x0ED0, 1,     0,     30,  3},
    {CL_RSSIMarginLM2,                    0x0ED1, 1,     0,     30,  3},
    {CL_RSSIMarginLM3,                    0x0ED2, 1,     0,     30,  3},
    {CL_RSSIMarginLM4,                    0x0ED3, 1,     0,     30,  3},
    {CL_Comm_RSSIL0,                      0x0FAB, 1,  -120,   -100},   // dBm, signed byte
    {CL_Comm_RSSIL2,                      0x0FAC, 1,  -100,    -70},   // dBm, signed byte
    {CL_Comm_BeepFreq_Low,                0x0138, 2,   400,   3000},   // Hz
    {CL_Comm_BeepFreq_High1,              0x013A, 2,   400,   3000},
    {CL_Comm_BeepFreq_High2,              0x013C, 2,   400,   3000},
    {CL_CallOp_AbbreviatedPSTN,           0x0F5D, 1,     0,     49,  1,    "GI_AppInd_AbbreviatedPSTN_Disable"},
    {CL_NetId_RegistrationInformation,    0x0F15, 2,     0,  32767},
    {CL_Map27_T0,                         0x0F8A, 4,     0,  15000},
    {CL_Map27_T2,                         0x0F92, 4,     0,  15000},
    {CL_Map27_T3,                         0x0F96, 4,     0,  15000},
    {CL_Map27_N2,                         0x0F9F, 1,     0,     20},
    {CL_Map27_N3,                         0x0FA0, 1,     0,    255},
    {CL_Maker_CtcssDec_Attack,            0x0020, 1,     0,    255},
    {CL_Maker_CtcssDec_Release,           0x0021, 1,     0,    255},
    {CL_Maker_CtcssDec_PS,                0x0022, 1,     0,    255},
    {CL_Maker_Dtcs_Decode,                0x002E, 1,    12,     23},
};
// clang-format on

void IntegerHandler(CellCall& call)
{
    if (VariantRefuses(call)) {
        return;
    }
    const IntegerCell& row = call.Data<IntegerCell>();
    IntegerSpec spec{row.min, row.max};
    spec.step = row.step;
    spec.zeroText = row.zeroText;
    CodecIntegerField(call.rq, call.editorKind, Field(call, row.address, row.bytes), row.bytes, spec);
}

// Fall-back channel (16-bit at 0x0F28, 0-1023). 0 is no fall-back channel:
// the number is followed by "GI_AppInd_FallbackChOff".
constexpr std::int32_t kFallBackChannel = 0x0F28;

void FallBackChannelHandler(CellCall& call)
{
    std::uint8_t* field = Field(call, kFallBackChannel, 2);
    CodecInt16(call.rq, call.editorKind, field, 0, 1023);
    if (call.editorKind == celleditor::kNone && codec::ReadBigEndian(field, 2) == 0) {
        codec::SetTextColor(call.rq, kColorIndication);
        codec::Show(call.rq, call.rq.displayText + GTex().FirstLine("GI_AppInd_FallbackChOff"));
    }
}

// Scrambler group code: bits 1-0 of 0x0430, shown 1-4.
constexpr std::int32_t kScramblerBits = 0x0430;
constexpr std::uint8_t kGroupCodeMask = 0x03;

void ScramblerGroupHandler(CellCall& call)
{
    std::uint8_t* byte = Field(call, kScramblerBits);
    std::int32_t value = *byte & kGroupCodeMask;
    if (CodecInteger(call.rq, call.editorKind, value, {0, 3, 1})) {
        *byte = static_cast<std::uint8_t>((*byte & ~kGroupCodeMask) | (value & kGroupCodeMask));
    }
}

}  // namespace

void RegisterIntegerCells(CellRegistry& registry)
{
    for (const IntegerCell& row : kIntegers) {
        registry.Register(row.cell, IntegerHandler, &row);
    }
    registry.Register(CL_NetId_FallBack_Ch, FallBackChannelHandler);
    registry.Register(CL_Scrm_GroupCode, ScramblerGroupHandler);
}

}  // namespace xtr::cellmap
