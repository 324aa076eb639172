// xtr450ctl against the simulated radio over a pseudo-terminal, as a user
// runs them: what info prints, a read and a write that round-trip the
// radio's memory, the exit status of each kind of failure, the progress
// output, and a radio that vanishes in the middle of a transfer.
#include "ctl_process.h"

#include "platform/scoped_env.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <sstream>

namespace xtr::test {
namespace {

// The bytes a clone file holds, by address.
std::map<int, int> CloneFileBytes(const std::string& path)
{
    std::map<int, int> bytes;
    std::istringstream in(ReadWholeFile(path));
    std::string line;
    std::getline(in, line);  // family line
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        const int address = std::stoi(line.substr(0, 4), nullptr, 16);
        const int count = std::stoi(line.substr(4, 2), nullptr, 16);
        for (int i = 0; i < count; ++i) {
            bytes[address + i] = std::stoi(line.substr(6 + 2 * i, 2), nullptr, 16);
        }
    }
    return bytes;
}

// A clone file of the whole clone area whose bytes come from fill(address).
template <typename Fill>
std::string MakeCloneFile(const TempDir& dir, const std::string& name, Fill fill)
{
    std::string text = "25270000\n#Comment=\n#MapRev=2\n";
    char record[8];
    for (int a = 0; a < 0x2000; a += 16) {
        std::snprintf(record, sizeof record, "%04X10", a);
        text += record;
        for (int i = 0; i < 16; ++i) {
            std::snprintf(record, sizeof record, "%02X", fill(a + i) & 0xFF);
            text += record;
        }
        text += "\n";
    }
    return dir.Write(name, text);
}

// Bytes of an image of this family: the maker's marks, a pattern elsewhere.
int FamilyByte(int a, int seed)
{
    static const char kMaker[] = "Nalu Inc";
    if (a == 0) return 0x25;
    if (a == 1) return 0x26;
    if (a == 2) return 0x01;
    if (a >= 0x100 && a < 0x108) return kMaker[a - 0x100];
    if (a == 0x108) return 0x02;
    return (a * 7 + seed) & 0xFF;
}

// The shipped demonstration image of the Mpt numbering: settings that the
// consistency checks accept and that image preparation leaves as they are,
// so what is written and read back can be compared byte for byte.
int FactoryByte(int a)
{
    static const std::map<int, int> bytes = [] {
        const char* dir = std::getenv("XTR450_DATA_DIR");
        return CloneFileBytes(std::string(dir != nullptr ? dir : ".") + "/demo-mpt.kcl");
    }();
    const auto it = bytes.find(a);
    return it != bytes.end() ? it->second : 0xFF;
}

// The factory image with a clone comment of its own, so that a transfer
// that sent the program's reference image instead would show.
int CommentedFactoryByte(int a)
{
    static const char kComment[] = "Round trip test ";
    return a >= 0x188 && a < 0x198 ? kComment[a - 0x188] : FactoryByte(a);
}

class CtlEndToEnd : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (ProgramDirectory().empty()) {
            GTEST_SKIP() << "xtr450ctl and xtr450-radiosim are not built";
        }
        // Backups of these runs stay in the test's folder.
        backups_ = std::make_unique<ScopedEnv>("XTR450_BACKUP_DIR", dir.File("backups"));
    }
    std::string Dir() const { return dir.Path().string(); }

    TempDir dir;
    std::unique_ptr<ScopedEnv> backups_;
};

TEST_F(CtlEndToEnd, InfoPrintsWhatTheRadioSays)
{
    RadioSim radio({"--no-wire-time", "--comment1", "FLEET 7", "--comment2", "DEPOT", "--revision", "0x12", "--option",
                    "0x30", "--over-voltage", "--esn", "1A2B3C4D"},
                   Dir());
    ASSERT_FALSE(radio.Path().empty());
    const CtlRun run = RunCtl({"info", "--port", radio.Path()}, Dir());
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "Model: 2527\n"
              "Revision: 1.2\n"
              "Comment 1: FLEET 7\n"
              "Comment 2: DEPOT\n"
              "Option unit: QD-302 option unit\n"
              "Over-voltage: Over-voltage has been detected\n"
              "Serial number: 026/02/736333\n");
    EXPECT_EQ(run.err, "");
}

TEST_F(CtlEndToEnd, ReadAndWriteRoundTripTheRadioMemory)
{
    const std::string source = MakeCloneFile(dir, "source.kcl", CommentedFactoryByte);
    const std::string target = MakeCloneFile(dir, "target.kcl", [](int a) { return FamilyByte(a, 90); });
    const std::string saved = dir.File("saved.kcl");
    const std::string read = dir.File("read.kcl");

    {
        RadioSim radio({"--no-wire-time", "--image", source}, Dir());
        const CtlRun run = RunCtl({"read", "--high-speed", "-o", read, "--port", radio.Path()}, Dir());
        ASSERT_EQ(run.status, 0) << run.err;
    }
    EXPECT_EQ(CloneFileBytes(read), CloneFileBytes(source));

    {
        RadioSim radio({"--no-wire-time", "--image", target, "--save", saved}, Dir());
        const CtlRun run = RunCtl({"write", read, "--port", radio.Path()}, Dir());
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_NE(run.err.find("The data has been written to the radio."), std::string::npos) << run.err;
        radio.Stop();
    }
    // The maker's area stays as the radio had it; the rest is the file's.
    const auto written = CloneFileBytes(saved);
    const auto before = CloneFileBytes(target);
    const auto file = CloneFileBytes(read);
    ASSERT_EQ(written.size(), 0x2000u);
    for (int a = 0; a < 0x2000; ++a) {
        ASSERT_EQ(written.at(a), a < 0x100 ? before.at(a) : file.at(a)) << a;
    }

    {
        RadioSim radio({"--no-wire-time", "--image", target, "--save", saved}, Dir());
        const CtlRun run = RunCtl({"write", "--maker", "--quiet", "--port", radio.Path(), read}, Dir());
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, "");
        radio.Stop();
    }
    EXPECT_EQ(CloneFileBytes(saved), file);
}

TEST_F(CtlEndToEnd, EachFailureHasItsExitStatus)
{
    const std::string good = MakeCloneFile(dir, "good.kcl", CommentedFactoryByte);
    const std::string foreign = MakeCloneFile(dir, "foreign.kcl", [](int a) { return a == 0x108 ? 3 : FactoryByte(a); });
    // Settings that the consistency checks reject: no block frequency.
    const std::string faulty = MakeCloneFile(dir, "faulty.kcl", [](int a) { return a >= 0x043C && a < 0x043E ? 0 : FactoryByte(a); });
    const std::string damaged = dir.Write("damaged.kcl", "25270000\n#MapRev=2\n00001G\n");
    struct Case {
        const char* name;
        std::vector<std::string> sim;
        std::vector<std::string> ctl;  // the port is appended
        int status;
    };
    const Case cases[] = {
        {"silent radio", {"--silent"}, {"info"}, 15},
        {"other model", {"--model-code", "0x2530"}, {"info"}, 21},
        {"short identity", {"--payload-length", "51"}, {"read", "-o", dir.File("x.kcl")}, 21},
        {"not cloneable", {"--byte35", "3"}, {"write", good}, 24},
        {"bad checksum", {"--bad-checksum", "3"}, {"read", "-o", dir.File("x.kcl")}, 16},
        {"missing block", {"--missing", "9"}, {"read", "-o", dir.File("x.kcl")}, 18},
        {"foreign image read", {"--image", foreign}, {"read", "-o", dir.File("x.kcl")}, 25},
        {"refused write", {"--nak", "1"}, {"write", good}, 20},
        {"file missing", {}, {"write", dir.File("none.kcl")}, 31},
        {"file damaged", {}, {"write", damaged}, 36},
        {"file foreign", {}, {"write", foreign}, 38},
        {"settings with errors", {}, {"write", faulty}, 1},
        {"usage", {}, {"read"}, 2},
        {"unknown option", {}, {"info", "--fast"}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> simArgs = c.sim;
        simArgs.push_back("--no-wire-time");
        RadioSim radio(simArgs, Dir());
        std::vector<std::string> args = c.ctl;
        args.push_back("--port");
        args.push_back(radio.Path());
        const CtlRun run = RunCtl(args, Dir());
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_FALSE(run.err.empty());
    }
    EXPECT_FALSE(std::filesystem::exists(dir.File("x.kcl")));

    // --force sends them all the same, and says so.
    {
        RadioSim radio({"--no-wire-time"}, Dir());
        const CtlRun forced = RunCtl({"write", "--force", faulty, "--port", radio.Path()}, Dir());
        EXPECT_EQ(forced.status, 0) << forced.err;
        EXPECT_NE(forced.err.find("--force"), std::string::npos) << forced.err;
    }

    const CtlRun noPort = RunCtl({"info", "--port", dir.File("no-such-port")}, Dir());
    EXPECT_EQ(noPort.status, 12);
    // The message names the port as given, never the numbered port the
    // settings hold.
    EXPECT_NE(noPort.err.find("port " + dir.File("no-such-port") + " cannot"), std::string::npos) << noPort.err;
    EXPECT_EQ(noPort.err.find("COM1"), std::string::npos) << noPort.err;
}

// Out of the box the simulated radio holds the demonstration settings: a
// read gives them back as they ship, and they can be written straight back.
TEST_F(CtlEndToEnd, SimulatedRadioHoldsTheDemonstrationSettings)
{
    const char* data = std::getenv("XTR450_DATA_DIR");
    const std::string dataDir = data != nullptr ? data : ".";
    for (const std::string variant : {"mpt", "cps"}) {
        SCOPED_TRACE(variant);
        RadioSim radio({"--no-wire-time", "--variant", variant}, Dir());
        ASSERT_FALSE(radio.Path().empty());
        const std::string got = dir.File("demo-" + variant + ".kcl");
        const CtlRun read = RunCtl({"read", "--variant", variant, "--port", radio.Path(), "-o", got}, Dir());
        ASSERT_EQ(read.status, 0) << read.err;
        EXPECT_EQ(CloneFileBytes(got), CloneFileBytes(dataDir + "/demo-" + variant + ".kcl"));
        const CtlRun write = RunCtl({"write", "--variant", variant, "--port", radio.Path(), got}, Dir());
        EXPECT_EQ(write.status, 0) << write.err;
    }
}

TEST_F(CtlEndToEnd, ProgressOnlyWhenAskedForOffATerminal)
{
    RadioSim radio({"--no-wire-time"}, Dir());
    const CtlRun plain = RunCtl({"read", "--port", radio.Path(), "-o", dir.File("a.kcl")}, Dir());
    EXPECT_EQ(plain.status, 0);
    EXPECT_EQ(plain.err, "");
    const CtlRun verbose = RunCtl({"read", "--verbose", "--port", radio.Path(), "-o", dir.File("b.kcl")}, Dir());
    EXPECT_EQ(verbose.status, 0);
    EXPECT_NE(verbose.err.find("Reading: 0%\n"), std::string::npos) << verbose.err;
    EXPECT_NE(verbose.err.find("Reading: 50%\n"), std::string::npos);
    EXPECT_NE(verbose.err.find("Reading: 100%\n"), std::string::npos);
    EXPECT_EQ(verbose.out, "");
}

TEST_F(CtlEndToEnd, RadioVanishingMidTransferLeavesEverythingAlone)
{
    const std::string out = dir.Write("kept.kcl", "what was there before\n");
    const std::string image = MakeCloneFile(dir, "image.kcl", CommentedFactoryByte);
    for (const bool writing : {false, true}) {
        SCOPED_TRACE(writing ? "write" : "read");
        RadioSim radio({}, Dir());  // wire time on: a transfer takes seconds
        ASSERT_FALSE(radio.Path().empty());
        const pid_t ctl = writing ? StartCtl({"write", "--verbose", "--port", radio.Path(), image}, Dir())
                                  : StartCtl({"read", "--verbose", "--port", radio.Path(), "-o", out}, Dir());
        // Pulled once a tenth of the data has gone across.
        const bool underway = WaitForCtlError(ctl, Dir(), writing ? "Writing: 10%" : "Reading: 10%");
        radio.Kill();
        const CtlRun run = WaitCtl(ctl, Dir());
        ASSERT_TRUE(underway) << run.err;
        EXPECT_EQ(run.status, 15) << run.err;  // no answer in time
        EXPECT_NE(run.err.find("The radio did not answer in time."), std::string::npos) << run.err;
        if (!writing) {
            // (A write goes on sending into the dead line, as it would on a
            // real cable, and times out waiting for the acknowledgement.)
            EXPECT_EQ(run.err.find("Reading: 100%"), std::string::npos) << run.err;
        }
        EXPECT_EQ(ReadWholeFile(out), "what was there before\n");
    }
}

}  // namespace
}  // namespace xtr::test
