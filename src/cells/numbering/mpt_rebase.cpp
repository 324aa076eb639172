// Renumbering of the stored Mpt numbers when a fleet base moves, and the
// kind fields of the despatcher, SDM and emergency numbers.
#include "cells/numbering/mpt_layout.h"
#include "cells/numbering/mpt_plan.h"
#include "image/eeprom.h"

#include <array>

namespace xtr {
namespace {

// The three numbers that may be an individual or a group, with the place of
// their kind field.
struct KindedNumber {
    int32_t ident;
    int shift;
};
constexpr std::array<KindedNumber, 3> kKindedNumbers = {{
    {mptmap::kEmergencyNumber, mptmap::kEmergencyKindShift},
    {mptmap::kDespatcherNumber, mptmap::kDespatcherKindShift},
    {mptmap::kSdmNumber, mptmap::kSdmKindShift},
}};

// Moves the ident at a from the block at `from` to the block at `to`. An
// ident that would leave 1..0xFFFF was never a number of the old block
// (it lies below it); it is left as it is rather than wrapped round or
// turned into "no number".
void Move(cmcEeprom& image, int32_t a, int32_t from, int32_t to)
{
    const int32_t ident = ImageWord(image, a);
    if (ident == 0) {
        return;
    }
    const int32_t moved = ident - from + to;
    if (moved >= 1 && moved <= 0xFFFF) {
        SetImageWord(image, a, moved);
    }
}

}  // namespace

int32_t NumberKindField(const cmcEeprom& image, int shift)
{
    return (image.GetByte(mptmap::kNumberKindBits) >> shift) & 0x03;
}

void SetNumberKindField(cmcEeprom& image, int shift, int32_t value)
{
    const uint8_t old = image.GetByte(mptmap::kNumberKindBits);
    const uint8_t mask = static_cast<uint8_t>(0x03 << shift);
    image.SetByte(mptmap::kNumberKindBits, static_cast<uint8_t>((old & ~mask) | ((value << shift) & mask)));
}

// The emergency number counts every non-zero field as a group; the
// despatcher and SDM fields know only 0 and 1.
bool KindFieldIsIndividual(int shift, int32_t field)
{
    return field == 0;
}

bool KindFieldIsGroup(int shift, int32_t field)
{
    return shift == mptmap::kEmergencyKindShift ? field >= 1 : field == 1;
}

void RebaseIndividuals(cmcEeprom& image, int32_t from, int32_t to)
{
    if (from == to) {
        return;
    }
    Move(image, mptmap::kOwnNumber, from, to);
    for (const KindedNumber& number : kKindedNumbers) {
        if (KindFieldIsIndividual(number.shift, NumberKindField(image, number.shift))) {
            Move(image, number.ident, from, to);
        }
    }
}

void RebaseGroups(cmcEeprom& image, int32_t from, int32_t to)
{
    if (from == to) {
        return;
    }
    for (int32_t i = 0; i < mptmap::kGroupRowCount; ++i) {
        Move(image, mptmap::kGroupRows + mptmap::kGroupRowSize * i + 1, from, to);
    }
    for (const KindedNumber& number : kKindedNumbers) {
        if (KindFieldIsGroup(number.shift, NumberKindField(image, number.shift))) {
            Move(image, number.ident, from, to);
        }
    }
}

}  // namespace xtr
