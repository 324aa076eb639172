// The number plan that the memory image sets for MPT1327 numbers: which
// scheme is in force, the records that the number cells start from, the
// checks of the Mpt fleet ranges and the renumbering that follows a change
// of a fleet base.
#pragma once

#include "cells/numbering/mpt_num.h"

#include <cstdint>

namespace xtr {

class cmcEeprom;

// The numbering in force for this run: the scheme from the setting
// ModelType and whether the main window is up (from then on the Mpt scheme
// shows prefixes as 200 + prefix, like the Cps scheme always does).
struct MptNumbering {
    MptScheme scheme = MptScheme::Mpt;
    bool attached = false;
};

// From the settings store; Mpt and not attached when there is none.
MptNumbering CurrentNumbering();

// A record of the given kind set up from the image: the own prefix, and the
// fleet bases and tops (Mpt) or default fleets and band table (Cps).
datMptNum MakeNumberPlan(const cmcEeprom& image, uint8_t kind, const MptNumbering& numbering);
datMptNum MakeNumberPlan(const cmcEeprom& image, uint8_t kind);

// Big-endian 16-bit value at a.
int32_t ImageWord(const cmcEeprom& image, int32_t a);
void SetImageWord(cmcEeprom& image, int32_t a, int32_t value);

// Mpt fleet ranges. A range is valid when its base is an ident 2-8100, its
// highest IFN lies in 20-89 or 200-899 (individuals) or 90-99 or 900-998
// (groups), and its top ident stays within 8100.
bool MptRangeValid(const cmcEeprom& image, uint8_t kind);
// The individual and the group ranges share an ident.
bool MptRangesOverlap(const cmcEeprom& image);
// Both ranges valid and apart: what the fleet base cells check.
bool MptNumberPlanValid(const cmcEeprom& image);

// After the individual (group) fleet base moved from `from` to `to`: every
// stored number of that kind keeps its offset in the block. Individual:
// the own number and the despatcher, SDM and emergency numbers marked
// individual. Group: the 16 call-group idents and those three numbers
// marked group. Empty numbers (0) stay empty.
void RebaseIndividuals(cmcEeprom& image, int32_t from, int32_t to);
void RebaseGroups(cmcEeprom& image, int32_t from, int32_t to);

// The two-bit kind field of the despatcher, SDM or emergency number (shift
// from mptmap), and whether its value marks an individual or a group.
int32_t NumberKindField(const cmcEeprom& image, int shift);
void SetNumberKindField(cmcEeprom& image, int shift, int32_t value);
bool KindFieldIsIndividual(int shift, int32_t field);
bool KindFieldIsGroup(int shift, int32_t field);

}  // namespace xtr
