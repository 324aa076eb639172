// The check cells and the warning check list over the factory images: a
// fault anywhere in a group of settings shows on the group's check cell,
// horn conflicts are warnings, the Mpt-only checks are silent in Cps, and
// the list reports the sheets of the failing checks.
#include "cells/checks/check_list.h"
#include "cells/lists/list_geometry.h"
#include "factory_image_fixture.h"
#include "overlay/gtex.h"

#include <algorithm>

namespace xtr::test {
namespace {

constexpr std::int32_t kHornBits = 0x011F;
constexpr std::uint8_t kHornOn = 0x10;
constexpr std::uint8_t kHonkOnAlerting = 0x04;
constexpr std::uint8_t kHonkOnStatus = 0x02;
constexpr std::int32_t kHornTimer = 0x0149;
constexpr std::int32_t kScramblerSelection = 0x011A;
constexpr std::int32_t kScramblerCodes = 0x0432;
constexpr std::int32_t kFleetIndividual = 0x0C72;

constexpr std::int32_t kChecks[] = {
    CL_Check_Person_Identity_Mpt, CL_Check_Person_CallRange_Mpt, CL_Check_Person_5Digit_Mpt,
    CL_Check_Call_Group,          CL_Check_Call_Option,          CL_Check_Call_Emergency,
    CL_Check_Network_BlockFreq,   CL_Check_Network_AAD,          CL_Check_Hunt_Normal,
    CL_Check_Hunt_Pref,           CL_Check_SetMode_Scrm,
};

class CheckCells : public FactoryImage {
protected:
    void EmptyList(int slot)
    {
        const ListGeometry& g = GeometryOf(slot);
        ASSERT_TRUE(g.Packed());
        At(g.countAddress) = 0;
    }
    bool Contains(const std::vector<std::string>& list, const std::string& text)
    {
        return std::find(list.begin(), list.end(), text) != list.end();
    }
    CheckListResult RunList()
    {
        indActiveCell cells(host);
        return RunWarningCheckList(GTex(), cells);
    }
};

TEST_F(CheckCells, ListCountsEachFailingCheckOnceErrorsBeforeWarnings)
{
    for (int variant : {kVariantMpt, kVariantCps}) {
        Load(variant);
        int errors = 0;
        int warnings = 0;
        for (std::int32_t id : kChecks) {
            const std::uint8_t result = ResultOf(id);
            errors += (result & cellresult::kError) != 0;
            warnings += (result & cellresult::kError) == 0 && (result & cellresult::kWarning) != 0;
        }
        const CheckListResult result = RunList();
        EXPECT_EQ(result.errors, errors) << "variant " << variant;
        EXPECT_EQ(result.warnings, warnings) << "variant " << variant;
        EXPECT_EQ(result.findings.size(), static_cast<std::size_t>(errors + warnings));
        EXPECT_TRUE(result.lastHasParameter);
    }
}

TEST_F(CheckCells, BlockFrequencyRowZeroNotInUseIsAnError)
{
    LoadDemo(kVariantMpt);
    // A block is in use while its channel number (bytes 0-1 of the row) is
    // not 0.
    const ListGeometry& blocks = GeometryOf(listslot::kBlockFreq);
    At(blocks.AddressOf(0)) = 0;
    At(blocks.AddressOf(0) + 1) = 0;
    EXPECT_TRUE(Error(CL_NetBlock_FreqCH, 0, CT_BlockFreq));
    EXPECT_TRUE(Error(CL_Check_Network_BlockFreq));
    EXPECT_FALSE(Warning(CL_Check_Network_BlockFreq));
    // The fault stays with its own group.
    EXPECT_FALSE(Error(CL_Check_Hunt_Normal));
    EXPECT_FALSE(Error(CL_Check_Network_AAD));
}

TEST_F(CheckCells, EmptyHuntListIsAnErrorOnEveryRow)
{
    for (int variant : {kVariantMpt, kVariantCps}) {
        Load(variant);
        const bool preferredBefore = Error(CL_Check_Hunt_Pref);
        EmptyList(listslot::kHuntCh);
        EXPECT_TRUE(Error(CL_HuntNCh, 0, CT_HuntCh));
        EXPECT_TRUE(Error(CL_HuntNCh, 39, CT_HuntCh));
        EXPECT_TRUE(Error(CL_Check_Hunt_Normal));
        EXPECT_EQ(Error(CL_Check_Hunt_Pref), preferredBefore);
    }
}

TEST_F(CheckCells, HornConflictIsAWarningAndAnEmptyScramblerCodeAnError)
{
    Load(kVariantMpt);
    At(kScramblerSelection) = 0;
    At(kHornTimer) = 5;
    for (std::uint8_t honk : {kHonkOnAlerting, kHonkOnStatus}) {
        At(kHornBits) = static_cast<std::uint8_t>(kHornOn | honk);
        EXPECT_TRUE(Warning(CL_Set_Horn));
        EXPECT_TRUE(Warning(CL_Check_SetMode_Scrm));
        EXPECT_FALSE(Error(CL_Check_SetMode_Scrm));
    }
    // Without a horn time the horn never honks: no conflict.
    At(kHornTimer) = 0;
    EXPECT_FALSE(Warning(CL_Check_SetMode_Scrm));

    // Scrambler 2 picks code row 1, which holds no code.
    At(kScramblerSelection) = 2;
    At(kScramblerCodes + 1) = 0;
    EXPECT_TRUE(Error(CL_Set_Scrambler));
    EXPECT_TRUE(Error(CL_Check_SetMode_Scrm));
}

TEST_F(CheckCells, MptNumberChecksAreSilentInCps)
{
    Load(kVariantMpt);
    // A fleet far beyond any the number plan can hold.
    At(kFleetIndividual) = 0xFF;
    At(kFleetIndividual + 1) = 0xFF;
    ASSERT_TRUE(Error(CL_Person_FleetInd));
    EXPECT_TRUE(Error(CL_Check_Person_Identity_Mpt));
    EXPECT_TRUE(Error(CL_Check_Person_CallRange_Mpt));

    UseVariant(kVariantCps);
    EXPECT_EQ(ResultOf(CL_Check_Person_Identity_Mpt), 0);
    EXPECT_EQ(ResultOf(CL_Check_Person_CallRange_Mpt), 0);
    EXPECT_EQ(ResultOf(CL_Check_Person_5Digit_Mpt), 0);
}

TEST_F(CheckCells, ListReportsTheSheetsOfFailingChecks)
{
    LoadDemo(kVariantMpt);
    At(kScramblerSelection) = 0;
    At(kHornTimer) = 0;
    const CheckListResult before = RunList();
    ASSERT_FALSE(Error(CL_Check_Hunt_Normal) || Warning(CL_Check_SetMode_Scrm) || Error(CL_Check_SetMode_Scrm));

    EmptyList(listslot::kHuntCh);
    At(kHornTimer) = 5;
    At(kHornBits) = kHornOn | kHonkOnAlerting;
    const CheckListResult result = RunList();
    EXPECT_EQ(result.errors, before.errors + 1);
    EXPECT_EQ(result.warnings, before.warnings + 1);
    EXPECT_TRUE(Contains(result.errorSheets, "[St_Common]GI_Sheet_Hunt"));
    EXPECT_TRUE(Contains(result.warningSheets, "[St_Common]GI_Sheet_SetMode"));
    bool huntFound = false;
    for (const CheckFinding& finding : result.findings) {
        huntFound |= finding.cellId == CL_Check_Hunt_Normal && finding.error;
    }
    EXPECT_TRUE(huntFound);

    // A check with both an error and a warning counts as an error only.
    At(kScramblerSelection) = 2;
    At(kScramblerCodes + 1) = 0;
    const CheckListResult both = RunList();
    EXPECT_EQ(both.errors, before.errors + 2);
    EXPECT_EQ(both.warnings, before.warnings);
    EXPECT_TRUE(Contains(both.errorSheets, "[St_Common]GI_Sheet_SetMode"));
}

}  // namespace
}  // namespace xtr::test
