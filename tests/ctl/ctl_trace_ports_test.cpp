// Transfer traces and the port list with the real programs: a trace of a
// read shows the bytes both ways, the decoded frames, the speed changes and
// the result; a trace of a read the radio never answers shows where it
// stopped; every port the list names is a port --port takes.
#include "ctl_process.h"

#include "platform/scoped_env.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <sstream>

namespace xtr::test {
namespace {

class CtlTracePorts : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (ProgramDirectory().empty()) {
            GTEST_SKIP() << "xtr450ctl and xtr450-radiosim are not built";
        }
    }
    std::string Dir() const { return dir.Path().string(); }
    CtlRun Ctl(const std::vector<std::string>& args) { return RunCtl(args, Dir()); }
    TempDir dir;
    ScopedEnv backups{"XTR450_BACKUP_DIR", dir.File("backups")};
};

bool Has(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

TEST_F(CtlTracePorts, TraceOfAReadShowsBytesFramesSpeedsAndResult)
{
    const std::string image = dir.Write("radio.kcl", ReadWholeFile(std::string(XTR_SOURCE_DATA_DIR) + "/XTR450MPT.kcl"));
    RadioSim radio({"--no-wire-time", "--image", image}, Dir());
    const std::string trace = dir.File("read.trace");
    const CtlRun read = Ctl({"read", "--high-speed", "--trace", trace, "--port", radio.Path(), "-o", dir.File("o.kcl")});
    ASSERT_EQ(read.status, 0) << read.err;
    const std::string text = ReadWholeFile(trace);
    EXPECT_TRUE(Has(text, "open " + radio.Path())) << text.substr(0, 400);
    EXPECT_TRUE(Has(text, "speed 9600,N,8,1"));
    EXPECT_TRUE(Has(text, "speed 38400,N,8,1"));
    EXPECT_TRUE(Has(text, "FE FE EE EF E0 25 27 00 00 FD\n"));
    EXPECT_TRUE(Has(text, "-> frame E0 identify request"));
    EXPECT_TRUE(Has(text, "<- frame E1 identity"));
    EXPECT_TRUE(Has(text, "<- frame E4 data (to EF from EE, 40-byte body): 0x1FF0, 16 bytes"));
    EXPECT_TRUE(Has(text, "<- frame E5 end"));
    // The chain of identify and read ends with one result, after the port
    // has been closed.
    std::istringstream lines(text);
    std::string line;
    int results = 0;
    std::string last;
    while (std::getline(lines, line)) {
        // "<seconds>.<milliseconds> <text>"
        ASSERT_GT(line.size(), 12u) << line;
        EXPECT_EQ(line[7], '.') << line;
        results += Has(line, " result 0 (success)");
        last = line;
    }
    EXPECT_EQ(results, 1);
    EXPECT_TRUE(Has(last, " result 0 (success)")) << last;
    EXPECT_TRUE(Has(text, " close\n"));
}

TEST_F(CtlTracePorts, TraceOfARadioThatNeverAnswersShowsWhereItStopped)
{
    RadioSim radio({"--no-wire-time", "--silent"}, Dir());
    const std::string trace = dir.File("read.trace");
    const CtlRun read = Ctl({"read", "--trace", trace, "--port", radio.Path(), "-o", dir.File("never.kcl")});
    EXPECT_EQ(read.status, 15) << read.err;
    const std::string text = ReadWholeFile(trace);
    EXPECT_TRUE(Has(text, "-> frame E0 identify request")) << text;
    EXPECT_FALSE(Has(text, "<- ")) << text;
    EXPECT_TRUE(Has(text, "result 5 (")) << text;

    const CtlRun unwritable = Ctl({"info", "--trace", dir.File("no/such/folder/t"), "--port", radio.Path()});
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_TRUE(Has(unwritable.err, "The trace file " + dir.File("no/such/folder/t") + " cannot be written."))
        << unwritable.err;
}

TEST_F(CtlTracePorts, EveryListedPortIsAPortTheTransferCommandsTake)
{
    const CtlRun ports = Ctl({"ports"});
    ASSERT_EQ(ports.status, 0) << ports.err;
    std::istringstream lines(ports.out);
    std::string line;
    while (std::getline(lines, line)) {
        const std::string device = line.substr(0, line.find("  "));
        // Whether or not a radio answers there, the port is not a usage error.
        const CtlRun info = Ctl({"info", "--quiet", "--port", device});
        EXPECT_NE(info.status, 2) << device << ": " << info.err;
    }
    if (ports.out.empty()) {
        EXPECT_TRUE(Has(ports.err, "No serial ports were found.")) << ports.err;
    }
}

}  // namespace
}  // namespace xtr::test
