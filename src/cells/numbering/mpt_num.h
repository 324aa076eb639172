// datMptNum: one MPT1327 address in the two forms the program deals with.
// The radio stores a 7-bit prefix and a 13-bit ident; the user dials a fleet
// number and an individual-or-group number within the fleet (IFN). The
// record converts between the two under one of two numbering schemes:
//
//   Mpt  each radio's fleet is a block of idents from a base ident stored in
//        the image; the fleet is shown as 2000 + base/2 and the IFN as the
//        offset from the base plus the IFN start (200 or 20 for
//        individuals, 900 or 90 for groups)
//   Cps  the whole ident space is cut into fleets by the band table
//        (cells/numbering/mpt_bands.h); fleet and IFN are shown as they are
//
// Every setter recomputes whether prefix and ident form a valid number.
// The setters that only one scheme offers are fatal in the other: the cells
// of each scheme use only the operations of their scheme.
#pragma once

#include "cells/numbering/mpt_bands.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace xtr {

class cmcEeprom;

enum class MptScheme : uint8_t { Mpt = 0, Cps = 1 };

// Which kind of number a record stands for.
inline constexpr uint8_t kMptIndividual = 0;
inline constexpr uint8_t kMptGroup = 1;
inline constexpr uint8_t kMptEither = 2;

// The shown prefix is 200 + prefix once the offset is in force.
inline constexpr int32_t kMptPrefixShownOffset = 200;
inline constexpr int32_t kMptMaxPrefix = 127;

// The Mpt scheme shows base b as fleet 2000 + b/2; idents below 2 (and so
// fleet 2000) are no fleet base.
inline constexpr int32_t kMptMinBase = 2;
inline constexpr int32_t kMptFleetShownOrigin = 2000;

class datMptNum {
public:
    // In the Cps scheme the two flags are always on; in the Mpt scheme they
    // come from the arguments.
    datMptNum(MptScheme scheme, int32_t prefixOffset, int32_t threeDigit);

    // Flag bits.
    static constexpr uint32_t kPrefixSet = 0x01;
    static constexpr uint32_t kIdentSet = 0x02;

    void SetKind(uint8_t kind);
    void SetPlan(int32_t individualBase, int32_t groupBase, int32_t individualTop, int32_t groupTop);
    void SetBands(int32_t b1, int32_t b2, int32_t b3);
    std::array<int32_t, kMptBandCount> GetBands() const { return bands_.Bounds(); }
    const MptBandTable& Bands() const { return bands_; }
    void SetThreeDigit(bool threeDigit);

    void SetPrefix(int32_t prefix);
    void SetPrefixShown(int32_t shown);
    int32_t PrefixShown() const;

    // Cps: fleet number and IFN. Mpt: base ident and offset from it.
    void SetByFleet(int32_t fleet, int32_t ifn);
    // The fleet and IFN as the user sees them.
    void SetByShown(int32_t fleetShown, int32_t ifnShown);
    // Mpt: a shown IFN in the block at base. Cps: leaves no valid number.
    void SetByIfn(int32_t base, int32_t ifnShown);
    // Mpt only: a stored ident in the block at base.
    void SetBy_FNRealID(int32_t base, int32_t ident);
    // Cps only: a stored ident.
    void SetBy_ID(int32_t ident);

    int32_t FleetShown() const;
    int32_t IfnShown() const;
    // First shown IFN of the record's kind (groups 900 or 90, otherwise 200
    // or 20).
    int32_t IfnStart() const;

    // Cps only: 3 digits (IFN in the default fleet of its kind), 5 digits
    // (fleet and IFN) or 8 digits (shown prefix, fleet, IFN); blanks and
    // tabs are ignored. False, with nothing changed, for any other text.
    // The hint picks the default fleet of a 3-digit entry.
    bool Parse(std::string_view text, uint8_t kindHint);

    MptScheme Scheme() const { return scheme_; }
    uint8_t Kind() const { return kind_; }
    bool ThreeDigit() const { return threeDigit_ != 0; }
    int32_t PrefixOffset() const { return prefixOffset_; }
    int32_t IndividualBase() const { return plan_[0]; }
    int32_t GroupBase() const { return plan_[1]; }
    int32_t IndividualTop() const { return plan_[2]; }
    int32_t GroupTop() const { return plan_[3]; }
    uint32_t Flags() const { return flags_; }
    int32_t Prefix() const { return prefix_; }
    int32_t Fleet() const { return fleet_; }
    int32_t Ifn() const { return ifn_; }
    int32_t Ident() const { return ident_; }

    bool IsPrefixValid() const { return prefixValid_; }
    bool IsIdentValid() const { return identValid_; }
    bool IsValid() const { return prefixValid_ && identValid_; }

private:
    void Revalidate();
    bool CpsIdentValid() const;
    bool MptIdentValid() const;

    MptScheme scheme_;
    int32_t prefixOffset_;
    int32_t threeDigit_;
    uint8_t kind_ = kMptEither;
    MptBandTable bands_;
    // Individual base, group base, individual top, group top; -1 until set.
    std::array<int32_t, 4> plan_ = {-1, -1, -1, -1};
    uint32_t flags_ = 0;
    int32_t prefix_ = 0;
    int32_t fleet_ = 0;
    int32_t ifn_ = 0;
    int32_t ident_ = 0;
    bool prefixValid_ = false;
    bool identValid_ = false;
};

}  // namespace xtr
