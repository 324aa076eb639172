// The steps of the image preparation, in groups, and what they share: the
// image being prepared (t), the reference image (r) and the numbering
// variant. PrepareImage runs the steps in the order of its table.
#pragma once

#include "image/eeprom.h"

#include <cstdint>

namespace xtr::prepare {

class Preparation {
public:
    Preparation(cmcEeprom& target, const cmcEeprom& reference, int modelType)
        : t(target), r(reference), cps_(modelType == 1)
    {
    }

    cmcEeprom& t;
    const cmcEeprom& r;

    bool Mpt() const { return !cps_; }
    bool Cps() const { return cps_; }

    // t[first..last] = r[first..last].
    void CopyBytes(std::int32_t first, std::int32_t last) const;
    void CopyByte(std::int32_t a) const { CopyBytes(a, a); }
    // The bits of mask in t[a] from r[a]; the other bits of t[a] stay.
    void CopyBits(std::int32_t a, std::uint8_t mask) const;

    // Big-endian numbers of t.
    std::uint32_t Get16(std::int32_t a) const;
    std::uint32_t Get32(std::int32_t a) const;
    void Set16(std::int32_t a, std::uint32_t value) const;
    void Set32(std::int32_t a, std::uint32_t value) const;

private:
    bool cps_;
};

using Step = void (*)(const Preparation& p);

// Identity, maker text and the settings around them (prepare_image_head.cpp).
void CopyIdentity(const Preparation& p);
void CopyMakerText(const Preparation& p);
void CopyHeadBits(const Preparation& p);
void FindFirstDirectoryEntry(const Preparation& p);
void SetQueryStatusMode(const Preparation& p);
void CopyCommonBits(const Preparation& p);
void CleanCloneComments(const Preparation& p);
void CopyScramblerBits(const Preparation& p);

// Lists kept through the row record (prepare_image_rows.cpp).
void FindFirstConventionalChannel(const Preparation& p);
void KeepConventionalRows(const Preparation& p);
void KeepNddRows(const Preparation& p);

// MPT1327 numbering and its lists (prepare_image_mpt.cpp).
void DeriveDirectoryAddresses(const Preparation& p);
void KeepGroupRows(const Preparation& p);
void ClearRegroupTable(const Preparation& p);
void CopyCpsNumberPlan(const Preparation& p);
void KeepFiveDigitRows(const Preparation& p);
void KeepFleetCountsAndPrefixes(const Preparation& p);
void KeepHuntRows(const Preparation& p);
void KeepAadRows(const Preparation& p);
void CopyKilledByte(const Preparation& p);

// Timings derived from settings and the network options
// (prepare_image_timing.cpp).
void CopyMap27Bits(const Preparation& p);
void DeriveMap27SpeedTimer(const Preparation& p);
void DeriveMap27RetryTimer(const Preparation& p);
void DeriveMap27Count(const Preparation& p);
void CopyMptCallBits(const Preparation& p);
void CleanCallOptionWord(const Preparation& p);
void CheckStepClimAndCopyTimers(const Preparation& p);
void DeriveNvTime(const Preparation& p);
void CopyNetworkTail(const Preparation& p);
void MarkPrepared(const Preparation& p);

}  // namespace xtr::prepare
