// The handlers of the MPT1327 number cells and the table rows they are
// bound with. Internal to the number cells; the registration in
// mpt_cells.cpp binds each cell to one of them.
#pragma once

#include "cells/cell_handlers.h"

#include <cstdint>

namespace xtr::mptcell {

// A prefix byte.
struct PrefixCell {
    std::int32_t address;
    bool cpsOnly;
};
void PrefixHandler(CellCall& call);

// A 16-bit ident of one kind (the own number). In the Mpt scheme it is an
// IFN in the own fleet; in the Cps scheme a fleet and IFN.
struct NumberCell {
    std::int32_t address;
    std::uint8_t kind;
    // The Mpt two-bit kind field of the number (mptmap shift), or -1 when
    // the number has one kind only.
    int kindShift;
    // Cps: idents 8101-8191 are shown and entered as they are.
    bool specialIdents;
    // Cps: 0 shows as an empty text and is no error.
    bool emptyAllowed;
};
void MptOwnFleetHandler(CellCall& call);
void MptEitherKindHandler(CellCall& call);
void CpsNumberHandler(CellCall& call);
// The despatcher, SDM and emergency numbers: the handler of the scheme.
void DualSchemeNumberHandler(CellCall& call);

// One end of a Cps call range.
struct RangeCell {
    std::int32_t rowAddress;  // lowest ident, then highest
    std::uint8_t kind;
    bool highest;
    std::int32_t otherCell;  // the cell of the other end
};
void CallRangeHandler(CellCall& call);

// A group of the group call list: Mpt own-fleet group, Cps full number.
void GroupNumberHandler(CellCall& call);

// A Mpt fleet base ident: the two fleets of the radio and the final ident
// of a 5-digit entry.
enum class BaseOf { Individuals, Groups, FiveDigitEntry };
struct FleetBaseCell {
    BaseOf base;
};
void FleetBaseHandler(CellCall& call);

// The highest IFN in use in the own fleet of a kind.
struct LastIfnCell {
    std::uint8_t kind;
};
void LastIfnHandler(CellCall& call);

// The IFN start of a 5-digit entry.
void IfnStartHandler(CellCall& call);

// A Cps default fleet byte.
struct DefaultFleetCell {
    std::int32_t address;
    std::uint8_t kind;
};
void DefaultFleetHandler(CellCall& call);

// One of the three Cps fleet counts (band boundaries).
struct FleetCountCell {
    int band;
};
void FleetCountHandler(CellCall& call);

// A directory dial string.
void DialStringHandler(CellCall& call);

}  // namespace xtr::mptcell
