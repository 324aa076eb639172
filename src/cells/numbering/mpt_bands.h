// The fleet band table of the Cps numbering scheme. The 8100 ordinary
// MPT1327 idents are cut into ten tenths of 810 idents; three boundaries
// (the large, middle and small fleet counts of the radio) group the tenths
// into four bands, and each band cuts its tenths into fleets of one size:
//
//   band 0: 2 fleets per tenth, in pairs: the first of a pair has 700
//           individuals (IFN 200-899) and 100 groups (900-999), the second
//           only 10 groups (900-909)
//   band 1: 2 fleets of 405 idents: 354 individuals, 51 groups
//   band 2: 3 fleets of 270 idents: 236 individuals, 34 groups
//   band 3: 6 fleets of 135 idents: 118 individuals, 17 groups
//
// A band starting at tenth a holds the fleet numbers a*T+20 upwards, so the
// fleet numbers of all bands together lie in 20..79 with gaps between bands.
#pragma once

#include <array>
#include <cstdint>

namespace xtr {

inline constexpr int32_t kMptBandCount = 4;
inline constexpr int32_t kMptTenths = 10;
inline constexpr int32_t kMptIdentsPerTenth = 810;
inline constexpr int32_t kMptFirstIdent = 1;
inline constexpr int32_t kMptLastIdent = 8100;
inline constexpr int32_t kMptFirstFleet = 20;  // the fleet number of ident 1

// An individual-or-group number within a fleet: individuals from 200,
// groups from 900 (in the three-digit form that the band table uses).
inline constexpr int32_t kIfnIndividualStart = 200;
inline constexpr int32_t kIfnGroupStart = 900;

struct MptBand {
    int32_t firstFleet = 0;  // 0, 0, 0 for an empty band
    int32_t lastFleet = 0;
    int32_t lastIdent = 0;
};

struct FleetIfn {
    int32_t fleet = 0;  // 0 when the ident has no place in the table
    int32_t ifn = 0;
};

class MptBandTable {
public:
    // Boundaries 0, 0, 0, 10: the whole ident space is band 3.
    MptBandTable();

    // Stores the boundaries of bands 0 to 2 in tenths, each clamped between
    // the one before it (0 for the first) and 10; band 3 always ends at 10.
    void SetBounds(int32_t b1, int32_t b2, int32_t b3);
    const std::array<int32_t, kMptBandCount>& Bounds() const { return bounds_; }
    const MptBand& Band(int i) const { return bands_[i]; }

    // The fleet and IFN of an ident; the ident is first clamped to 1..8100.
    FleetIfn IdentToFleet(int32_t ident) const;

    // The ident of a fleet and IFN, or 0 when the pair names no ident: the
    // fleet lies in no band, or the IFN is not one the fleet holds.
    int32_t FleetToIdent(int32_t fleet, int32_t ifn) const;

private:
    void Rebuild();

    std::array<int32_t, kMptBandCount> bounds_{};
    std::array<MptBand, kMptBandCount> bands_{};
};

}  // namespace xtr
