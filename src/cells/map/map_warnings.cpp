#include "cells/map/map_warnings.h"

#include "cells/codecs/codec_selection.h"
#include "cells/map/map_common.h"

namespace xtr::cellmap {
namespace {

constexpr std::int32_t kHornByte = 0x011F;
constexpr std::uint8_t kHornOn = 0x10;
constexpr std::uint8_t kHonkOnAlerting = 0x04;
constexpr std::uint8_t kHonkOnStatus = 0x02;
constexpr std::int32_t kHornTimer = 0x0149;
constexpr int kHornEnableBit = 5;

constexpr std::int32_t kScramblerSelection = 0x011A;
constexpr std::int32_t kScramblerCodes = 0x0432;
constexpr int kScramblerRows = 5;

bool HornHonks(CellCall& call)
{
    const std::uint8_t bits = *Field(call, kHornByte);
    return (bits & (kHonkOnAlerting | kHonkOnStatus)) != 0 && *Field(call, kHornTimer) != 0;
}

}  // namespace

void CheckHorn(CellCall& call)
{
    if ((*Field(call, kHornByte) & kHornOn) != 0 && HornHonks(call)) {
        call.rq.SetWarning();
    }
}

void CheckHornEnable(CellCall& call)
{
    const std::uint8_t enable = *Field(call, kEnableBitsAddress + kHornEnableBit / 8);
    const std::uint8_t mask = static_cast<std::uint8_t>(0x80 >> (kHornEnableBit % 8));
    if ((enable & mask) != 0 && HornHonks(call)) {
        call.rq.SetWarning();
    }
}

void CheckScramblerCode(CellCall& call)
{
    const int selection = *Field(call, kScramblerSelection);
    if (selection >= 1 && selection <= kScramblerRows && *Field(call, kScramblerCodes + selection - 1) == 0) {
        call.rq.SetError();
    }
}

}  // namespace xtr::cellmap
