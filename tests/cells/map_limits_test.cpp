// Numbers whose limits depend on other settings, values shown in other
// units than they are kept in, and the "off" texts of timers and numbers.
#include "map_fixture.h"

namespace xtr::test {
namespace {

constexpr std::int32_t kNetworkByte = 0x0ECA;

using MapLimits = MapCells;

TEST_F(MapLimits, OperatorIdFollowsTheNetworkType)
{
    At(kNetworkByte) = 0x00;
    Type(CL_NetId_OperatorID, "100");
    EXPECT_EQ(At(kNetworkByte), 100);
    EXPECT_EQ(Show(CL_NetId_OperatorID), "100");
    EXPECT_EQ(Show(CL_NetId_NameNetOpid), Ovl("GI_AppInd_NameNetOpid", 0));

    // Setting the network type leaves an id of more than 2 bits: it reads
    // back as 0; the next key steps from there, the type bit kept.
    Choose(CL_NetId_NetworkType, 1);
    EXPECT_EQ(At(kNetworkByte), 0x80 | 100);
    EXPECT_EQ(Show(CL_NetId_OperatorID), "0");
    EXPECT_EQ(Show(CL_NetId_NameNetOpid), Ovl("GI_AppInd_NameNetOpid", 1));
    Press(CL_NetId_OperatorID, cellkey::kSpace);
    EXPECT_EQ(At(kNetworkByte), 0x81);

    Type(CL_NetId_OperatorID, "5");
    EXPECT_EQ(At(kNetworkByte), 0x83);
    Press(CL_NetId_OperatorID, cellkey::kSpace);
    EXPECT_EQ(At(kNetworkByte), 0x80);  // 3 wraps to 0
}

TEST_F(MapLimits, NetTypeLimitedValuesAreLoweredAndWrittenBackWhenShown)
{
    At(kNetworkByte) = 0x80;
    At(0x0E00) = 9;  // LA
    At(0x0DFF) = 7;  // LZ
    SetWord(0x0F19, 300);  // home zone
    EXPECT_EQ(Show(CL_NetId_LA), "9");
    EXPECT_EQ(Show(CL_NetId_HomeZone), "300");
    EXPECT_EQ(At(0x0E00), 9);

    At(kNetworkByte) = 0x00;
    EXPECT_EQ(Show(CL_NetId_LA), "4");
    EXPECT_EQ(At(0x0E00), 4);
    EXPECT_EQ(Show(CL_NetId_LZ), "4");
    EXPECT_EQ(At(0x0DFF), 4);
    EXPECT_EQ(Show(CL_NetId_HomeZone), "15");
    EXPECT_EQ(Word(0x0F19), 15u);
    Type(CL_NetId_FallBack_Ndd, "400");
    EXPECT_EQ(Word(0x0F2A), 15u);
}

TEST_F(MapLimits, ChannelLimitsBoundEachOtherAndSurviveAnEmptyImage)
{
    SetWord(0x0D78, 100);
    SetWord(0x0D7A, 900);
    Type(CL_NetId_MinCHNumber, "950");
    EXPECT_EQ(Word(0x0D78), 900u);
    Type(CL_NetId_MaxCHNumber, "50");
    EXPECT_EQ(Word(0x0D7A), 900u);
    Type(CL_NetId_MaxCHNumber, "2000");
    EXPECT_EQ(Word(0x0D7A), 1023u);

    // Both ends 0 (a blank image): the range stays 1..1 and 1..1023.
    SetWord(0x0D78, 0);
    SetWord(0x0D7A, 0);
    Type(CL_NetId_MinCHNumber, "5");
    EXPECT_EQ(Word(0x0D78), 1u);
    Press(CL_NetId_MinCHNumber, cellkey::kSpace);
    EXPECT_EQ(Word(0x0D78), 1u);
    Type(CL_NetId_MaxCHNumber, "5");
    EXPECT_EQ(Word(0x0D7A), 5u);
}

TEST_F(MapLimits, RssiMarginsMoveInStepsOfThreeAndLevelsAreSigned)
{
    Type(CL_RSSIMarginLM2, "4");
    EXPECT_EQ(At(0x0ED1), 3);
    Type(CL_RSSIMarginLM2, "5");
    EXPECT_EQ(At(0x0ED1), 6);
    Type(CL_RSSIMarginLM2, "30");
    Press(CL_RSSIMarginLM2, cellkey::kSpace);
    EXPECT_EQ(At(0x0ED1), 0);

    Type(CL_Comm_RSSIL0, "-110");
    EXPECT_EQ(At(0x0FAB), 0x92);
    EXPECT_EQ(Show(CL_Comm_RSSIL0), "-110");
    Type(CL_Comm_RSSIL0, "-130");
    EXPECT_EQ(Show(CL_Comm_RSSIL0), "-120");
    Type(CL_Comm_RSSIL2, "-60");
    EXPECT_EQ(Show(CL_Comm_RSSIL2), "-70");
    // "-" begins an entry where the range is negative.
    Press(CL_Comm_RSSIL2, '-');
    EXPECT_EQ(editor, celleditor::kInPlace);
    EXPECT_EQ(rq.displayText, "-");
}

TEST_F(MapLimits, MptTimersShowWholeSecondsAndStepByTheirStep)
{
    SetWord(0x0F17, 2999);  // TJ in milliseconds
    EXPECT_EQ(Show(CL_TE_TJ), "2");
    Type(CL_TE_TL, "12");
    EXPECT_EQ(Show(CL_TE_TL), "10");
    Press(CL_TE_TL, cellkey::kSpace);
    EXPECT_EQ(Show(CL_TE_TL), "15");
}

TEST_F(MapLimits, ThAndNtAreConvertedBothWays)
{
    SetWord(0x0EDC, 5333);
    EXPECT_EQ(Show(CL_TE_TH), "50");
    Type(CL_TE_TH, "100");
    EXPECT_EQ(Word(0x0EDC), 10667u);
    EXPECT_EQ(Show(CL_TE_TH), "100");

    SetWord(0x0F26, 100);
    EXPECT_EQ(Show(CL_TE_NT), "120");
    Type(CL_TE_NT, "1236");
    EXPECT_EQ(Word(0x0F26), 1030u);
    // 105 cannot be kept: it is stored as 88, which reads 106, and shown so.
    EXPECT_EQ(Type(CL_TE_NT, "105"), "106");
    EXPECT_EQ(Word(0x0F26), 88u);
    // Stepping skips the values that cannot be kept instead of sticking.
    Press(CL_TE_NT, cellkey::kBackspace);
    EXPECT_EQ(Show(CL_TE_NT), "104");
    Press(CL_TE_NT, cellkey::kSpace);
    EXPECT_EQ(Show(CL_TE_NT), "106");
    Press(CL_TE_NT, cellkey::kSpace);
    EXPECT_EQ(Show(CL_TE_NT), "107");
    SetWord(0x0F26, 1030);
    Press(CL_TE_NT, cellkey::kSpace);
    EXPECT_EQ(Show(CL_TE_NT), "103");
}

TEST_F(MapLimits, ZeroShowsTheOffTextsWhereZeroMeansOff)
{
    At(0x03EC) = 0;
    EXPECT_EQ(Show(CL_Ctcss_LockoutPenaltyTimer), Ovl("GI_AppInd_TimerOff"));
    EXPECT_EQ(canvas.color, 0x008080u);
    At(0x0149) = 0;
    EXPECT_EQ(Show(CL_Comm_HornTimer), Ovl("GI_AppInd_TimerOff"));
    At(0x03F5) = 0;
    EXPECT_EQ(Show(CL_DtmfDTMFDurationTimer), "  0.000");
    At(0x0141) = 0;
    EXPECT_EQ(Show(CL_Comm_TalkATimer), Ovl("GI_AppInd_TimerOff2"));
    At(0x0143) = 0;
    EXPECT_EQ(Show(CL_Comm_TOTTimer), "0");
    At(0x0F5D) = 0;
    EXPECT_EQ(Show(CL_CallOp_AbbreviatedPSTN), Ovl("GI_AppInd_AbbreviatedPSTN_Disable"));
    Type(CL_TE_CLIM, "0");
    EXPECT_EQ(Show(CL_TE_CLIM), Ovl("GI_AppInd_CLIM_NoLimit"));
    SetWord(0x0F28, 0);
    EXPECT_EQ(Show(CL_NetId_FallBack_Ch), "0" + Ovl("GI_AppInd_FallbackChOff"));
    // The editor opens on the number, without the text.
    Press(CL_NetId_FallBack_Ch, cellkey::kEnter);
    EXPECT_EQ(rq.displayText, "0");

    At(0x149) = 25;
    EXPECT_EQ(Show(CL_Comm_HornTimer), "  2.500");
    Type(CL_Ctcss_UserCTCSS, "88.5");
    EXPECT_EQ(Show(CL_Ctcss_UserCTCSS), " 88.5");
}

TEST_F(MapLimits, KeyAssignmentsReachOnlyTheRadiosKeys)
{
    At(0x012B) = 3;
    At(0x012C) = 4;
    Choose(CL_Key_Trunk, 7, 11);
    EXPECT_EQ(At(0x012B), 7);
    // A sheet naming a key the radio lacks shows nothing and stores nothing.
    EXPECT_EQ(Choose(CL_Key_Trunk, 7, 12), "");
    EXPECT_EQ(At(0x012C), 4);
    EXPECT_EQ(Choose(CL_Key_Conve, 7, -1), "");
    EXPECT_EQ(At(0x012B), 7);
}

TEST_F(MapLimits, PasswordTakesDigitsOnlyAndDtmfCodeClearsItsWholeField)
{
    Type(CL_Comm_Password, "12AB");
    EXPECT_EQ(Word(0x013F), 0x1200u);
    EXPECT_EQ(Show(CL_Comm_Password), "1200");

    for (std::int32_t a = 0x03FD; a < 0x03FD + 12; ++a) {
        At(a) = 0x77;
    }
    At(0x0409) = 0x5A;  // beyond the 24 digits
    Type(CL_DtmfCode, "12*#");
    EXPECT_EQ(At(0x03FC), 4);
    EXPECT_EQ(At(0x03FD), 0x12);
    EXPECT_EQ(At(0x03FE), 0xEF);
    for (std::int32_t a = 0x03FF; a < 0x03FD + 12; ++a) {
        EXPECT_EQ(At(a), 0) << Format("0x%04X", a);
    }
    EXPECT_EQ(At(0x0409), 0x5A);
    EXPECT_EQ(Show(CL_DtmfCode), "12*#");
}

TEST_F(MapLimits, CloneCommentsArePaddedTextOfSixteenCharacters)
{
    At(0x0198 + 16) = 0x42;
    Type(CL_Comm_CloneComment2, "Depot 7");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&At(0x0198)), 17), "Depot 7         B");
}

}  // namespace
}  // namespace xtr::test
