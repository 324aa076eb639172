// datMptNum: shown forms, entry parsing and validity in both schemes.
#include "cells/numbering/mpt_num.h"

#include <gtest/gtest.h>

namespace xtr {
namespace {

datMptNum Cps(uint8_t kind = kMptEither)
{
    datMptNum number(MptScheme::Cps, 0, 0);
    number.SetKind(kind);
    number.SetBands(2, 4, 7);
    number.SetPlan(22, 21, 899, 999);  // default individual and group fleets
    number.SetPrefix(5);
    return number;
}

// Individual block 1000 up to 1699, groups 3000 up to 3098.
datMptNum Mpt(uint8_t kind, bool threeDigit = true)
{
    datMptNum number(MptScheme::Mpt, 1, threeDigit ? 1 : 0);
    number.SetKind(kind);
    number.SetPlan(1000, 3000, threeDigit ? 1699 : 1069, threeDigit ? 3098 : 3009);
    number.SetPrefix(5);
    return number;
}

TEST(MptNum, ConstructionDefaults)
{
    const datMptNum cps(MptScheme::Cps, 0, 0);
    EXPECT_EQ(cps.PrefixOffset(), 1);
    EXPECT_TRUE(cps.ThreeDigit());
    EXPECT_EQ(cps.Fleet(), 20);
    EXPECT_EQ(cps.Ifn(), 200);
    EXPECT_EQ(cps.Kind(), kMptEither);
    EXPECT_EQ(cps.GetBands(), (std::array<int32_t, 4>{0, 0, 0, 10}));
    EXPECT_EQ(cps.IndividualBase(), -1);
    EXPECT_FALSE(cps.IsPrefixValid());
    EXPECT_FALSE(cps.IsIdentValid());

    const datMptNum mpt(MptScheme::Mpt, 0, 0);
    EXPECT_EQ(mpt.PrefixOffset(), 0);
    EXPECT_FALSE(mpt.ThreeDigit());
    EXPECT_EQ(mpt.Fleet(), 2);
    EXPECT_EQ(mpt.Ifn(), 20);
}

TEST(MptNum, PrefixIsShownWithOffset200OnceInForce)
{
    datMptNum shown(MptScheme::Mpt, 1, 1);
    shown.SetPrefixShown(200);
    EXPECT_EQ(shown.Prefix(), 0);
    EXPECT_TRUE(shown.IsPrefixValid());
    shown.SetPrefixShown(327);
    EXPECT_EQ(shown.Prefix(), 127);
    EXPECT_EQ(shown.PrefixShown(), 327);
    EXPECT_TRUE(shown.IsPrefixValid());
    shown.SetPrefixShown(328);
    EXPECT_FALSE(shown.IsPrefixValid());
    shown.SetPrefixShown(199);
    EXPECT_FALSE(shown.IsPrefixValid());

    datMptNum raw(MptScheme::Mpt, 0, 1);
    raw.SetPrefixShown(42);
    EXPECT_EQ(raw.Prefix(), 42);
    EXPECT_EQ(raw.PrefixShown(), 42);
}

TEST(MptNum, CpsEightDigitEntrySetsPrefixFleetAndIfn)
{
    datMptNum number = Cps();
    ASSERT_TRUE(number.Parse("20020200", kMptGroup));
    EXPECT_EQ(number.Prefix(), 0);
    EXPECT_EQ(number.Fleet(), 20);
    EXPECT_EQ(number.Ifn(), 200);
    EXPECT_EQ(number.Ident(), 1);
    EXPECT_TRUE(number.IsValid());
    // Blanks and tabs do not count.
    ASSERT_TRUE(number.Parse(" 327 79\t916", kMptEither));
    EXPECT_EQ(number.Prefix(), 127);
    EXPECT_EQ(number.Ident(), 8100);
}

TEST(MptNum, CpsShortEntriesUseTheOwnPrefixAndDefaultFleets)
{
    datMptNum number = Cps();
    ASSERT_TRUE(number.Parse("24553", kMptIndividual));
    EXPECT_EQ(number.Prefix(), 5);
    EXPECT_EQ(number.Ident(), 1974);

    // Three digits: the default fleet of the hinted kind; "either" decides
    // by the IFN.
    ASSERT_TRUE(number.Parse("250", kMptEither));
    EXPECT_EQ(number.Fleet(), 22);
    ASSERT_TRUE(number.Parse("905", kMptEither));
    EXPECT_EQ(number.Fleet(), 21);
    EXPECT_EQ(number.Ident(), 806);
    ASSERT_TRUE(number.Parse("250", kMptGroup));
    EXPECT_EQ(number.Fleet(), 21);
    EXPECT_EQ(number.Ident(), 0);  // fleet 21 has no individuals
    EXPECT_FALSE(number.IsIdentValid());
    ASSERT_TRUE(number.Parse("905", kMptIndividual));
    EXPECT_EQ(number.Fleet(), 22);
}

TEST(MptNum, CpsMalformedEntryChangesNothing)
{
    datMptNum number = Cps();
    ASSERT_TRUE(number.Parse("24553", kMptEither));
    for (const char* text : {"", "2455", "245530", "2a553", "20020200 1", "-2455"}) {
        EXPECT_FALSE(number.Parse(text, kMptEither)) << text;
        EXPECT_EQ(number.Ident(), 1974) << text;
        EXPECT_EQ(number.Prefix(), 5) << text;
    }
    // Parse belongs to the Cps scheme only.
    datMptNum mpt = Mpt(kMptIndividual);
    EXPECT_FALSE(mpt.Parse("24553", kMptEither));
}

TEST(MptNum, CpsKindDecidesWhichIdentsAreValid)
{
    datMptNum individual = Cps(kMptIndividual);
    individual.SetBy_ID(700);
    EXPECT_TRUE(individual.IsIdentValid());
    individual.SetBy_ID(701);  // 20/900, a group
    EXPECT_FALSE(individual.IsIdentValid());

    datMptNum group = Cps(kMptGroup);
    group.SetBy_ID(701);
    EXPECT_TRUE(group.IsIdentValid());
    EXPECT_EQ(group.FleetShown(), 20);
    EXPECT_EQ(group.IfnShown(), 900);
    group.SetBy_ID(0);
    EXPECT_FALSE(group.IsIdentValid());

    // Changing the kind forgets the ident.
    group.SetBy_ID(701);
    group.SetKind(kMptGroup);
    EXPECT_FALSE(group.IsIdentValid());
}

// Idents above 8100 are MPT1327 special idents; read as fleet numbers they
// would pass for the last ident of fleet 79.
TEST(MptNum, CpsStoredIdentAbove8100IsNoFleetNumber)
{
    datMptNum number = Cps();
    number.SetBy_ID(8100);
    EXPECT_TRUE(number.IsIdentValid());
    number.SetBy_ID(8101);
    EXPECT_FALSE(number.IsIdentValid());
    number.SetBy_ID(0xFFFF);
    EXPECT_FALSE(number.IsIdentValid());
}

TEST(MptNum, CpsBaseAloneNamesNoNumber)
{
    datMptNum number = Cps();
    number.SetByFleet(24, 553);
    ASSERT_TRUE(number.IsIdentValid());
    number.SetByIfn(1000, 250);
    EXPECT_FALSE(number.IsIdentValid());
}

TEST(MptNum, MptFleetIsShownFromItsBase)
{
    datMptNum number = Mpt(kMptIndividual);
    number.SetBy_FNRealID(2, 2);
    EXPECT_EQ(number.FleetShown(), 2001);
    number.SetBy_FNRealID(8100, 8100);
    EXPECT_EQ(number.FleetShown(), 6050);

    number.SetByShown(2500, 250);
    EXPECT_EQ(number.Fleet(), 1000);
    EXPECT_EQ(number.Ifn(), 50);
    EXPECT_EQ(number.Ident(), 1050);
    EXPECT_EQ(number.IfnShown(), 250);
    EXPECT_TRUE(number.IsValid());

    // Fleet 2000 is base 0: no fleet.
    number.SetByShown(2000, 200);
    EXPECT_EQ(number.Fleet(), 0);
    EXPECT_FALSE(number.IsIdentValid());
}

TEST(MptNum, MptIfnRangesFollowKindAndDigits)
{
    datMptNum individual = Mpt(kMptIndividual);
    EXPECT_EQ(individual.IfnStart(), 200);
    individual.SetByIfn(1000, 200);
    EXPECT_TRUE(individual.IsIdentValid());
    individual.SetByIfn(1000, 899);
    EXPECT_TRUE(individual.IsIdentValid());
    EXPECT_EQ(individual.Ident(), 1699);
    individual.SetByIfn(1000, 199);
    EXPECT_FALSE(individual.IsIdentValid());
    individual.SetByIfn(1000, 900);
    EXPECT_FALSE(individual.IsIdentValid());

    datMptNum group = Mpt(kMptGroup);
    EXPECT_EQ(group.IfnStart(), 900);
    group.SetByIfn(3000, 998);
    EXPECT_TRUE(group.IsIdentValid());
    group.SetByIfn(3000, 999);
    EXPECT_FALSE(group.IsIdentValid());

    datMptNum twoDigit = Mpt(kMptIndividual, false);
    EXPECT_EQ(twoDigit.IfnStart(), 20);
    twoDigit.SetByIfn(1000, 89);
    EXPECT_TRUE(twoDigit.IsIdentValid());
    EXPECT_EQ(twoDigit.Ident(), 1069);
    twoDigit.SetByIfn(1000, 90);
    EXPECT_FALSE(twoDigit.IsIdentValid());
    datMptNum twoDigitGroup = Mpt(kMptGroup, false);
    EXPECT_EQ(twoDigitGroup.IfnStart(), 90);
    twoDigitGroup.SetByIfn(3000, 99);
    EXPECT_TRUE(twoDigitGroup.IsIdentValid());
    twoDigitGroup.SetByIfn(3000, 100);
    EXPECT_FALSE(twoDigitGroup.IsIdentValid());
}

TEST(MptNum, MptIdentMustStayBelowTheTopOfItsKind)
{
    datMptNum individual = Mpt(kMptIndividual);
    individual.SetPlan(1000, 3000, 1300, 3098);  // highest individual IFN 500
    individual.SetByIfn(1000, 500);
    EXPECT_TRUE(individual.IsIdentValid());
    individual.SetByIfn(1000, 501);
    EXPECT_FALSE(individual.IsIdentValid());
    // A stored ident below the base is a negative offset.
    individual.SetBy_FNRealID(1000, 999);
    EXPECT_FALSE(individual.IsIdentValid());
    // Without a plan nothing is valid.
    datMptNum bare(MptScheme::Mpt, 1, 1);
    bare.SetByIfn(1000, 250);
    EXPECT_FALSE(bare.IsIdentValid());
}

TEST(MptNumDeathTest, OperationsOfTheOtherSchemeAreFatal)
{
    EXPECT_EXIT(
        {
            datMptNum cps = Cps();
            cps.SetBy_FNRealID(1000, 1050);
        },
        ::testing::ExitedWithCode(3), "SetBy_FNRealID\nNo support function.");
    EXPECT_EXIT(
        {
            datMptNum mpt = Mpt(kMptIndividual);
            mpt.SetBy_ID(1050);
        },
        ::testing::ExitedWithCode(3), "SetBy_ID\nNo support function.");
}

}  // namespace
}  // namespace xtr
