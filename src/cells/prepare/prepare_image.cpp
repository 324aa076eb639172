// PrepareImage: the steps in the order in which they run, and the byte
// helpers they share.
#include "cells/prepare/prepare_image.h"

#include "cells/prepare/prepare_image_steps.h"

namespace xtr {
namespace prepare {
namespace {

// The order matters where a step reads what an earlier one wrote (the
// prefixes follow the own prefix, the derived timers follow the copied
// maker bytes).
constexpr Step kSteps[] = {
    CopyIdentity,
    CopyMakerText,
    CopyHeadBits,
    FindFirstDirectoryEntry,
    SetQueryStatusMode,
    CopyCommonBits,
    CleanCloneComments,
    KeepConventionalRows,
    // The first channel in use is found once the rows not in use have
    // taken the reference's contents, so that it names a row as the radio
    // will find it (a row taken from the reference may be in use).
    FindFirstConventionalChannel,
    CopyScramblerBits,
    DeriveDirectoryAddresses,
    CopyMap27Bits,
    DeriveMap27SpeedTimer,
    DeriveMap27RetryTimer,
    DeriveMap27Count,
    CopyMptCallBits,
    KeepGroupRows,
    ClearRegroupTable,
    CopyCpsNumberPlan,
    KeepFiveDigitRows,
    KeepFleetCountsAndPrefixes,
    KeepHuntRows,
    KeepAadRows,
    CopyKilledByte,
    KeepNddRows,
    CleanCallOptionWord,
    CheckStepClimAndCopyTimers,
    DeriveNvTime,
    CopyNetworkTail,
    // Restarting the delayed check of the prepared image is left to the
    // caller, which owns that check.
    MarkPrepared,
};

}  // namespace

void Preparation::CopyBytes(std::int32_t first, std::int32_t last) const
{
    for (std::int32_t a = first; a <= last; ++a) {
        t.SetByte(a, r.GetByte(a));
    }
}

void Preparation::CopyBits(std::int32_t a, std::uint8_t mask) const
{
    const auto kept = static_cast<std::uint8_t>(t.GetByte(a) & ~mask);
    t.SetByte(a, static_cast<std::uint8_t>(kept | (r.GetByte(a) & mask)));
}

std::uint32_t Preparation::Get16(std::int32_t a) const
{
    return static_cast<std::uint32_t>(t.GetByte(a) << 8) | t.GetByte(a + 1);
}

std::uint32_t Preparation::Get32(std::int32_t a) const
{
    return (Get16(a) << 16) | Get16(a + 2);
}

void Preparation::Set16(std::int32_t a, std::uint32_t value) const
{
    t.SetByte(a, static_cast<std::uint8_t>(value >> 8));
    t.SetByte(a + 1, static_cast<std::uint8_t>(value));
}

void Preparation::Set32(std::int32_t a, std::uint32_t value) const
{
    Set16(a, value >> 16);
    Set16(a + 2, value);
}

}  // namespace prepare

void PrepareImage(cmcEeprom& target, const cmcEeprom& reference, int modelType)
{
    // The steps read the reference while they write the target; working
    // from a snapshot keeps the reference's bytes intact when both are the
    // same image (the reference is prepared in place at start-up).
    cmcEeprom snapshot;
    snapshot.CopyFrom(reference);
    const prepare::Preparation preparation(target, snapshot, modelType);
    for (prepare::Step step : prepare::kSteps) {
        step(preparation);
    }
}

}  // namespace xtr
