// Conversions between idents and fleet numbers over the band table.
#include "cells/numbering/mpt_bands.h"

#include <algorithm>

namespace xtr {
namespace {

// Fleets per tenth of the ident space, band by band.
constexpr std::array<int32_t, kMptBandCount> kFleetsPerTenth = {2, 2, 3, 6};

// Band 0 pairs its fleets: of each 810 idents the first fleet takes 800
// (700 individuals, then 100 groups) and the second the last 10 groups.
constexpr int32_t kPairFirstSize = 800;
constexpr int32_t kPairIndividuals = 700;

// Idents per fleet in bands 1 to 3, and the individuals among them (7/8).
int32_t FleetSize(int band) { return kMptIdentsPerTenth / kFleetsPerTenth[band]; }
int32_t Individuals(int band) { return 7 * FleetSize(band) / 8; }

int32_t IfnOf(int32_t offset, int32_t individuals)
{
    return offset < individuals ? offset + kIfnIndividualStart : offset - individuals + kIfnGroupStart;
}

}  // namespace

MptBandTable::MptBandTable()
{
    bounds_ = {0, 0, 0, kMptTenths};
    Rebuild();
}

void MptBandTable::SetBounds(int32_t b1, int32_t b2, int32_t b3)
{
    bounds_[0] = std::clamp(b1, 0, kMptTenths);
    bounds_[1] = std::clamp(b2, bounds_[0], kMptTenths);
    bounds_[2] = std::clamp(b3, bounds_[1], kMptTenths);
    bounds_[3] = kMptTenths;
    Rebuild();
}

void MptBandTable::Rebuild()
{
    int32_t a = 0;
    for (int i = 0; i < kMptBandCount; ++i) {
        const int32_t b = bounds_[i];
        if (a == b) {
            bands_[i] = MptBand{};
        } else {
            const int32_t t = kFleetsPerTenth[i];
            bands_[i] = MptBand{a * t + kMptFirstFleet, b * t + kMptFirstFleet - 1, b * kMptIdentsPerTenth};
        }
        a = b;
    }
}

FleetIfn MptBandTable::IdentToFleet(int32_t ident) const
{
    ident = std::clamp(ident, kMptFirstIdent, kMptLastIdent);
    int band = 0;
    while (band < kMptBandCount && bands_[band].lastIdent < ident) {
        ++band;
    }
    if (band == kMptBandCount) {
        return {};
    }
    const int32_t k = ident - 1;
    if (band == 0) {
        FleetIfn result{2 * (k / kMptIdentsPerTenth) + kMptFirstFleet, 0};
        int32_t r = k % kMptIdentsPerTenth;
        int32_t individuals = kPairIndividuals;
        if (r >= kPairFirstSize) {
            result.fleet += 1;
            r -= kPairFirstSize;
            individuals = 0;
        }
        result.ifn = IfnOf(r, individuals);
        return result;
    }
    // Every band starts at a whole tenth, and a*810/d = a*T, so counting
    // fleets of size d from ident 1 lands on the band's own fleet numbers.
    const int32_t d = FleetSize(band);
    return {k / d + kMptFirstFleet, IfnOf(k % d, Individuals(band))};
}

int32_t MptBandTable::FleetToIdent(int32_t fleet, int32_t ifn) const
{
    int band = 0;
    while (band < kMptBandCount) {
        const MptBand& b = bands_[band];
        if (b.lastIdent != 0 && b.firstFleet <= fleet && fleet <= b.lastFleet) {
            break;
        }
        ++band;
    }
    if (band == kMptBandCount) {
        return 0;
    }
    int32_t base = 0;
    int32_t groupBase = 0;
    if (band == 0) {
        base = (fleet - kMptFirstFleet) / 2 * kMptIdentsPerTenth + 1;
        groupBase = base + ((fleet - kMptFirstFleet) % 2 == 0 ? kPairIndividuals : kPairFirstSize);
    } else {
        base = (fleet - kMptFirstFleet) * FleetSize(band) + 1;
        groupBase = base + Individuals(band);
    }
    const int32_t ident = (ifn >= kIfnIndividualStart && ifn < kIfnGroupStart) ? base + ifn - kIfnIndividualStart
                                                                               : groupBase + ifn - kIfnGroupStart;
    // The arithmetic above happily runs past the fleet (IFN 554 of a fleet
    // with 354 individuals lands in its groups); only an ident that maps back
    // to the same pair is a number of this fleet. Idents outside 1..8100
    // would be clamped by the reverse mapping, so they are refused first.
    if (ident < kMptFirstIdent || ident > kMptLastIdent) {
        return 0;
    }
    const FleetIfn back = IdentToFleet(ident);
    return (back.fleet == fleet && back.ifn == ifn) ? ident : 0;
}

}  // namespace xtr
