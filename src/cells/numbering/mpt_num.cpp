// datMptNum: setters, shown forms and validity of an MPT1327 number.
#include "cells/numbering/mpt_num.h"

#include "app/fatal.h"
#include "app/text_util.h"

#include <algorithm>
#include <cstdlib>

namespace xtr {
namespace {

// Offsets from the base that an Mpt fleet block can hold: individuals
// 200-899 (or 20-89), groups 900-998 (or 90-99).
constexpr int32_t kMaxIndividualOffset3 = 699;
constexpr int32_t kMaxIndividualOffset2 = 69;
constexpr int32_t kMaxGroupOffset3 = 98;
constexpr int32_t kMaxGroupOffset2 = 9;

bool AllDigits(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int32_t DigitsValue(std::string_view digits)
{
    int32_t value = 0;
    for (char c : digits) {
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace

datMptNum::datMptNum(MptScheme scheme, int32_t prefixOffset, int32_t threeDigit)
    : scheme_(scheme), prefixOffset_(prefixOffset), threeDigit_(threeDigit)
{
    if (scheme_ == MptScheme::Cps) {
        prefixOffset_ = 1;
        threeDigit_ = 1;
        fleet_ = kMptFirstFleet;
        ifn_ = kIfnIndividualStart;
    } else {
        fleet_ = kMptMinBase;
        ifn_ = 20;
    }
    Revalidate();
}

void datMptNum::SetKind(uint8_t kind)
{
    kind_ = kind;
    flags_ &= ~kIdentSet;
    Revalidate();
}

void datMptNum::SetPlan(int32_t individualBase, int32_t groupBase, int32_t individualTop, int32_t groupTop)
{
    plan_ = {individualBase, groupBase, individualTop, groupTop};
    Revalidate();
}

void datMptNum::SetBands(int32_t b1, int32_t b2, int32_t b3)
{
    bands_.SetBounds(b1, b2, b3);
    Revalidate();
}

void datMptNum::SetThreeDigit(bool threeDigit)
{
    threeDigit_ = (scheme_ == MptScheme::Cps || threeDigit) ? 1 : 0;
    Revalidate();
}

void datMptNum::SetPrefix(int32_t prefix)
{
    prefix_ = prefix;
    flags_ |= kPrefixSet;
    Revalidate();
}

void datMptNum::SetPrefixShown(int32_t shown)
{
    SetPrefix(prefixOffset_ == 1 ? shown - kMptPrefixShownOffset : shown);
}

int32_t datMptNum::PrefixShown() const
{
    return prefixOffset_ == 1 ? prefix_ + kMptPrefixShownOffset : prefix_;
}

void datMptNum::SetByFleet(int32_t fleet, int32_t ifn)
{
    fleet_ = fleet;
    ifn_ = ifn;
    ident_ = scheme_ == MptScheme::Cps ? bands_.FleetToIdent(fleet, ifn) : fleet + ifn;
    flags_ |= kIdentSet;
    Revalidate();
}

void datMptNum::SetByShown(int32_t fleetShown, int32_t ifnShown)
{
    if (scheme_ == MptScheme::Mpt) {
        SetByFleet(2 * fleetShown - 2 * kMptFleetShownOrigin, ifnShown - IfnStart());
    } else {
        SetByFleet(fleetShown, ifnShown);
    }
}

void datMptNum::SetByIfn(int32_t base, int32_t ifnShown)
{
    if (scheme_ == MptScheme::Mpt) {
        SetByFleet(base, ifnShown - IfnStart());
    } else {
        // A Cps number needs its fleet; a base ident alone names none.
        flags_ &= ~kIdentSet;
        Revalidate();
    }
}

void datMptNum::SetBy_FNRealID(int32_t base, int32_t ident)
{
    if (scheme_ != MptScheme::Mpt) {
        Fatal("SetBy_FNRealID\nNo support function.");
    }
    fleet_ = base;
    ident_ = ident;
    ifn_ = ident - base;
    flags_ |= kIdentSet;
    Revalidate();
}

void datMptNum::SetBy_ID(int32_t ident)
{
    if (scheme_ != MptScheme::Cps) {
        Fatal("SetBy_ID\nNo support function.");
    }
    ident_ = ident;
    const FleetIfn pair = bands_.IdentToFleet(ident);
    fleet_ = pair.fleet;
    ifn_ = pair.ifn;
    flags_ |= kIdentSet;
    Revalidate();
}

int32_t datMptNum::FleetShown() const
{
    return scheme_ == MptScheme::Cps ? fleet_ : kMptFleetShownOrigin + fleet_ / 2;
}

int32_t datMptNum::IfnShown() const
{
    return scheme_ == MptScheme::Cps ? ifn_ : ifn_ + IfnStart();
}

int32_t datMptNum::IfnStart() const
{
    if (kind_ == kMptGroup) {
        return threeDigit_ ? kIfnGroupStart : kIfnGroupStart / 10;
    }
    return threeDigit_ ? kIfnIndividualStart : kIfnIndividualStart / 10;
}

bool datMptNum::Parse(std::string_view text, uint8_t kindHint)
{
    if (scheme_ != MptScheme::Cps) {
        return false;
    }
    const std::string digits = RemoveBlanks(text);
    if (!AllDigits(digits)) {
        return false;
    }
    const std::string_view d = digits;
    int32_t prefixShown = PrefixShown();
    int32_t fleet = 0;
    int32_t ifn = 0;
    switch (d.size()) {
    case 3:
        ifn = DigitsValue(d);
        fleet = (kindHint == kMptGroup || (kindHint == kMptEither && ifn >= kIfnGroupStart)) ? GroupBase()
                                                                                            : IndividualBase();
        break;
    case 5:
        fleet = DigitsValue(d.substr(0, 2));
        ifn = DigitsValue(d.substr(2, 3));
        break;
    case 8:
        prefixShown = DigitsValue(d.substr(0, 3));
        fleet = DigitsValue(d.substr(3, 2));
        ifn = DigitsValue(d.substr(5, 3));
        break;
    default:
        return false;
    }
    SetPrefixShown(prefixShown);
    SetByFleet(fleet, ifn);
    return true;
}

void datMptNum::Revalidate()
{
    prefixValid_ = (flags_ & kPrefixSet) != 0 && prefix_ >= 0 && prefix_ <= kMptMaxPrefix;
    identValid_ = (flags_ & kIdentSet) != 0 && (scheme_ == MptScheme::Cps ? CpsIdentValid() : MptIdentValid());
}

bool datMptNum::CpsIdentValid() const
{
    // Idents above 8100 are MPT1327 special idents, not fleet numbers; the
    // band table would clamp them onto the last fleet.
    if (ident_ < kMptFirstIdent || ident_ > kMptLastIdent) {
        return false;
    }
    if (kind_ == kMptEither) {
        return true;
    }
    const int32_t ifn = bands_.IdentToFleet(ident_).ifn;
    return kind_ == kMptIndividual ? ifn < kIfnGroupStart : ifn >= kIfnGroupStart;
}

bool datMptNum::MptIdentValid() const
{
    if (ident_ < kMptMinBase || ident_ > kMptLastIdent) {
        return false;
    }
    const bool group = kind_ == kMptGroup;
    const int32_t maxOffset = group ? (threeDigit_ ? kMaxGroupOffset3 : kMaxGroupOffset2)
                                    : (threeDigit_ ? kMaxIndividualOffset3 : kMaxIndividualOffset2);
    if (ifn_ < 0 || ifn_ > maxOffset) {
        return false;
    }
    if (fleet_ < kMptMinBase || fleet_ > kMptLastIdent) {
        return false;
    }
    return ident_ <= (group ? GroupTop() : IndividualTop());
}

}  // namespace xtr
