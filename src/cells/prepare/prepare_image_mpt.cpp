// Preparation of the MPT1327 part of the image: the addresses the directory
// entries dial, the packed lists (groups, 5-digit entries, hunt channels,
// AAD entries), whose rows past the count take the reference's bytes, and
// the number plan of the Cps variant, which only the maker sets.
#include "cells/numbering/mpt_dial.h"
#include "cells/numbering/mpt_layout.h"
#include "cells/numbering/mpt_plan.h"
#include "cells/prepare/prepare_image_steps.h"
#include "image/memory_map.h"

namespace xtr::prepare {
namespace {

// Dynamic regrouping table the radio fills itself over the air.
constexpr std::int32_t kRegroupFirst = 0x0C31;
constexpr std::int32_t kRegroupLast = 0x0C70;

// Hunt list: count, then 40 rows of channel number (2 bytes) and a byte the
// cells leave alone.
using memmap::kHuntCount;
using memmap::kHuntRows;
constexpr std::int32_t kHuntRowSize = 3;
constexpr std::int32_t kHuntRowCount = 40;

// AAD list: count, then 100 rows of 2 bytes.
using memmap::kAadCount;
using memmap::kAadRows;
constexpr std::int32_t kAadRowSize = 2;
constexpr std::int32_t kAadRowCount = 100;

constexpr std::int32_t kKilledOptions = 0x0ECC;

void CopyRows(const Preparation& p, std::int32_t rows, std::int32_t rowSize, std::int32_t from, std::int32_t to)
{
    for (std::int32_t k = from; k < to; ++k) {
        const std::int32_t row = rows + rowSize * k;
        p.CopyBytes(row, row + rowSize - 1);
    }
}

}  // namespace

// Every directory entry's prefix and ident, derived from its dial
// string in the numbering of this variant (zeros when it dials no address).
void DeriveDirectoryAddresses(const Preparation& p)
{
    MptNumbering numbering = CurrentNumbering();
    numbering.scheme = p.Cps() ? MptScheme::Cps : MptScheme::Mpt;
    UpdateDirectoryAddresses(p.t, numbering);
}

// The fourth byte of every group row is the reference's; rows past
// the count are wholly the reference's. The Mpt radio calls its groups in
// its own prefix, so every row takes it.
void KeepGroupRows(const Preparation& p)
{
    const std::int32_t count = p.t.GetByte(mptmap::kGroupCount);
    for (std::int32_t k = 0; k < mptmap::kGroupRowCount; ++k) {
        const std::int32_t row = mptmap::kGroupRows + mptmap::kGroupRowSize * k;
        p.CopyByte(row + 3);
        if (k >= count) {
            p.CopyBytes(row, row + mptmap::kGroupRowSize - 1);
        }
        if (p.Mpt()) {
            p.t.SetByte(row, p.t.GetByte(mptmap::kOwnPrefix));
        }
    }
}

// The regrouping table starts empty; the byte after it is the
// reference's.
void ClearRegroupTable(const Preparation& p)
{
    for (std::int32_t a = kRegroupFirst; a <= kRegroupLast; ++a) {
        p.t.SetByte(a, 0x00);
    }
    p.CopyByte(kRegroupLast + 1);
}

// The Cps variant has no fleet plan or 5-digit dialling of its
// own: the fleet bases, last numbers, the 5-digit count and the whole list
// are the reference's.
void CopyCpsNumberPlan(const Preparation& p)
{
    if (!p.Cps()) {
        return;
    }
    p.CopyBytes(mptmap::kFleetIndividual, mptmap::kLastGroup + 1);
    p.CopyByte(mptmap::kFiveDigitCount);
    p.CopyBytes(mptmap::kFiveDigitRows,
                mptmap::kFiveDigitRows + mptmap::kFiveDigitRowSize * mptmap::kFiveDigitRowCount - 1);
}

// Mpt 5-digit rows past the count are the reference's.
void KeepFiveDigitRows(const Preparation& p)
{
    if (!p.Mpt()) {
        return;
    }
    CopyRows(p, mptmap::kFiveDigitRows, mptmap::kFiveDigitRowSize, p.t.GetByte(mptmap::kFiveDigitCount),
             mptmap::kFiveDigitRowCount);
}

// The Mpt radio has no Cps fleet bands (the reference's stay), and
// its despatcher, emergency and SDM numbers lie in its own prefix.
void KeepFleetCountsAndPrefixes(const Preparation& p)
{
    if (!p.Mpt()) {
        return;
    }
    p.CopyBytes(mptmap::kFleetBounds, mptmap::kFleetBounds + 2);
    const std::uint8_t ownPrefix = p.t.GetByte(mptmap::kOwnPrefix);
    p.t.SetByte(mptmap::kDespatcherPrefix, ownPrefix);
    p.t.SetByte(mptmap::kEmergencyPrefix, ownPrefix);
    p.t.SetByte(mptmap::kSdmPrefix, ownPrefix);
}

// The third byte of every hunt row is the reference's; the channel
// numbers of rows past the count as well.
void KeepHuntRows(const Preparation& p)
{
    const std::int32_t count = p.t.GetByte(kHuntCount);
    for (std::int32_t k = 0; k < kHuntRowCount; ++k) {
        const std::int32_t row = kHuntRows + kHuntRowSize * k;
        p.CopyByte(row + 2);
        if (k >= count) {
            p.CopyBytes(row, row + 1);
        }
    }
}

// AAD rows past the count are the reference's.
void KeepAadRows(const Preparation& p)
{
    CopyRows(p, kAadRows, kAadRowSize, p.t.GetByte(kAadCount), kAadRowCount);
}

// The killed-radio option byte is the reference's in the Mpt
// variant; the Cps variant edits it (CL_CallOp_KilledEnable_Cps) and takes
// only bit 0 from the reference.
void CopyKilledByte(const Preparation& p)
{
    if (p.Mpt()) {
        p.CopyByte(kKilledOptions);
    } else {
        p.CopyBits(kKilledOptions, 0x01);
    }
}

}  // namespace xtr::prepare
