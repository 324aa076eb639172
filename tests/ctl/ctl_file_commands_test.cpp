// xtr450ctl's file commands on copies of the demonstration clone files: pages as
// text, cells read and changed as the grid would change them, refused
// texts that leave the file alone, unknown names as usage errors, and the
// check's exit status.
#include "ctl_process.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <sstream>

namespace xtr::test {
namespace {

// The hunt list's count byte (0 leaves the radio without a hunt channel)
// and its first row.
constexpr int kHuntCount = 0x0D86;
constexpr int kHuntRows = 0x0D87;

std::string DemoCopy(const TempDir& dir, const std::string& name = "radio.kcl")
{
    return dir.Write(name, ReadWholeFile(std::string(XTR_SOURCE_DATA_DIR) + "/demo-mpt.kcl"));
}

// Sets one byte of a clone file's records.
void PatchByte(const TempDir& dir, const std::string& path, int address, int value)
{
    std::istringstream in(ReadWholeFile(path));
    std::string out;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line[0] != '#' && line.size() > 6 && line.size() != 8) {
            const int start = std::stoi(line.substr(0, 4), nullptr, 16);
            const int count = std::stoi(line.substr(4, 2), nullptr, 16);
            if (address >= start && address < start + count) {
                char hex[3];
                std::snprintf(hex, sizeof hex, "%02X", value & 0xFF);
                line.replace(6 + 2 * (address - start), 2, hex);
            }
        }
        out += line + "\n";
    }
    dir.Write(std::filesystem::path(path).filename().string(), out);
}

// One byte of a clone file's records (-1 when no record holds it).
int ByteOf(const std::string& path, int address)
{
    std::istringstream in(ReadWholeFile(path));
    std::string line;
    std::getline(in, line);  // family line
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#' || line.size() < 6) {
            continue;
        }
        const int start = std::stoi(line.substr(0, 4), nullptr, 16);
        const int count = std::stoi(line.substr(4, 2), nullptr, 16);
        if (address >= start && address < start + count) {
            return std::stoi(line.substr(6 + 2 * (address - start), 2), nullptr, 16);
        }
    }
    return -1;
}

std::string FirstLine(const std::string& text) { return text.substr(0, text.find('\n')); }

class CtlFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (ProgramDirectory().empty()) {
            GTEST_SKIP() << "xtr450ctl is not built";
        }
    }
    CtlRun Ctl(const std::vector<std::string>& args) { return RunCtl(args, dir.Path().string()); }
    TempDir dir;
};

TEST_F(CtlFiles, SheetsListsPagesAndShowPrintsOne)
{
    const CtlRun sheets = Ctl({"sheets"});
    ASSERT_EQ(sheets.status, 0) << sheets.err;
    EXPECT_NE(sheets.out.find("[St_Common]GI_Sheet_Hunt"), std::string::npos) << sheets.out;

    const std::string file = DemoCopy(dir);
    const CtlRun show = Ctl({"show", file, "GI_Sheet_Hunt"});
    ASSERT_EQ(show.status, 0) << show.err;
    EXPECT_EQ(show.out.rfind("== ", 0), 0u) << show.out;
    EXPECT_GT(std::count(show.out.begin(), show.out.end(), '\n'), 10) << show.out;
    EXPECT_EQ(show.out.find("*Yet*"), std::string::npos);

    const CtlRun unknown = Ctl({"show", file, "GI_Sheet_Nowhere"});
    EXPECT_EQ(unknown.status, 2);
}

TEST_F(CtlFiles, SetThenGetRoundTripsTypedTextAndListItems)
{
    const std::string file = DemoCopy(dir);
    // A list cell takes an item by its value, and by its caption in any
    // letter case.
    CtlRun set = Ctl({"set", file, "CL_Set_Scrambler=#0"});
    ASSERT_EQ(set.status, 0) << set.err;
    const std::string off = FirstLine(Ctl({"get", file, "CL_Set_Scrambler"}).out);
    set = Ctl({"set", file, "CL_Set_Scrambler=#1"});
    ASSERT_EQ(set.status, 0) << set.err;
    const std::string one = FirstLine(Ctl({"get", file, "CL_Set_Scrambler"}).out);
    EXPECT_NE(off, one);
    std::string lower = off;
    for (char& c : lower) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    set = Ctl({"set", file, "CL_Set_Scrambler= " + lower + " "});
    ASSERT_EQ(set.status, 0) << set.err;
    EXPECT_EQ(FirstLine(Ctl({"get", file, "CL_Set_Scrambler"}).out), off);

    // Rows of a list: the factory's hunt list holds the channels 1, 2, 101
    // and 102 (count byte 4, rows of three bytes from 0x0D87); the first
    // free row shows nothing.
    ASSERT_EQ(ByteOf(file, kHuntCount), 4);
    CtlRun get = Ctl({"get", file, "CT_HuntCh.CL_HuntNCh[0]", "CT_HuntCh.CL_HuntNCh[3]", "CT_HuntCh.CL_HuntNCh[4]"});
    ASSERT_EQ(get.status, 0) << get.err;
    EXPECT_EQ(get.out, "1\n102\n\n");
    set = Ctl({"set", file, "CT_HuntCh.CL_HuntNCh[1]=777"});
    ASSERT_EQ(set.status, 0) << set.err;
    EXPECT_EQ(ByteOf(file, kHuntRows + 3), 0x03);
    EXPECT_EQ(ByteOf(file, kHuntRows + 4), 0x09);
    EXPECT_EQ(ByteOf(file, kHuntCount), 4);
    get = Ctl({"get", file, "CT_HuntCh.CL_HuntNCh[1]"});
    EXPECT_EQ(get.out, "777\n");
}

TEST_F(CtlFiles, RefusedTextsAndUnknownNamesLeaveTheFileAlone)
{
    const std::string file = DemoCopy(dir);
    const std::string before = ReadWholeFile(file);

    CtlRun set = Ctl({"set", file, "CL_Set_Scrambler=#1", "CL_Comm_TOTTimer=soon"});
    EXPECT_EQ(set.status, 1);
    EXPECT_NE(set.err.find("CL_Comm_TOTTimer"), std::string::npos) << set.err;
    EXPECT_EQ(ReadWholeFile(file), before);

    set = Ctl({"set", file, "CL_Set_Scrambler=no such item"});
    EXPECT_EQ(set.status, 1);
    EXPECT_EQ(ReadWholeFile(file), before);

    for (const std::string& name : {"CL_No_Such_Cell", "CT_Nothing.CL_HuntNCh[0]", "CT_HuntCh.CL_HuntNCh[40]",
                                    "CT_HuntCh.CL_HuntNCh[x]", "CL_Comm_TOTTimer[3]"}) {
        const CtlRun bad = Ctl({"set", file, name + "=1"});
        EXPECT_EQ(bad.status, 2) << name;
        EXPECT_EQ(bad.err.find("Abnormal program termination"), std::string::npos) << name;
        EXPECT_EQ(Ctl({"get", file, name}).status, 2) << name;
    }
    EXPECT_EQ(ReadWholeFile(file), before);

    EXPECT_EQ(Ctl({"get", dir.File("missing.kcl"), "CL_Comm_TOTTimer"}).status, 31);
}

// A value the cell already holds is taken like any other: the entry is
// refused only when the cell does not take the text.
TEST_F(CtlFiles, SetTakesAValueTheCellAlreadyHolds)
{
    const std::string file = DemoCopy(dir);
    for (int round = 0; round < 2; ++round) {
        const CtlRun set = Ctl({"set", file, "CL_Comm_TOTTimer=300", "CL_NetId_FallBack_Ch=0", "CL_Comm_TalkATimer=0",
                                "CL_Set_Scrambler=#1"});
        EXPECT_EQ(set.status, 0) << "round " << round << ": " << set.err;
    }
    const std::string after = ReadWholeFile(file);
    // Still refused: a text without a number, an item the list lacks.
    EXPECT_EQ(Ctl({"set", file, "CL_Comm_TOTTimer=soon"}).status, 1);
    EXPECT_EQ(Ctl({"set", file, "CL_Set_Scrambler=#77"}).status, 1);
    EXPECT_EQ(ReadWholeFile(file), after);
}

// The key assignments and the scrambler choices are one cell per key or
// scrambler row, reached by index; the choice shows the overlay's text
// right after the number.
TEST_F(CtlFiles, IndexedCellsOutsideTheListsAreReachable)
{
    const std::string file = DemoCopy(dir);
    const CtlRun keys = Ctl({"get", file, "CL_Key_Trunk[11]", "CL_Key_Conve[5]"});
    EXPECT_EQ(keys.status, 0) << keys.err;
    const CtlRun set = Ctl({"set", file, "CT_Scrm.CL_Scrm_Code[2]=0"});
    ASSERT_EQ(set.status, 0) << set.err;
    const CtlRun choice = Ctl({"get", file, "CL_ScrmSel[2]", "CL_ScrmSel[4]"});
    ASSERT_EQ(choice.status, 0) << choice.err;
    EXPECT_EQ(choice.out, "Code=0 (off)\nCode=5\n");
    for (const std::string& name : {"CL_Key_Trunk[12]", "CL_ScrmSel[5]"}) {
        EXPECT_EQ(Ctl({"get", file, name}).status, 2) << name;
    }
}

TEST_F(CtlFiles, CheckExitsWithOneWhenSettingsHoldErrors)
{
    const std::string file = DemoCopy(dir);
    // The demonstration radio's settings hold no problem at all.
    CtlRun check = Ctl({"check", file});
    EXPECT_EQ(check.status, 0) << check.out << check.err;
    EXPECT_EQ(check.out, "0 errors, 0 warnings\n");

    PatchByte(dir, file, kHuntCount, 0);
    check = Ctl({"check", file});
    EXPECT_EQ(check.status, 1) << check.out << check.err;
    EXPECT_NE(check.out.find("GI_Sheet_Hunt"), std::string::npos) << check.out;
    EXPECT_EQ(check.out.rfind("error", 0), 0u) << check.out;
    const std::string flagged = FirstLine(Ctl({"get", "--flags", file, "CT_HuntCh.CL_HuntNCh[0]"}).out);
    ASSERT_GE(flagged.size(), 2u);
    EXPECT_EQ(flagged.substr(flagged.size() - 2), " !") << flagged;
}

}  // namespace
}  // namespace xtr::test
