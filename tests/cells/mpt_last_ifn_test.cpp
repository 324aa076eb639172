// The highest IFN of each own fleet: the two digit-count ranges, the reset
// of a stored value outside them, and the range check against the fleet.
#include "mpt_cell_fixture.h"

#include "cells/cell_names.h"

namespace xtr::test {
namespace {

TEST_F(MptCells, LastIfnTakesEntriesOfEitherDigitCountOnly)
{
    EXPECT_EQ(Show(CL_Person_LastInd).text, "899");
    EXPECT_EQ(Enter(CL_Person_LastInd, "89").text, "89");
    EXPECT_EQ(ImageWord(image, mptmap::kLastIndividual), 89);
    for (const char* refused : {"19", "90", "199", "900"}) {
        Enter(CL_Person_LastInd, refused);
        EXPECT_EQ(ImageWord(image, mptmap::kLastIndividual), 89) << refused;
    }
    EXPECT_EQ(Enter(CL_Person_LastGrp, "900").text, "900");
    Enter(CL_Person_LastGrp, "999");
    EXPECT_EQ(ImageWord(image, mptmap::kLastGroup), 900);
}

TEST_F(MptCells, LastIfnOutsideBothRangesIsResetToTheLowest)
{
    SetImageWord(image, mptmap::kLastIndividual, 150);
    SetImageWord(image, mptmap::kLastGroup, 0xFFFF);
    EXPECT_EQ(Show(CL_Person_LastInd).text, "20");
    EXPECT_EQ(ImageWord(image, mptmap::kLastIndividual), 20);
    EXPECT_EQ(Show(CL_Person_LastGrp).text, "90");
    EXPECT_EQ(ImageWord(image, mptmap::kLastGroup), 90);
}

TEST_F(MptCells, LastIfnIsMptOnly)
{
    UseScheme(MptScheme::Cps);
    EXPECT_EQ(Enter(CL_Person_LastInd, "30").text, "Mpt only");
    EXPECT_EQ(ImageWord(image, mptmap::kLastIndividual), 899);
}

}  // namespace
}  // namespace xtr::test
