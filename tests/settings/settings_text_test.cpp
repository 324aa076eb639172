// The text form of settings taken apart and put together without a radio
// or an overlay: setting names with categories and rows, lines whose page
// captions hold blanks, slashes and equals signs, values with line breaks,
// and the comparison of two lists of settings.
#include "settings/setting_diff.h"
#include "settings/settings_csv.h"
#include "settings/settings_text.h"

#include "cells/categories.h"
#include "cells/cell_names.h"

#include <gtest/gtest.h>

namespace xtr::test {
namespace {

SettingRef Ref(const std::string& text)
{
    SettingRef ref;
    std::string error;
    EXPECT_TRUE(ParseSettingRef(text, ref, error)) << text << ": " << error;
    return ref;
}

TEST(SettingRefText, NamesRoundTripAndBadNamesAreAnswers)
{
    for (const char* text : {"CL_Comm_TOTTimer", "CT_Conv.CL_PersConv_FreqRx[0]", "CT_Conv.CL_PersConv_FreqRx[3]"}) {
        EXPECT_EQ(FormatSettingRef(Ref(text)), text);
    }
    EXPECT_EQ(Ref("CT_Conv.CL_PersConv_FreqRx[3]").category, static_cast<std::uint32_t>(CT_Conv));

    SettingRef ref;
    std::string error;
    EXPECT_FALSE(ParseSettingRef("CL_Comm_NoSuch", ref, error));
    EXPECT_EQ(error, "unknown setting 'CL_Comm_NoSuch'");
    EXPECT_FALSE(ParseSettingRef("CT_Nowhere.CL_Comm_TOTTimer", ref, error));
    EXPECT_FALSE(ParseSettingRef("CT_Conv.CL_PersConv_FreqRx[x]", ref, error));
    EXPECT_FALSE(ParseSettingRef("CT_Conv.CL_PersConv_FreqRx[3", ref, error));
    EXPECT_FALSE(ParseSettingRef("CT_Conv.CL_PersConv_FreqRx[99999]", ref, error));
    EXPECT_FALSE(ParseSettingRef("", ref, error));
}

TEST(SettingLineText, PageCaptionsMayHoldBlanksSlashesAndEquals)
{
    SettingLine line;
    ASSERT_TRUE(ParseSettingLine("Common settings / CL_Comm_TOTTimer = 30", line));
    EXPECT_EQ(line.page, "Common settings");
    EXPECT_EQ(line.name, "CL_Comm_TOTTimer");
    EXPECT_EQ(line.value, "30");

    ASSERT_TRUE(ParseSettingLine("Groups / calls = A / B / CT_Groups.CL_X[2] = a = b ", line));
    EXPECT_EQ(line.page, "Groups / calls = A / B");
    EXPECT_EQ(line.name, "CT_Groups.CL_X[2]");
    EXPECT_EQ(line.value, "a = b ");

    ASSERT_TRUE(ParseSettingLine("P / CL_A =  two\\nlines \\\\ and \\q", line));
    EXPECT_EQ(line.value, " two\nlines \\ and \\q");

    ASSERT_TRUE(ParseSettingLine("P / CL_A = ", line));
    EXPECT_EQ(line.value, "");

    for (const char* bad : {"", "no separators", "P / CL_A=1", "P/CL_A = 1", " / CL_A = 1", "P / = 1"}) {
        EXPECT_FALSE(ParseSettingLine(bad, line)) << bad;
    }
}

TEST(SettingLineText, ExportEscapesWhatWouldBreakALineAndParsesBack)
{
    const std::vector<SettingEntry> entries = {
        {"Common settings", Ref("CL_Comm_TOTTimer"), "Time-out timer", "60"},
        {"Common settings", Ref("CL_Comm_OpeningText1"), "", "a\\b\r\nc"},
        {"Conventional channels", Ref("CT_Conv.CL_PersConv_FreqRx[1]"), "", ""},
    };
    const std::string text = ExportSettingsText(entries);
    EXPECT_EQ(text,
              "# Common settings\n"
              "Common settings / CL_Comm_TOTTimer = 60\n"
              "Common settings / CL_Comm_OpeningText1 = a\\\\b\\r\\nc\n"
              "\n"
              "# Conventional channels\n"
              "Conventional channels / CT_Conv.CL_PersConv_FreqRx[1] = \n");
    SettingLine line;
    ASSERT_TRUE(ParseSettingLine("Common settings / CL_Comm_OpeningText1 = a\\\\b\\r\\nc", line));
    EXPECT_EQ(line.value, "a\\b\r\nc");
}

TEST(SettingDiff, ChangedMissingAndAddedSettingsInTheFirstListsOrder)
{
    const std::vector<SettingEntry> a = {
        {"P", Ref("CL_Comm_TOTTimer"), "Time-out timer", "60"},
        {"P", Ref("CL_Comm_OpeningText1"), "", "NALU"},
        {"Q", Ref("CT_Conv.CL_PersConv_FreqRx[1]"), "Receive", "446.0"},
    };
    const std::vector<SettingEntry> b = {
        {"Q", Ref("CT_Conv.CL_PersConv_FreqRx[2]"), "Receive", "450.0"},
        {"P", Ref("CL_Comm_OpeningText1"), "", "NALU"},
        {"P", Ref("CL_Comm_TOTTimer"), "Time-out timer", "30"},
    };
    const std::vector<SettingDifference> d = DiffSettings(a, b);
    ASSERT_EQ(d.size(), 3u);
    EXPECT_EQ(DescribeDifference(d[0]), "P / Time-out timer (CL_Comm_TOTTimer): '60' -> '30'");
    EXPECT_EQ(DescribeDifference(d[1]), "Q / Receive (CT_Conv.CL_PersConv_FreqRx[1]): '446.0' -> (none)");
    EXPECT_EQ(DescribeDifference(d[2]), "Q / Receive (CT_Conv.CL_PersConv_FreqRx[2]): (none) -> '450.0'");
    EXPECT_TRUE(DiffSettings(a, a).empty());
}

TEST(SettingsCsv, QuotedFieldsDoubledQuotesLineEndsAndLineNumbers)
{
    std::vector<std::vector<std::string>> records;
    std::vector<int> lines;
    ASSERT_TRUE(ParseCsv("\xEF\xBB\xBFRow,A\r\n0,\"x, \"\"y\"\"\"\r\n\r\n1,\"two\nlines\"\n2,\n3", records, lines));
    ASSERT_EQ(records.size(), 5u);
    EXPECT_EQ(records[0], (std::vector<std::string>{"Row", "A"}));
    EXPECT_EQ(records[1], (std::vector<std::string>{"0", "x, \"y\""}));
    EXPECT_EQ(records[2], (std::vector<std::string>{"1", "two\nlines"}));
    EXPECT_EQ(records[3], (std::vector<std::string>{"2", ""}));
    EXPECT_EQ(records[4], (std::vector<std::string>{"3"}));
    EXPECT_EQ(lines, (std::vector<int>{1, 2, 4, 6, 7}));
    EXPECT_FALSE(ParseCsv("Row,A\n0,\"open", records, lines));
}

TEST(SettingsCsv, ExportQuotesWhatASpreadsheetWouldChange)
{
    const std::vector<SettingEntry> page = {
        {"C", Ref("CT_Conv.CL_PersConv_FreqRx[0]"), "Receive", "446.0"},
        {"C", Ref("CT_Conv.CL_PersConv_FreqTx[0]"), "Transmit", "a,\"b\""},
        {"C", Ref("CT_Conv.CL_PersConv_FreqRx[1]"), "Receive", " 1"},
        {"C", Ref("CL_Comm_TOTTimer"), "Outside the rows", "60"},
    };
    EXPECT_EQ(ExportSheetCsv(page), "Row,Receive,Transmit\r\n0,446.0,\"a,\"\"b\"\"\"\r\n1,\" 1\",\r\n");
    EXPECT_EQ(ExportSheetCsv({page.back()}), "");
}

}  // namespace
}  // namespace xtr::test
