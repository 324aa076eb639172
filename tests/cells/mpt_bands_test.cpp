// The Cps band table: its layout for given fleet counts and the conversions
// between idents and fleet numbers.
#include "cells/numbering/mpt_bands.h"

#include <gtest/gtest.h>

namespace xtr {
namespace {

MptBandTable Table(int b1, int b2, int b3)
{
    MptBandTable table;
    table.SetBounds(b1, b2, b3);
    return table;
}

TEST(MptBands, LayoutFollowsTheBoundaries)
{
    const MptBandTable table = Table(2, 4, 7);
    const MptBand expected[] = {{20, 23, 1620}, {24, 27, 3240}, {32, 40, 5670}, {62, 79, 8100}};
    for (int i = 0; i < kMptBandCount; ++i) {
        EXPECT_EQ(table.Band(i).firstFleet, expected[i].firstFleet) << i;
        EXPECT_EQ(table.Band(i).lastFleet, expected[i].lastFleet) << i;
        EXPECT_EQ(table.Band(i).lastIdent, expected[i].lastIdent) << i;
    }
    // Equal boundaries leave the band between them empty.
    const MptBandTable gaps = Table(3, 3, 10);
    EXPECT_EQ(gaps.Band(1).firstFleet, 0);
    EXPECT_EQ(gaps.Band(1).lastIdent, 0);
    EXPECT_EQ(gaps.Band(3).lastIdent, 0);
    EXPECT_EQ(gaps.Band(2).firstFleet, 29);
    EXPECT_EQ(gaps.Band(2).lastIdent, 8100);
}

TEST(MptBands, BoundariesAreClampedInOrder)
{
    EXPECT_EQ(Table(5, 3, 12).Bounds(), (std::array<int32_t, 4>{5, 5, 10, 10}));
    EXPECT_EQ(Table(-4, 11, 2).Bounds(), (std::array<int32_t, 4>{0, 10, 10, 10}));
    EXPECT_EQ(MptBandTable().Bounds(), (std::array<int32_t, 4>{0, 0, 0, 10}));
}

TEST(MptBands, IdentsMapToFleetAndIfn)
{
    const MptBandTable table = Table(2, 4, 7);
    const struct {
        int32_t ident, fleet, ifn;
    } cases[] = {
        // Band 0 pairs: the first fleet has individuals and 100 groups, the
        // second only groups 900-909.
        {1, 20, 200}, {700, 20, 899}, {701, 20, 900}, {800, 20, 999}, {801, 21, 900}, {810, 21, 909},
        {811, 22, 200}, {1620, 23, 909},
        // Bands 1 to 3: 354/51, 236/34 and 118/17 individuals/groups.
        {1621, 24, 200}, {1700, 24, 279}, {1975, 24, 900}, {3240, 27, 950},
        {3241, 32, 200}, {3476, 32, 435}, {3477, 32, 900},
        {5671, 62, 200}, {8100, 79, 916},
        // Out of range idents are clamped first.
        {0, 20, 200}, {9000, 79, 916},
    };
    for (const auto& c : cases) {
        const FleetIfn pair = table.IdentToFleet(c.ident);
        EXPECT_EQ(pair.fleet, c.fleet) << c.ident;
        EXPECT_EQ(pair.ifn, c.ifn) << c.ident;
    }
}

TEST(MptBands, FleetAndIfnMapBackOnlyWhenTheFleetHoldsThem)
{
    const MptBandTable table = Table(2, 4, 7);
    EXPECT_EQ(table.FleetToIdent(24, 553), 1974);
    EXPECT_EQ(table.FleetToIdent(24, 554), 0);  // only 354 individuals
    EXPECT_EQ(table.FleetToIdent(24, 950), 2025);
    EXPECT_EQ(table.FleetToIdent(24, 951), 0);  // only 51 groups
    EXPECT_EQ(table.FleetToIdent(21, 200), 0);  // second of a pair: no individuals
    EXPECT_EQ(table.FleetToIdent(21, 909), 810);
    EXPECT_EQ(table.FleetToIdent(21, 910), 0);
    EXPECT_EQ(table.FleetToIdent(79, 916), 8100);
    EXPECT_EQ(table.FleetToIdent(79, 917), 0);  // would be ident 8101
    EXPECT_EQ(table.FleetToIdent(20, 199), 0);
    EXPECT_EQ(table.FleetToIdent(20, 1000), 0);
    // Fleets between bands, before 20 and after 79 are no fleets.
    EXPECT_EQ(table.FleetToIdent(28, 200), 0);
    EXPECT_EQ(table.FleetToIdent(61, 200), 0);
    EXPECT_EQ(table.FleetToIdent(19, 900), 0);
    EXPECT_EQ(table.FleetToIdent(80, 200), 0);
    EXPECT_EQ(table.FleetToIdent(0, 0), 0);
}

// Every ident has exactly one fleet and IFN, whatever the boundaries.
TEST(MptBands, EveryIdentRoundTrips)
{
    const int bounds[][3] = {{2, 4, 7}, {0, 0, 0}, {10, 10, 10}, {0, 5, 5}, {1, 2, 3}, {3, 3, 9}};
    for (const auto& b : bounds) {
        const MptBandTable table = Table(b[0], b[1], b[2]);
        for (int32_t ident = kMptFirstIdent; ident <= kMptLastIdent; ++ident) {
            const FleetIfn pair = table.IdentToFleet(ident);
            ASSERT_EQ(table.FleetToIdent(pair.fleet, pair.ifn), ident)
                << "bounds " << b[0] << "," << b[1] << "," << b[2] << " ident " << ident;
        }
    }
}

}  // namespace
}  // namespace xtr
