// Short timers of one byte, counted in units of 1/u second and shown in
// seconds with milliseconds; where 0 switches the timer off it shows
// "GI_AppInd_TimerOff" and "OFF" may be typed. The user CTCSS frequency is
// kept the same way, in 0.1 Hz (16-bit).
#include "cells/cell_handlers.h"
#include "cells/cell_names.h"
#include "cells/codecs/codec_timer.h"
#include "cells/map/map_common.h"
#include "cells/map/map_families.h"

namespace xtr::cellmap {
namespace {

struct TimerCell {
    std::int32_t cell;
    std::int32_t address;
    int bytes;
    TimerSpec spec;
    bool changesOthers = false;
};

constexpr TimerSpec Units(std::int32_t unitsPerSecond, bool offAllowed = false)
{
    return {unitsPerSecond, 0, 255, offAllowed, 0};
}
constexpr bool kOff = true;

// clang-format off
constexpr TimerCell kTimers[] = {
    //  cell                                address bytes  units per second, off
    {CL_DtmfDTMFDurationTimer,              0x03F5, 1,     Units(100)},
    {CL_Dtmf1stDigitDurationTimer,          0x03F6, 1,     Units(100)},
    {CL_DtmfAstaSharpDurationTimer,         0x03F7, 1,     Units(100)},
    {CL_Ctcss_LockoutPenaltyTimer,          0x03EC, 1,     Units(1, kOff)},
    {CL_Ctcss_BurstTimer,                   0x03ED, 1,     Units(100, kOff)},
    // The horn timer takes part in the horn warning.
    {CL_Comm_HornTimer,                     0x0149, 1,     Units(10, kOff), true},
    {CL_Maker_Sql_SigDetTimer,              0x0018, 1,     Units(1000)},
    {CL_Maker_Sql_NoiseDetTimer,            0x0019, 1,     Units(1000)},
    {CL_Maker_SqlDelay_ResetTimer,          0x001A, 1,     Units(1000)},
    {CL_Maker_Pll_TxFastTimer,              0x001B, 1,     Units(1000)},
    {CL_Maker_Pll_RxFastTimer,              0x001C, 1,     Units(1000)},
    {CL_Maker_MuteTimer_Tx,                 0x001D, 1,     Units(1000)},
    {CL_Maker_MuteTimer_Rx,                 0x001E, 1,     Units(1000)},
    {CL_Maker_Let,                          0x0024, 1,     Units(1000)},
    // 60.0-300.0 Hz in 0.1 Hz, shown without the last two zeros ("88.5").
    {CL_Ctcss_UserCTCSS,                    0x03EF, 2,     {10, 600, 3000, false, 2}},
};
// clang-format on

void TimerHandler(CellCall& call)
{
    const TimerCell& row = call.Data<TimerCell>();
    std::uint8_t* field = Field(call, row.address, row.bytes);
    const bool changed = row.bytes == 1 ? CodecTimerByte(call.rq, call.editorKind, field, row.spec)
                                        : CodecTimer16(call.rq, call.editorKind, field, row.spec);
    if (changed && row.changesOthers) {
        ChangesOthers(call);
    }
}

}  // namespace

void RegisterTimerCells(CellRegistry& registry)
{
    for (const TimerCell& row : kTimers) {
        registry.Register(row.cell, TimerHandler, &row);
    }
}

}  // namespace xtr::cellmap
