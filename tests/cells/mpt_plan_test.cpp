// The number plan read from the image, the Mpt fleet range checks and the
// renumbering after a fleet base moves.
#include "cells/numbering/mpt_layout.h"
#include "cells/numbering/mpt_plan.h"
#include "image/eeprom.h"

#include <gtest/gtest.h>

namespace xtr {
namespace {

constexpr MptNumbering kMpt{MptScheme::Mpt, true};
constexpr MptNumbering kCps{MptScheme::Cps, true};

// Individuals 1000..1699 (IFN 200-899), groups 3000..3098 (900-998).
cmcEeprom MptImage(int32_t lastIndividual = 899, int32_t lastGroup = 998)
{
    cmcEeprom image;
    image.SetSize(0x4000);
    image.SetByte(mptmap::kOwnPrefix, 5);
    SetImageWord(image, mptmap::kFleetIndividual, 1000);
    SetImageWord(image, mptmap::kFleetGroup, 3000);
    SetImageWord(image, mptmap::kLastIndividual, lastIndividual);
    SetImageWord(image, mptmap::kLastGroup, lastGroup);
    return image;
}

TEST(MptPlan, MptRecordTakesBasesTopsAndDigitsFromTheImage)
{
    const cmcEeprom image = MptImage(899, 95);
    const datMptNum individual = MakeNumberPlan(image, kMptIndividual, kMpt);
    EXPECT_EQ(individual.Scheme(), MptScheme::Mpt);
    EXPECT_EQ(individual.Prefix(), 5);
    EXPECT_EQ(individual.PrefixShown(), 205);
    EXPECT_EQ(individual.IndividualBase(), 1000);
    EXPECT_EQ(individual.GroupBase(), 3000);
    EXPECT_EQ(individual.IndividualTop(), 1699);
    EXPECT_EQ(individual.GroupTop(), 3005);  // two-digit groups: 3000 + 95 - 90
    EXPECT_TRUE(individual.ThreeDigit());
    EXPECT_FALSE(MakeNumberPlan(image, kMptGroup, kMpt).ThreeDigit());

    // Before the main window is up the Mpt prefix is shown as stored.
    EXPECT_EQ(MakeNumberPlan(image, kMptIndividual, MptNumbering{MptScheme::Mpt, false}).PrefixShown(), 5);
}

TEST(MptPlan, CpsRecordTakesDefaultFleetsAndBands)
{
    cmcEeprom image = MptImage();
    image.SetByte(mptmap::kDefaultIndividualFleet, 22);
    image.SetByte(mptmap::kDefaultGroupFleet, 21);
    image.SetByte(mptmap::kFleetBounds, 5);
    image.SetByte(mptmap::kFleetBounds + 1, 3);
    image.SetByte(mptmap::kFleetBounds + 2, 12);
    const datMptNum number = MakeNumberPlan(image, kMptGroup, kCps);
    EXPECT_EQ(number.Scheme(), MptScheme::Cps);
    EXPECT_EQ(number.Kind(), kMptGroup);
    EXPECT_EQ(number.PrefixShown(), 205);
    EXPECT_EQ(number.IndividualBase(), 22);
    EXPECT_EQ(number.GroupBase(), 21);
    EXPECT_EQ(number.IndividualTop(), 899);
    EXPECT_EQ(number.GroupTop(), 999);
    EXPECT_EQ(number.GetBands(), (std::array<int32_t, 4>{5, 5, 10, 10}));
}

TEST(MptPlan, RangesOverlapWhenTheyShareAnIdent)
{
    cmcEeprom image = MptImage();
    EXPECT_FALSE(MptRangesOverlap(image));
    EXPECT_TRUE(MptNumberPlanValid(image));

    SetImageWord(image, mptmap::kFleetGroup, 1699);  // touches the last individual
    EXPECT_TRUE(MptRangesOverlap(image));
    EXPECT_FALSE(MptNumberPlanValid(image));
    SetImageWord(image, mptmap::kFleetGroup, 1700);
    EXPECT_FALSE(MptRangesOverlap(image));

    // Groups below the individuals: their top against the individual base.
    SetImageWord(image, mptmap::kFleetGroup, 902);  // top 902 + 98 = 1000
    EXPECT_TRUE(MptRangesOverlap(image));
    SetImageWord(image, mptmap::kFleetGroup, 900);
    EXPECT_FALSE(MptRangesOverlap(image));
}

TEST(MptPlan, RangeValidityChecksBaseLastIfnAndTop)
{
    cmcEeprom image = MptImage();
    EXPECT_TRUE(MptRangeValid(image, kMptIndividual));
    EXPECT_TRUE(MptRangeValid(image, kMptGroup));

    for (int32_t last : {19, 90, 199, 900}) {
        SetImageWord(image, mptmap::kLastIndividual, last);
        EXPECT_FALSE(MptRangeValid(image, kMptIndividual)) << last;
    }
    SetImageWord(image, mptmap::kLastIndividual, 89);
    EXPECT_TRUE(MptRangeValid(image, kMptIndividual));

    SetImageWord(image, mptmap::kLastGroup, 999);
    EXPECT_FALSE(MptRangeValid(image, kMptGroup));
    SetImageWord(image, mptmap::kLastGroup, 99);
    EXPECT_TRUE(MptRangeValid(image, kMptGroup));

    SetImageWord(image, mptmap::kFleetIndividual, 1);
    EXPECT_FALSE(MptRangeValid(image, kMptIndividual));
    SetImageWord(image, mptmap::kFleetIndividual, 8100);  // top 8169
    EXPECT_FALSE(MptRangeValid(image, kMptIndividual));
    SetImageWord(image, mptmap::kFleetIndividual, 8031);  // top 8100
    EXPECT_TRUE(MptRangeValid(image, kMptIndividual));
}

TEST(MptPlan, MovingTheIndividualBaseMovesIndividualNumbersOnly)
{
    cmcEeprom image = MptImage();
    SetImageWord(image, mptmap::kOwnNumber, 1050);
    SetImageWord(image, mptmap::kDespatcherNumber, 1060);  // kind 0: individual
    SetImageWord(image, mptmap::kSdmNumber, 3010);
    SetNumberKindField(image, mptmap::kSdmKindShift, 1);  // group
    SetImageWord(image, mptmap::kEmergencyNumber, 0);     // none
    SetImageWord(image, mptmap::kGroupRows + 1, 3020);

    RebaseIndividuals(image, 1000, 1400);
    EXPECT_EQ(ImageWord(image, mptmap::kOwnNumber), 1450);
    EXPECT_EQ(ImageWord(image, mptmap::kDespatcherNumber), 1460);
    EXPECT_EQ(ImageWord(image, mptmap::kSdmNumber), 3010);
    EXPECT_EQ(ImageWord(image, mptmap::kEmergencyNumber), 0);
    EXPECT_EQ(ImageWord(image, mptmap::kGroupRows + 1), 3020);
}

TEST(MptPlan, MovingTheGroupBaseMovesGroupsAndGroupMarkedNumbers)
{
    cmcEeprom image = MptImage();
    for (int i = 0; i < mptmap::kGroupRowCount; ++i) {
        SetImageWord(image, mptmap::kGroupRows + 4 * i + 1, i == 3 ? 0 : 3000 + i);
    }
    SetImageWord(image, mptmap::kOwnNumber, 1050);
    SetImageWord(image, mptmap::kDespatcherNumber, 3010);
    SetNumberKindField(image, mptmap::kDespatcherKindShift, 1);
    SetImageWord(image, mptmap::kSdmNumber, 3011);
    SetNumberKindField(image, mptmap::kSdmKindShift, 2);  // neither kind for the SDM field
    SetImageWord(image, mptmap::kEmergencyNumber, 3012);
    SetNumberKindField(image, mptmap::kEmergencyKindShift, 2);  // any non-zero is a group here

    RebaseGroups(image, 3000, 5000);
    for (int i = 0; i < mptmap::kGroupRowCount; ++i) {
        EXPECT_EQ(ImageWord(image, mptmap::kGroupRows + 4 * i + 1), i == 3 ? 0 : 5000 + i) << i;
    }
    EXPECT_EQ(ImageWord(image, mptmap::kOwnNumber), 1050);
    EXPECT_EQ(ImageWord(image, mptmap::kDespatcherNumber), 5010);
    EXPECT_EQ(ImageWord(image, mptmap::kSdmNumber), 3011);
    EXPECT_EQ(ImageWord(image, mptmap::kEmergencyNumber), 5012);
    // The kind fields and the bytes around the idents are untouched.
    EXPECT_EQ(NumberKindField(image, mptmap::kDespatcherKindShift), 1);
    EXPECT_EQ(NumberKindField(image, mptmap::kEmergencyKindShift), 2);
    EXPECT_EQ(image.GetByte(mptmap::kGroupRows), 0);
    EXPECT_EQ(image.GetByte(mptmap::kGroupRows + 3), 0);
}

// An ident below the old base cannot keep its offset: moving it down would
// wrap round to a huge ident or reach 0 ("no number"). It stays as it is.
TEST(MptPlan, RenumberingNeverWrapsOrErasesAnIdent)
{
    cmcEeprom image = MptImage();
    SetImageWord(image, mptmap::kOwnNumber, 10);
    SetImageWord(image, mptmap::kDespatcherNumber, 600);
    RebaseIndividuals(image, 1000, 400);  // 10 -> -590, 600 -> 0
    EXPECT_EQ(ImageWord(image, mptmap::kOwnNumber), 10);
    EXPECT_EQ(ImageWord(image, mptmap::kDespatcherNumber), 600);
    SetImageWord(image, mptmap::kOwnNumber, 1001);
    RebaseIndividuals(image, 1000, 400);
    EXPECT_EQ(ImageWord(image, mptmap::kOwnNumber), 401);
}

}  // namespace
}  // namespace xtr
