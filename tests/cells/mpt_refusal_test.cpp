// The number cells refuse what they do not take with the reason on the
// request: an entry without digits holds no number, one with digits lies
// outside what the cell can hold. A value typed again as it stands, and any
// entry the cell takes, refuses nothing.
#include "mpt_cell_fixture.h"

#include "cells/cell_names.h"

namespace xtr::test {
namespace {

struct Entry {
    std::int32_t cell;
    const char* typed;
    const char* reason;  // null: taken
    std::int32_t index = 0;
    std::uint32_t category = kCategoryNone;
};

class MptRefusal : public MptCells {
protected:
    void Check(const Entry& e)
    {
        // Shown first: showing may tidy the field (a dial string's end
        // marks), which is no part of the entry.
        Show(e.cell, e.index, e.category);
        const std::vector<std::uint8_t> before = Bytes();
        const CellAnswer answer = Enter(e.cell, e.typed, e.index, e.category);
        const std::string what = std::string(CellName(e.cell)) + " '" + e.typed + "'";
        if (e.reason == nullptr) {
            EXPECT_FALSE(answer.rq.Refused()) << what;
            return;
        }
        EXPECT_TRUE(answer.rq.Refused()) << what;
        EXPECT_TRUE(answer.error) << what;
        EXPECT_STREQ(answer.rq.refusal, e.reason) << what;
        EXPECT_EQ(Bytes(), before) << what << ": a refused entry changes nothing";
    }
    std::vector<std::uint8_t> Bytes()
    {
        std::vector<std::uint8_t> bytes;
        for (std::int32_t a = 0; a < image.Size(); ++a) {
            bytes.push_back(image.GetByte(a));
        }
        return bytes;
    }
};

TEST_F(MptRefusal, MptSchemeCellsNameWhyAnEntryIsNotTaken)
{
    const Entry entries[] = {
        {CL_Person_LastInd, "19", cellrefusal::kNotTaken},
        {CL_Person_LastInd, "900", cellrefusal::kNotTaken},
        {CL_Person_LastInd, "none", cellrefusal::kNoNumber},
        {CL_Person_LastInd, "89", nullptr},
        {CL_Person_OwnNumber_Mpt, "900", cellrefusal::kNotTaken},  // a group IFN
        {CL_Person_OwnNumber_Mpt, "-", cellrefusal::kNoNumber},
        {CL_Person_OwnNumber_Mpt, "25", nullptr},
        {CL_CallOp_DespatcherNumber, "199", cellrefusal::kNotTaken},
        {CL_CallOp_DespatcherNumber, "950", nullptr},
        {CL_Person_FleetInd, "2000", cellrefusal::kNotTaken},  // base 0
        {CL_Person_OwnPrefix, "328", cellrefusal::kNotTaken},
        {CL_Person_OwnPrefix, "x", cellrefusal::kNoNumber},
        {CL_Person_OwnPrefix, "327", nullptr},
        {CL_Pers5digit_chars, "30", cellrefusal::kNotTaken, 0, CT_5Digit},
        {CL_CallGroup_Number, "250", cellrefusal::kNotTaken, 0, CT_Groups},
        {CL_DirM_Number, "x5", cellrefusal::kNotTaken, 4, CT_DirM},
        {CL_DirM_Number, "12*#", nullptr, 4, CT_DirM},
    };
    for (const Entry& e : entries) {
        Check(e);
    }
}

TEST_F(MptRefusal, AFleetBaseTypedAgainAsItStandsIsTaken)
{
    const std::string shown = Show(CL_Person_FleetInd).text;
    Check({CL_Person_FleetInd, shown.c_str(), nullptr});
}

TEST_F(MptRefusal, CpsSchemeCellsNameWhyAnEntryIsNotTaken)
{
    UseScheme(MptScheme::Cps);
    const Entry entries[] = {
        {CL_Person_DefaultIndFleet, "21", cellrefusal::kNotTaken},  // groups only
        {CL_Person_DefaultIndFleet, "222", cellrefusal::kNotTaken},
        {CL_Person_DefaultIndFleet, "24", nullptr},
        {CL_CallGroup_Number, "20020200", cellrefusal::kNotTaken, 0, CT_Groups},  // an individual
        {CL_CallGroup_Number, "20120900", nullptr, 0, CT_Groups},
        {CL_Person_OwnNumber_Cps, "123456", cellrefusal::kNotTaken},
        {CL_NetFleet_LargeFleet, "many", cellrefusal::kNoNumber},
    };
    for (const Entry& e : entries) {
        Check(e);
    }
}

}  // namespace
}  // namespace xtr::test
