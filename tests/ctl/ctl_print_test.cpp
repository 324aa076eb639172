// xtr450ctl print: clone files to PDF without a display.
#include "ctl_process.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace xtr::test {
namespace {

std::string ReadAll(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class CtlPrint : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (ProgramDirectory().empty()) {
            GTEST_SKIP() << "xtr450ctl is not built";
        }
        // Built without Qt the tool has no print command.
        const CtlRun probe = RunCtl({"print", "--help"}, dir.Path().string());
        if (probe.err.find("unknown command") != std::string::npos) {
            GTEST_SKIP() << "xtr450ctl is built without printing";
        }
    }

    TempDir dir;
};

TEST_F(CtlPrint, AllPagesAndOnePageOfADemonstrationFile)
{
    const std::string file = std::string(XTR_SOURCE_DATA_DIR) + "/demo-mpt.kcl";
    const auto all = dir.Path() / "all.pdf";
    const CtlRun run = RunCtl({"print", file, "-o", all.string()}, dir.Path().string());
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadAll(all).rfind("%PDF", 0), 0U);
    const int pages = std::stoi(run.out);
    EXPECT_GT(pages, 20);

    const auto one = dir.Path() / "one.pdf";
    const CtlRun single = RunCtl({"print", file, "-o", one.string(), "--sheet", "Common settings"}, dir.Path().string());
    ASSERT_EQ(single.status, 0) << single.err;
    EXPECT_EQ(single.out.rfind("1 page ", 0), 0U) << single.out;
    EXPECT_LT(std::filesystem::file_size(one), std::filesystem::file_size(all));
}

TEST_F(CtlPrint, FailuresLeaveAnEarlierPdfAsItWas)
{
    const auto out = dir.Path() / "out.pdf";
    {
        std::ofstream(out) << "earlier";
    }
    const std::string file = std::string(XTR_SOURCE_DATA_DIR) + "/demo-mpt.kcl";
    const CtlRun unknown = RunCtl({"print", file, "-o", out.string(), "--sheet", "no such page"}, dir.Path().string());
    EXPECT_EQ(unknown.status, 2);
    const auto broken = dir.Path() / "broken.kcl";
    {
        std::ofstream(broken) << "not a clone file";
    }
    const CtlRun bad = RunCtl({"print", broken.string(), "-o", out.string()}, dir.Path().string());
    EXPECT_GE(bad.status, 30) << bad.err;
    EXPECT_EQ(ReadAll(out), "earlier");

    const CtlRun noFolder =
        RunCtl({"print", file, "-o", (dir.Path() / "missing" / "x.pdf").string()}, dir.Path().string());
    EXPECT_EQ(noFolder.status, 1);
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "missing"));
    const CtlRun noOutput = RunCtl({"print", file}, dir.Path().string());
    EXPECT_EQ(noOutput.status, 2);
}

}  // namespace
}  // namespace xtr::test
