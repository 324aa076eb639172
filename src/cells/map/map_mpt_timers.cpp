// MPT1327 protocol timers. Most are kept in milliseconds (32-bit, a few
// 16-bit) and set in whole seconds: shown as the stored value / 1000, an
// entry stored as seconds x 1000. TH and NT are kept in the radio's own
// units and converted for display.
#include "app/text_util.h"
#include "cells/cell_handlers.h"
#include "cells/cell_names.h"
#include "cells/codecs/codec_common.h"
#include "cells/codecs/codec_integer.h"
#include "cells/map/map_common.h"
#include "cells/map/map_families.h"

#include <cmath>

namespace xtr::cellmap {
namespace {

struct MsTimerCell {
    std::int32_t cell;
    std::int32_t address;
    int bytes;
    std::int32_t min;  // seconds
    std::int32_t max;
    std::int32_t step = 1;
    const char* zeroText = nullptr;
};

// clang-format off
constexpr MsTimerCell kMsTimers[] = {
    //  cell        address bytes  min    max  step  text for 0
    {CL_TE_TL,      0x0EDE, 4,     0,     320,  5},
    {CL_TE_TA,      0x0EF4, 4,     0,      60},
    {CL_TE_TGI,     0x0EF8, 4,     1,      15},
    {CL_TE_TN,      0x0EFC, 4,     0,      10},
    {CL_TE_TT,      0x0F00, 4,     0,      60},
    {CL_TE_TW,      0x0F04, 4,     0,      60},
    {CL_TE_CLIM,    0x0F08, 4,     0,    3599,  1,    "GI_AppInd_CLIM_NoLimit"},
    {CL_TE_TJ,      0x0F17, 2,     0,      60},
    {CL_TE_TS,      0x0F22, 4,     0,      10},
    {CL_TE_TB,      0x0F5E, 4,     0,      60},
    {CL_TE_TC,      0x0F62, 4,     0,     120},
    {CL_TE_TI,      0x0F66, 4,     0,      60},
    {CL_TE_TP,      0x0F6A, 2,     0,      60},
};
// clang-format on

constexpr std::uint32_t kMsPerSecond = 1000;

void MsTimerHandler(CellCall& call)
{
    const MsTimerCell& row = call.Data<MsTimerCell>();
    std::int32_t seconds = static_cast<std::int32_t>(Read(call, row.address, row.bytes) / kMsPerSecond);
    IntegerSpec spec{row.min, row.max};
    spec.step = row.step;
    spec.zeroText = row.zeroText;
    if (CodecInteger(call.rq, call.editorKind, seconds, spec)) {
        Write(call, row.address, row.bytes, static_cast<std::uint32_t>(seconds) * kMsPerSecond);
    }
}

std::int32_t Rounded(double x)
{
    return static_cast<std::int32_t>(codec::RoundHalfAway(x));
}

// TH (16-bit at 0x0EDC): shown 0-100 as the stored value x 0.009375,
// rounded; an entry is stored x 106.6667, rounded.
constexpr std::int32_t kTh = 0x0EDC;

void ThHandler(CellCall& call)
{
    std::int32_t shown = Rounded(Read(call, kTh, 2) * 0.009375);
    if (CodecInteger(call.rq, call.editorKind, shown, {0, 100})) {
        Write(call, kTh, 2, static_cast<std::uint32_t>(Rounded(shown * 106.6667)));
    }
}

// NT (16-bit at 0x0F26): shown 103-1236 as the stored value x 1.2, rounded;
// an entry is stored / 1.2, rounded. Not every shown value can be stored:
// stepping onto one that reads back as another steps once more, so that
// Space and Backspace never stick on a value.
constexpr std::int32_t kNt = 0x0F26;
constexpr IntegerSpec kNtSpec{103, 1236};

std::int32_t NtShown(std::uint32_t stored)
{
    return Rounded(stored * 1.2);
}

void NtHandler(CellCall& call)
{
    std::int32_t shown = NtShown(Read(call, kNt, 2));
    if (!CodecInteger(call.rq, call.editorKind, shown, kNtSpec)) {
        return;
    }
    std::uint32_t stored = static_cast<std::uint32_t>(Rounded(shown / 1.2));
    if (NtShown(stored) != shown) {
        CodecInteger(call.rq, call.editorKind, shown, kNtSpec);
        stored = static_cast<std::uint32_t>(Rounded(shown / 1.2));
    }
    Write(call, kNt, 2, stored);
    // A typed value that cannot be stored exactly shows what was stored.
    if (call.editorKind == celleditor::kNone) {
        codec::Show(call.rq, Format("%d", NtShown(stored)));
    }
}

}  // namespace

void RegisterMptTimerCells(CellRegistry& registry)
{
    for (const MsTimerCell& row : kMsTimers) {
        registry.Register(row.cell, MsTimerHandler, &row);
    }
    registry.Register(CL_TE_TH, ThHandler);
    registry.Register(CL_TE_NT, NtHandler);
}

}  // namespace xtr::cellmap
