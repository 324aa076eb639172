// The number plan of the memory image and the Mpt fleet range checks.
#include "cells/numbering/mpt_plan.h"

#include "app/environ.h"
#include "app/globals.h"
#include "cells/numbering/mpt_layout.h"
#include "image/eeprom.h"

namespace xtr {
namespace {

// The highest IFNs are stored as shown; three digits from 100 up.
constexpr int32_t kThreeDigitFrom = 100;

// Highest IFNs the Cps scheme allows in any fleet.
constexpr int32_t kCpsIndividualTop = 899;
constexpr int32_t kCpsGroupTop = 999;

int32_t IfnStartOf(uint8_t kind, int32_t lastIfn)
{
    const int32_t start = kind == kMptGroup ? kIfnGroupStart : kIfnIndividualStart;
    return lastIfn >= kThreeDigitFrom ? start : start / 10;
}

bool LastIfnAllowed(uint8_t kind, int32_t last)
{
    if (kind == kMptGroup) {
        return (last >= 90 && last <= 99) || (last >= 900 && last <= 998);
    }
    return (last >= 20 && last <= 89) || (last >= 200 && last <= 899);
}

struct MptRange {
    int32_t base;
    int32_t last;
    int32_t top;
};

MptRange RangeOf(const cmcEeprom& image, uint8_t kind)
{
    const bool group = kind == kMptGroup;
    const int32_t base = ImageWord(image, group ? mptmap::kFleetGroup : mptmap::kFleetIndividual);
    const int32_t last = ImageWord(image, group ? mptmap::kLastGroup : mptmap::kLastIndividual);
    return {base, last, base + last - IfnStartOf(kind, last)};
}

}  // namespace

MptNumbering CurrentNumbering()
{
    MptNumbering numbering;
    if (HasEnv()) {
        numbering.scheme = Env().modelType == 1 ? MptScheme::Cps : MptScheme::Mpt;
        numbering.attached = Env().attached != 0;
    }
    return numbering;
}

int32_t ImageWord(const cmcEeprom& image, int32_t a)
{
    return (image.GetByte(a) << 8) | image.GetByte(a + 1);
}

void SetImageWord(cmcEeprom& image, int32_t a, int32_t value)
{
    image.SetByte(a, static_cast<uint8_t>((value >> 8) & 0xFF));
    image.SetByte(a + 1, static_cast<uint8_t>(value & 0xFF));
}

datMptNum MakeNumberPlan(const cmcEeprom& image, uint8_t kind, const MptNumbering& numbering)
{
    if (numbering.scheme == MptScheme::Cps) {
        datMptNum record(MptScheme::Cps, 1, 1);
        record.SetKind(kind);
        record.SetPrefix(image.GetByte(mptmap::kOwnPrefix));
        record.SetPlan(image.GetByte(mptmap::kDefaultIndividualFleet), image.GetByte(mptmap::kDefaultGroupFleet),
                       kCpsIndividualTop, kCpsGroupTop);
        record.SetBands(image.GetByte(mptmap::kFleetBounds), image.GetByte(mptmap::kFleetBounds + 1),
                        image.GetByte(mptmap::kFleetBounds + 2));
        return record;
    }
    const MptRange individual = RangeOf(image, kMptIndividual);
    const MptRange group = RangeOf(image, kMptGroup);
    const int32_t ownLast = kind == kMptGroup ? group.last : individual.last;
    datMptNum record(MptScheme::Mpt, numbering.attached ? 1 : 0, ownLast >= kThreeDigitFrom ? 1 : 0);
    record.SetKind(kind);
    record.SetPrefix(image.GetByte(mptmap::kOwnPrefix));
    record.SetPlan(individual.base, group.base, individual.top, group.top);
    return record;
}

datMptNum MakeNumberPlan(const cmcEeprom& image, uint8_t kind)
{
    return MakeNumberPlan(image, kind, CurrentNumbering());
}

bool MptRangeValid(const cmcEeprom& image, uint8_t kind)
{
    const MptRange range = RangeOf(image, kind);
    return range.base >= kMptMinBase && range.base <= kMptLastIdent && LastIfnAllowed(kind, range.last) &&
           range.top <= kMptLastIdent;
}

bool MptRangesOverlap(const cmcEeprom& image)
{
    const MptRange individual = RangeOf(image, kMptIndividual);
    const MptRange group = RangeOf(image, kMptGroup);
    return individual.top >= group.base && group.top >= individual.base;
}

bool MptNumberPlanValid(const cmcEeprom& image)
{
    return MptRangeValid(image, kMptIndividual) && MptRangeValid(image, kMptGroup) && !MptRangesOverlap(image);
}

}  // namespace xtr
