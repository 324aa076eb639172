// The number cells through the dispatch: what they show, which entries they
// store, and what else an entry changes.
#include "cells/numbering/mpt_dial.h"
#include "mpt_cell_fixture.h"

namespace xtr::test {
namespace {

TEST_F(MptCells, PrefixShowsAndTakesTheOffsetForm)
{
    EXPECT_EQ(Show(CL_Person_OwnPrefix).text, "205");
    EXPECT_EQ(Enter(CL_Person_OwnPrefix, "327").text, "327");
    EXPECT_EQ(image.GetByte(mptmap::kOwnPrefix), 127);
    for (const char* refused : {"328", "199", "", "x"}) {
        Enter(CL_Person_OwnPrefix, refused);
        EXPECT_EQ(image.GetByte(mptmap::kOwnPrefix), 127) << refused;
    }
    image.SetByte(mptmap::kOwnPrefix, 0x80);  // beyond 7 bits
    const CellAnswer beyond = Show(CL_Person_OwnPrefix);
    EXPECT_EQ(beyond.text, "200");
    EXPECT_TRUE(beyond.error);
}

TEST_F(MptCells, CellsOfTheOtherSchemeShowSoAndTakeNothing)
{
    image.SetByte(mptmap::kDespatcherPrefix, 9);
    EXPECT_EQ(Enter(CL_CallOp_DespatcherPfix_Cps, "201").text, "Cps only");
    EXPECT_EQ(image.GetByte(mptmap::kDespatcherPrefix), 9);
    EXPECT_EQ(Show(CL_Person_OwnNumber_Cps).text, "Cps only");
    UseScheme(MptScheme::Cps);
    EXPECT_EQ(Enter(CL_Person_FleetInd, "2700").text, "Mpt only");
    EXPECT_EQ(ImageWord(image, mptmap::kFleetIndividual), 1000);
    EXPECT_EQ(Enter(CL_CallOp_DespatcherPfix_Cps, "201").text, "201");
}

TEST_F(MptCells, MptOwnNumberIsAnIfnOfTheOwnFleet)
{
    SetImageWord(image, mptmap::kOwnNumber, 1050);
    EXPECT_EQ(Show(CL_Person_OwnNumber_Mpt).text, "250");
    EXPECT_EQ(Enter(CL_Person_OwnNumber_Mpt, "899").text, "899");
    EXPECT_EQ(ImageWord(image, mptmap::kOwnNumber), 1699);
    Enter(CL_Person_OwnNumber_Mpt, "900");  // a group IFN
    Enter(CL_Person_OwnNumber_Mpt, "199");
    EXPECT_EQ(ImageWord(image, mptmap::kOwnNumber), 1699);

    // Lowering the highest IFN in use leaves the number outside the fleet.
    SetImageWord(image, mptmap::kLastIndividual, 500);
    const CellAnswer outside = Show(CL_Person_OwnNumber_Mpt);
    EXPECT_EQ(outside.text, "---");
    EXPECT_TRUE(outside.error);
}

TEST_F(MptCells, MptDespatcherStoresTheKindThatFits)
{
    image.SetByte(mptmap::kNumberKindBits, 0xC3);  // emergency and the low bits set
    Enter(CL_CallOp_DespatcherNumber, "950");
    EXPECT_EQ(ImageWord(image, mptmap::kDespatcherNumber), 3050);
    EXPECT_EQ(image.GetByte(mptmap::kNumberKindBits), 0xD3);
    EXPECT_EQ(Show(CL_CallOp_DespatcherNumber).text, "950");
    Enter(CL_CallOp_DespatcherNumber, "250");
    EXPECT_EQ(ImageWord(image, mptmap::kDespatcherNumber), 1050);
    EXPECT_EQ(image.GetByte(mptmap::kNumberKindBits), 0xC3);
    EXPECT_FALSE(Show(CL_CallOp_DespatcherNumber).error);
    Enter(CL_CallOp_DespatcherNumber, "999");  // above the highest group IFN
    EXPECT_EQ(ImageWord(image, mptmap::kDespatcherNumber), 1050);
    SetImageWord(image, mptmap::kDespatcherNumber, 2000);
    EXPECT_TRUE(Show(CL_CallOp_DespatcherNumber).error);
}

TEST_F(MptCells, FleetBaseEntryMovesTheFleetsNumbers)
{
    SetImageWord(image, mptmap::kOwnNumber, 1050);
    SetImageWord(image, mptmap::kGroupRows + 1, 3005);
    EXPECT_EQ(Show(CL_Person_FleetInd).text, "2500");
    EXPECT_EQ(Enter(CL_Person_FleetInd, "2700").text, "2700");
    EXPECT_EQ(ImageWord(image, mptmap::kFleetIndividual), 1400);
    EXPECT_EQ(ImageWord(image, mptmap::kOwnNumber), 1450);
    EXPECT_EQ(Show(CL_Person_OwnNumber_Mpt).text, "250");
    EXPECT_EQ(ImageWord(image, mptmap::kGroupRows + 1), 3005);

    Enter(CL_Person_FleetGrp, "2200");
    EXPECT_EQ(ImageWord(image, mptmap::kGroupRows + 1), 405);

    // Fleet 2000 is base 0; 6051 is base 8102.
    Enter(CL_Person_FleetInd, "2000");
    Enter(CL_Person_FleetInd, "6051");
    EXPECT_EQ(ImageWord(image, mptmap::kFleetIndividual), 1400);
}

TEST_F(MptCells, OverlappingFleetsMarkBothFleetCells)
{
    EXPECT_FALSE(Show(CL_Person_FleetInd).error);
    Enter(CL_Person_FleetGrp, "2800");  // groups from 1600, individuals up to 1699
    EXPECT_EQ(ImageWord(image, mptmap::kFleetGroup), 1600);
    EXPECT_TRUE(Show(CL_Person_FleetInd).error);
    EXPECT_TRUE(Show(CL_Person_FleetGrp).error);
    Enter(CL_Person_FleetGrp, "2850");
    EXPECT_FALSE(Show(CL_Person_FleetInd).error);
    EXPECT_FALSE(Show(CL_Person_FleetGrp).error);
}

TEST_F(MptCells, CpsNumbersShowFleetAndIfn)
{
    UseScheme(MptScheme::Cps);
    SetImageWord(image, mptmap::kOwnNumber, 1974);
    EXPECT_EQ(Show(CL_Person_OwnNumber_Cps).text, "24553");
    EXPECT_EQ(Enter(CL_Person_OwnNumber_Cps, "250").text, "22250");  // default individual fleet
    Enter(CL_Person_OwnNumber_Cps, "24554");
    Enter(CL_Person_OwnNumber_Cps, "20020200");  // longer than 5 characters
    Enter(CL_Person_OwnNumber_Cps, "8150");
    Enter(CL_Person_OwnNumber_Cps, "20900");  // a group
    EXPECT_EQ(Show(CL_Person_OwnNumber_Cps).text, "22250");

    SetImageWord(image, mptmap::kOwnNumber, 0);
    EXPECT_TRUE(Show(CL_Person_OwnNumber_Cps).error);
    SetImageWord(image, mptmap::kOwnNumber, 9000);
    EXPECT_EQ(Show(CL_Person_OwnNumber_Cps).text, "---");

    // The despatcher may be a special ident, and either kind.
    EXPECT_EQ(Enter(CL_CallOp_DespatcherNumber, "8150").text, "8150");
    EXPECT_EQ(ImageWord(image, mptmap::kDespatcherNumber), 8150);
    EXPECT_EQ(Enter(CL_CallOp_DespatcherNumber, "905").text, "21905");
}

TEST_F(MptCells, CallRangeEndsFollowEachOther)
{
    UseScheme(MptScheme::Cps);
    const CellAnswer empty = Show(CL_Person_CRangeInd_Min, 0, CT_CRange_I);
    EXPECT_EQ(empty.text, "");
    EXPECT_FALSE(empty.error);

    // One end entered: the range is that one number.
    Enter(CL_Person_CRangeInd_Max, "24300", 0, CT_CRange_I);
    EXPECT_EQ(ImageWord(image, mptmap::kCallRangeIndividual), 1721);
    EXPECT_EQ(ImageWord(image, mptmap::kCallRangeIndividual + 2), 1721);

    // A lowest end above the highest: the ends change places and the cursor
    // goes to the other cell.
    const CellAnswer swapped = Enter(CL_Person_CRangeInd_Min, "24500", 0, CT_CRange_I);
    EXPECT_EQ(ImageWord(image, mptmap::kCallRangeIndividual), 1721);
    EXPECT_EQ(ImageWord(image, mptmap::kCallRangeIndividual + 2), 1921);
    EXPECT_TRUE(swapped.rq.redirect);
    EXPECT_EQ(swapped.rq.redirectCellId, CL_Person_CRangeInd_Max);
    EXPECT_EQ(swapped.text, "24300");

    Enter(CL_Person_CRangeGrp_Min, "24300", 0, CT_CRange_G);  // not a group
    EXPECT_EQ(ImageWord(image, mptmap::kCallRangeGroup), 0);
}

TEST_F(MptCells, CpsGroupListTakesEightDigitsAndGrows)
{
    UseScheme(MptScheme::Cps);
    EXPECT_EQ(Show(CL_CallGroup_Number, 1, CT_Groups).text, "");
    Enter(CL_CallGroup_Number, "20020900", 1, CT_Groups);  // beyond the first free row
    EXPECT_EQ(image.GetByte(mptmap::kGroupCount), 0);

    EXPECT_EQ(Enter(CL_CallGroup_Number, "20020200", 0, CT_Groups).text, "");  // an individual
    EXPECT_EQ(Enter(CL_CallGroup_Number, "20120900", 0, CT_Groups).text, "20120900");
    EXPECT_EQ(image.GetByte(mptmap::kGroupCount), 1);
    EXPECT_EQ(image.GetByte(mptmap::kGroupRows), 1);
    EXPECT_EQ(ImageWord(image, mptmap::kGroupRows + 1), 701);

    // A short entry keeps the row's prefix.
    EXPECT_EQ(Enter(CL_CallGroup_Number, "21905", 0, CT_Groups).text, "20121905");
    SetImageWord(image, mptmap::kGroupRows + 1, 1);
    const CellAnswer invalid = Show(CL_CallGroup_Number, 0, CT_Groups);
    EXPECT_EQ(invalid.text, "--------");
    EXPECT_TRUE(invalid.error);
    EXPECT_FALSE(Show(CL_CallGroup_Number, 1, CT_Groups).error);
}

TEST_F(MptCells, MptGroupListHoldsOwnFleetGroups)
{
    EXPECT_EQ(Enter(CL_CallGroup_Number, "910", 0, CT_Groups).text, "910");
    EXPECT_EQ(ImageWord(image, mptmap::kGroupRows + 1), 3010);
    EXPECT_EQ(image.GetByte(mptmap::kGroupCount), 1);
    Enter(CL_CallGroup_Number, "250", 1, CT_Groups);
    EXPECT_EQ(image.GetByte(mptmap::kGroupCount), 1);
}

TEST_F(MptCells, FiveDigitEntriesStayInOrder)
{
    auto start = [&](int row) {
        const int32_t at = mptmap::kFiveDigitRows + mptmap::kFiveDigitRowSize * row;
        return std::string{static_cast<char>(image.GetByte(at)), static_cast<char>(image.GetByte(at + 1)),
                           static_cast<char>(image.GetByte(at + 2))};
    };
    EXPECT_EQ(Enter(CL_Pers5digit_chars, "250", 0, CT_5Digit).text, "250");
    EXPECT_EQ(Enter(CL_Pers5digit_chars, "25", 1, CT_5Digit).text, "25");
    EXPECT_EQ(start(1), std::string("25\0", 3));
    Enter(CL_Pers5digit_chars, "30", 2, CT_5Digit);  // no IFN start
    ASSERT_EQ(image.GetByte(mptmap::kFiveDigitCount), 2);

    // A new entry smaller than the row above moves up, one row per request.
    const int32_t finalOfRow2 = mptmap::kFiveDigitRows + mptmap::kFiveDigitRowSize * 2 + mptmap::kFiveDigitFinal;
    SetImageWord(image, finalOfRow2, 1234);
    CellAnswer moved = Enter(CL_Pers5digit_chars, "210", 2, CT_5Digit);
    EXPECT_EQ(image.GetByte(mptmap::kFiveDigitCount), 3);
    EXPECT_TRUE(moved.rq.redirect);
    EXPECT_EQ(moved.rq.redirectIndex, 1);
    EXPECT_EQ(moved.rq.redirectKey, 90);
    moved = Press(CL_Pers5digit_chars, moved.rq.redirectKey, 1, CT_5Digit);
    EXPECT_EQ(moved.rq.redirectIndex, 0);
    moved = Press(CL_Pers5digit_chars, moved.rq.redirectKey, 0, CT_5Digit);
    EXPECT_FALSE(moved.rq.redirect);
    EXPECT_EQ(start(0), "210");
    EXPECT_EQ(start(1), "250");
    EXPECT_EQ(start(2), std::string("25\0", 3));
    // The whole entry moved with its start.
    EXPECT_EQ(ImageWord(image, mptmap::kFiveDigitRows + mptmap::kFiveDigitFinal), 1234);
    EXPECT_EQ(Show(CL_Pers5digit_fin, 0, CT_5Digit).text, "2617");
    EXPECT_EQ(Show(CL_Pers5digit_fin, 3, CT_5Digit).text, "");
}

TEST_F(MptCells, DefaultFleetMustHoldItsKind)
{
    UseScheme(MptScheme::Cps);
    Enter(CL_Person_DefaultIndFleet, "21");  // the second fleet of a pair: groups only
    Enter(CL_Person_DefaultIndFleet, "2");
    Enter(CL_Person_DefaultIndFleet, "222");
    EXPECT_EQ(image.GetByte(mptmap::kDefaultIndividualFleet), 22);
    EXPECT_EQ(Enter(CL_Person_DefaultIndFleet, " 2 4").text, "24");
    Enter(CL_Person_DefaultGrpFleet, "23");
    EXPECT_EQ(image.GetByte(mptmap::kDefaultGroupFleet), 23);
    image.SetByte(mptmap::kDefaultIndividualFleet, 30);  // between bands
    EXPECT_TRUE(Show(CL_Person_DefaultIndFleet).error);
}

// Records what the image holds while the question is open.
class FleetQuestion : public MessageService {
public:
    FleetQuestion(cmcEeprom& image, MsgResult answer)
        : image_(image), answer_(answer), previous_(SetMessageService(this))
    {
    }
    ~FleetQuestion() override { SetMessageService(previous_); }
    MsgResult Show(const std::string& caption, const std::string& text, MsgIcon, MsgButtons buttons) override
    {
        asked = caption + "|" + text;
        okCancel = buttons == MsgButtons::OkCancel;
        shownMiddle = image_.GetByte(mptmap::kFleetBounds + 1);
        return answer_;
    }
    std::string asked;
    bool okCancel = false;
    int shownMiddle = -1;

private:
    cmcEeprom& image_;
    MsgResult answer_;
    MessageService* previous_;
};

TEST_F(MptCells, FleetCountsAreRefittedOnlyWhenConfirmed)
{
    {
        FleetQuestion cancel(image, MsgResult::Cancel);
        Enter(CL_NetFleet_LargeFleet, "5");
        EXPECT_EQ(cancel.asked, "Test Title|Refit the fleets?\nSecond line");
        EXPECT_TRUE(cancel.okCancel);
        EXPECT_EQ(cancel.shownMiddle, 5);  // the proposal is visible meanwhile
    }
    EXPECT_EQ(image.GetByte(mptmap::kFleetBounds), 2);
    EXPECT_EQ(image.GetByte(mptmap::kFleetBounds + 1), 4);
    {
        FleetQuestion ok(image, MsgResult::Ok);
        EXPECT_EQ(Enter(CL_NetFleet_LargeFleet, "5").text, " 5");
    }
    EXPECT_EQ(Show(CL_NetFleet_MiddleFleet).text, " 5");
    EXPECT_EQ(image.GetByte(mptmap::kFleetBounds + 2), 7);
    {
        FleetQuestion never(image, MsgResult::Ok);
        Enter(CL_NetFleet_SmallFleet, "7");  // nothing changes: no question
        EXPECT_TRUE(never.asked.empty());
    }
    image.SetByte(mptmap::kFleetBounds + 2, 12);
    EXPECT_TRUE(Show(CL_NetFleet_SmallFleet).error);
}

TEST_F(MptCells, DialStringCellKeepsOneCleanString)
{
    const DialField field = DirectoryDialField(4);
    image.SetByte(field.address, 0x12);
    image.SetByte(field.address + 1, 0xF3);  // a stray digit after the end
    EXPECT_EQ(Show(CL_DirM_Number, 4, CT_DirM).text, "12");
    EXPECT_EQ(image.GetByte(field.address + 1), 0xFF);

    EXPECT_EQ(Enter(CL_DirM_Number, "12*#x5", 4, CT_DirM).text, "12*#");
    Enter(CL_DirM_Number, "x5", 4, CT_DirM);
    EXPECT_EQ(Show(CL_DirM_Number, 4, CT_DirM).text, "12*#");

    const CellAnswer star = Press(CL_DirM_Number, '*', 4, CT_DirM);
    EXPECT_EQ(star.editor, celleditor::kInPlace);
    EXPECT_EQ(star.text, "*");
    EXPECT_EQ(star.rq.selStart, 1);
    const CellAnswer space = Press(CL_DirM_Number, cellkey::kSpace, 4, CT_DirM);
    EXPECT_EQ(space.editor, celleditor::kInPlace);
    EXPECT_EQ(space.text, "12*#");
    EXPECT_EQ(Press(CL_DirM_Number, 'a', 4, CT_DirM).editor, celleditor::kNone);
}

// A text missing from the shipped overlay would end the program the first
// time a cell asks for it.
TEST(MptCellTexts, ShippedOverlayHoldsEveryTextTheCellsUse)
{
    auto overlay = OverlayGuard::Shipped();
    for (const char* key : {"GI_AppInd_CpsOnly", "GI_AppInd_MptOnly", "GI_AppMess_Confirm_CpsFleet", "GI_Sys_AppTitle"}) {
        EXPECT_TRUE(overlay->Store().HasEntry(key)) << key;
    }
}

}  // namespace
}  // namespace xtr::test
