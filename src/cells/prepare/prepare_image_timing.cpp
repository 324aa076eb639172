// Preparation of the timing values the radio needs but no cell shows: the
// MAP27 data-port timers derived from the connection speed and the retry
// settings, the MPT1327 time derived from NV, and the option bits and maker
// timers that travel with them.
#include "cells/numbering/mpt_layout.h"
#include "cells/prepare/prepare_image_steps.h"
#include "image/memory_map.h"

namespace xtr::prepare {
namespace {

// MAP27 data port.
constexpr std::int32_t kMap27Format = 0x0F87;      // maker byte
constexpr std::int32_t kMap27Speed = 0x0F88;       // bit/s, 16-bit
constexpr std::int32_t kMap27SpeedTimer = 0x0F8E;  // 32-bit, derived from the speed
constexpr std::int32_t kMap27T3 = 0x0F96;          // 32-bit, ms
constexpr std::int32_t kMap27RetryTimer = 0x0F9A;  // 32-bit, derived from N3 and T3
constexpr std::int32_t kMap27Count = 0x0F9E;       // derived from the format byte
constexpr std::int32_t kMap27N3 = 0x0FA0;

constexpr std::int32_t kStepClim = 0x0F10;
constexpr std::int32_t kCallOptions = memmap::kCallOptionWord;  // 16-bit word
constexpr std::int32_t kNv = 0x0F1B;
constexpr std::int32_t kNvTime = 0x0EDA;  // 16-bit, derived from NV

constexpr std::uint32_t kSlowestSpeed = 300;

}  // namespace

// A call-option bit that no cell shows and the MAP27 format byte,
// both the maker's.
void CopyMap27Bits(const Preparation& p)
{
    p.CopyBits(0x0F47, 0x20);
    p.CopyByte(kMap27Format);
}

// The MAP27 timer that lies between T0 and T2 follows the
// connection speed (slower lines wait longer); from 19200 bit/s on it is a
// fixed 300. Speeds below 300 bit/s count as 300.
void DeriveMap27SpeedTimer(const Preparation& p)
{
    std::uint32_t speed = p.Get16(kMap27Speed);
    if (speed < kSlowestSpeed) {
        speed = kSlowestSpeed;
    }
    std::uint32_t timer = 300;
    if (speed < 2400) {
        timer = 3960000 / speed + 100;
    } else if (speed < 19200) {
        timer = 3840000 / speed + 100;
    }
    p.Set32(kMap27SpeedTimer, timer);
}

// The MAP27 timer that follows the retries: N3 times T3, plus
// 1000 (32-bit, wrapping like the radio's own arithmetic).
void DeriveMap27RetryTimer(const Preparation& p)
{
    const std::uint32_t n3 = p.t.GetByte(kMap27N3);
    p.Set32(kMap27RetryTimer, n3 * p.Get32(kMap27T3) + 1000);
}

// The high nibble of the format byte, less one (0xFF when it is 0).
void DeriveMap27Count(const Preparation& p)
{
    p.t.SetByte(kMap27Count, static_cast<std::uint8_t>(p.t.GetByte(kMap27Format) / 16 - 1));
}

// In the Mpt variant, the call options that only the Cps variant
// edits (group call maintenance, prefix check, 8 for PABX) and the default
// fleets are the reference's.
void CopyMptCallBits(const Preparation& p)
{
    if (!p.Mpt()) {
        return;
    }
    p.CopyBits(0x0F46, 0x06);
    p.CopyBits(0x0F47, 0x80);
    p.CopyByte(mptmap::kDefaultIndividualFleet);
    p.CopyByte(mptmap::kDefaultGroupFleet);
}

// Bit 10 of the call-option word is always cleared; bits 9 and 3
// are the inter-fleet calls, which only the Mpt variant edits.
void CleanCallOptionWord(const Preparation& p)
{
    std::uint32_t word = p.Get16(kCallOptions) & ~(1u << 10);
    if (p.Cps()) {
        const std::uint32_t mask = (1u << 9) | (1u << 3);
        const std::uint32_t reference = static_cast<std::uint32_t>(p.r.GetByte(kCallOptions) << 8) |
                                        p.r.GetByte(kCallOptions + 1);
        word = (word & ~mask) | (reference & mask);
    }
    p.Set16(kCallOptions, word);
}

// The STEPCLIM selection keeps only the values of this variant's
// list (Mpt 0 or 1, Cps 0 or 2), anything else is 0; then three MPT1327
// timers the maker sets.
void CheckStepClimAndCopyTimers(const Preparation& p)
{
    const std::uint8_t value = p.t.GetByte(kStepClim);
    const std::uint8_t allowed = p.Cps() ? 2 : 1;
    if (value != 0 && value != allowed) {
        p.t.SetByte(kStepClim, 0);
    }
    p.CopyBytes(0x0ED4, 0x0ED9);
}

// A time the radio derives from NV: NV × 106.7 + 500, truncated.
void DeriveNvTime(const Preparation& p)
{
    const double time = p.t.GetByte(kNv) * 106.7 + 500.0;
    p.Set16(kNvTime, static_cast<std::uint32_t>(time));
}

// The network bytes from 0x0F3E to 0x0F45 the maker sets.
void CopyNetworkTail(const Preparation& p) { p.CopyBytes(0x0F3E, 0x0F45); }

// Byte 0x0FE6 is always 1; the byte after it is the maker's.
void MarkPrepared(const Preparation& p)
{
    p.t.SetByte(0x0FE6, 1);
    p.CopyByte(0x0FE7);
}

}  // namespace xtr::prepare
