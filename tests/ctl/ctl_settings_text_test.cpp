// xtr450ctl export, import and diff on copies of the factory clone files:
// the text round trip leaves a file byte for byte as it was, an import
// carries the changes of one file into another, refused lines are listed
// with their numbers and keep the file unless --partial, and diff lists
// what differs by setting with its exit status.
#include "ctl_process.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <string>

namespace xtr::test {
namespace {

class CtlSettingsText : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (ProgramDirectory().empty()) {
            GTEST_SKIP() << "xtr450ctl is not built";
        }
    }
    CtlRun Ctl(const std::vector<std::string>& args) { return RunCtl(args, dir.Path().string()); }
    std::string Copy(const std::string& factory, const std::string& name)
    {
        return dir.Write(name, ReadWholeFile(std::string(XTR_SOURCE_DATA_DIR) + "/" + factory));
    }
    TempDir dir;
};

TEST_F(CtlSettingsText, ExportThenImportIntoACopyIsByteForByteTheSame)
{
    for (const auto& [factory, variant] : {std::pair{"XTR450MPT.kcl", "mpt"}, std::pair{"XTR450CPS.kcl", "cps"},
                                        std::pair{"demo-mpt.kcl", "mpt"}, std::pair{"demo-cps.kcl", "cps"}}) {
        SCOPED_TRACE(factory);
        const std::string original = Copy(factory, "original.kcl");
        const std::string copy = Copy(factory, "copy.kcl");
        const std::string text = dir.File("settings.txt");
        const CtlRun exported = Ctl({"export", "--variant", variant, original, "-o", text});
        ASSERT_EQ(exported.status, 0) << exported.err;
        const std::string lines = ReadWholeFile(text);
        EXPECT_NE(lines.find("# Common settings\n"), std::string::npos);
        EXPECT_NE(lines.find("Common settings / CL_Comm_TOTTimer = "), std::string::npos);
        // The order is stable: a second export is the same text.
        EXPECT_EQ(Ctl({"export", "--variant", variant, original}).out, lines);

        const CtlRun imported = Ctl({"import", "--variant", variant, copy, text});
        ASSERT_EQ(imported.status, 0) << imported.err;
        EXPECT_EQ(ReadWholeFile(copy), ReadWholeFile(original));
    }
}

TEST_F(CtlSettingsText, ImportCarriesChangesIncludingNewChannelsIntoAnotherFile)
{
    const std::string changed = Copy("demo-mpt.kcl", "changed.kcl");
    ASSERT_EQ(Ctl({"set", changed, "CL_Comm_TOTTimer=30", "CL_Comm_OpeningText1=DEPOT",
                   "CT_Conv.CL_PersConv_FreqRx[0]=446.5", "CT_Conv.CL_PersConv_FreqRx[2]=450.0125"})
                  .status,
              0);
    const std::string text = dir.File("changed.txt");
    ASSERT_EQ(Ctl({"export", changed, "-o", text}).status, 0);

    // A new channel's transmit side shows "<-" (as received), which is not
    // a frequency to type: the import gives it the receive frequency.
    const std::string target = Copy("demo-mpt.kcl", "target.kcl");
    const CtlRun imported = Ctl({"import", target, text});
    ASSERT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(ReadWholeFile(target), ReadWholeFile(changed));
}

TEST_F(CtlSettingsText, RefusedLinesAreListedAndKeepTheFileUnlessPartial)
{
    const std::string file = Copy("demo-mpt.kcl", "radio.kcl");
    const std::string before = ReadWholeFile(file);
    const std::string text = dir.Write("edit.txt",
                                       "# Common settings\n"
                                       "Common settings / CL_Comm_TOTTimer = 30\n"
                                       "Common settings / CL_Comm_NoSuchSetting = 1\n"
                                       "\n"
                                       "Common settings / CL_Comm_StartupScreen = Fireworks\n"
                                       "Nowhere / CL_Comm_TOTTimer = 30\n"
                                       "just some words\n");
    const CtlRun refused = Ctl({"import", file, text});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("edit.txt:3: unknown setting 'CL_Comm_NoSuchSetting'"), std::string::npos)
        << refused.err;
    EXPECT_NE(refused.err.find("edit.txt:5: "), std::string::npos) << refused.err;
    EXPECT_NE(refused.err.find("edit.txt:6: no page 'Nowhere'"), std::string::npos) << refused.err;
    EXPECT_NE(refused.err.find("edit.txt:7: "), std::string::npos) << refused.err;
    EXPECT_EQ(refused.err.find("edit.txt:2:"), std::string::npos) << refused.err;
    EXPECT_EQ(ReadWholeFile(file), before);

    const CtlRun partial = Ctl({"import", "--partial", file, text});
    EXPECT_EQ(partial.status, 1);
    EXPECT_NE(partial.err.find("1 line(s) were taken and saved, 4 line(s) were not taken"), std::string::npos)
        << partial.err;
    EXPECT_EQ(Ctl({"get", file, "CL_Comm_TOTTimer"}).out, "30\n");

    EXPECT_EQ(Ctl({"import", file, dir.File("missing.txt")}).status, 1);
}

TEST_F(CtlSettingsText, DiffListsDifferingSettingsByPageAndName)
{
    const std::string a = Copy("demo-mpt.kcl", "a.kcl");
    const std::string b = Copy("demo-mpt.kcl", "b.kcl");
    const CtlRun same = Ctl({"diff", a, b});
    EXPECT_EQ(same.status, 0) << same.err;
    EXPECT_EQ(same.out, "");

    ASSERT_EQ(Ctl({"set", b, "CL_Comm_TOTTimer=30", "CT_Conv.CL_PersConv_FreqRx[1]=446.5"}).status, 0);
    const CtlRun differ = Ctl({"diff", a, b});
    EXPECT_EQ(differ.status, 1);
    EXPECT_EQ(differ.out,
              "Common settings / Time-out timer (CL_Comm_TOTTimer): '60' -> '30'\n"
              "Conventional channels / Receive (MHz) (CT_Conv.CL_PersConv_FreqRx[1]): '446.018750' -> '446.500000'\n");
    EXPECT_EQ(Ctl({"diff", a}).status, 2);
    EXPECT_EQ(Ctl({"diff", a, dir.File("none.kcl")}).status, 31);
}

TEST_F(CtlSettingsText, ChannelRowsGoThroughCsvAndRefusedFieldsAreListed)
{
    const std::string changed = Copy("demo-mpt.kcl", "changed.kcl");
    ASSERT_EQ(Ctl({"set", changed, "CT_Conv.CL_PersConv_FreqRx[2]=450.0125"}).status, 0);
    const std::string csv = dir.File("channels.csv");
    const CtlRun exported = Ctl({"export", "--csv", "--sheet", "Conventional channels", changed, "-o", csv});
    ASSERT_EQ(exported.status, 0) << exported.err;
    const std::string rows = ReadWholeFile(csv);
    EXPECT_EQ(rows.rfind("Row,Receive (MHz),Transmit (MHz),", 0), 0u) << rows.substr(0, 200);
    EXPECT_NE(rows.find("\r\n2,450.012500,<-,"), std::string::npos) << rows.substr(0, 400);

    // Into a copy of the file it came from: the same bytes; into the
    // factory file: the new channel.
    const std::string copy = Copy("demo-mpt.kcl", "copy.kcl");
    ASSERT_EQ(Ctl({"import", "--csv", "--sheet", "GI_Sheet_ConvCh", copy, csv}).status, 0);
    EXPECT_EQ(ReadWholeFile(copy), ReadWholeFile(changed));

    // A sheet typed by hand: columns left out and reordered, a quoted field.
    const std::string target = Copy("demo-mpt.kcl", "target.kcl");
    const std::string before = ReadWholeFile(target);
    const std::string typed = dir.Write("typed.csv",
                                        "Row,Transmit (MHz),Receive (MHz)\n"
                                        "3,\"447.5\",447.5\n"
                                        "4,abc,448\n"
                                        "999,1,1\n");
    const CtlRun refused = Ctl({"import", "--csv", "--sheet", "Conventional channels", target, typed});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("typed.csv:3: "), std::string::npos) << refused.err;
    EXPECT_NE(refused.err.find("typed.csv:4: no row '999'"), std::string::npos) << refused.err;
    EXPECT_EQ(refused.err.find("typed.csv:2:"), std::string::npos) << refused.err;
    EXPECT_EQ(ReadWholeFile(target), before);
    ASSERT_EQ(Ctl({"import", "--partial", "--csv", "--sheet", "Conventional channels", target, typed}).status, 1);
    EXPECT_EQ(Ctl({"get", target, "CT_Conv.CL_PersConv_FreqRx[3]", "CT_Conv.CL_PersConv_FreqTx[3]"}).out,
              "447.500000\n<-\n");

    const std::string badHeader = dir.Write("bad.csv", "Row,Colour\n0,red\n");
    const CtlRun header = Ctl({"import", "--csv", "--sheet", "Conventional channels", target, badHeader});
    EXPECT_EQ(header.status, 1);
    EXPECT_NE(header.err.find("bad.csv:1: no column 'Colour' on this page"), std::string::npos) << header.err;
    EXPECT_EQ(Ctl({"export", "--csv", changed}).status, 2);
    EXPECT_EQ(Ctl({"export", "--csv", "--sheet", "Nowhere", changed}).status, 2);
}

}  // namespace
}  // namespace xtr::test
