// Backups and the check after a write, with the real programs: a read keeps
// the image it brought (and still succeeds when no backup can be kept), a
// write keeps the radio's contents first and reads back what it wrote, and
// a radio that stores a byte wrong fails the write with its own status and
// the setting that came back otherwise.
#include "ctl_process.h"

#include "platform/scoped_env.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <string>

namespace xtr::test {
namespace {

class CtlBackupVerify : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (ProgramDirectory().empty()) {
            GTEST_SKIP() << "xtr450ctl and xtr450-radiosim are not built";
        }
    }
    std::string Dir() const { return dir.Path().string(); }
    CtlRun Ctl(const std::vector<std::string>& args) { return RunCtl(args, Dir()); }
    std::string DemoRadio(const std::string& name)
    {
        return dir.Write(name, ReadWholeFile(std::string(XTR_SOURCE_DATA_DIR) + "/demo-mpt.kcl"));
    }
    // The lines of 'backups' (one per backup).
    int BackupCount(const std::vector<std::string>& args = {})
    {
        std::vector<std::string> words = {"backups"};
        words.insert(words.end(), args.begin(), args.end());
        const CtlRun run = Ctl(words);
        EXPECT_EQ(run.status, 0) << run.err;
        int lines = 0;
        for (char c : run.out) {
            lines += c == '\n';
        }
        return lines;
    }

    TempDir dir;
};

TEST_F(CtlBackupVerify, ReadKeepsABackupAndStillSucceedsWhenItCannot)
{
    const std::string image = DemoRadio("radio.kcl");
    const std::string out = dir.File("read.kcl");
    {
        ScopedEnv folder("XTR450_BACKUP_DIR", dir.File("backups"));
        RadioSim radio({"--no-wire-time", "--image", image, "--esn", "1A2B3C4D"}, Dir());
        ASSERT_FALSE(radio.Path().empty());
        const CtlRun read = Ctl({"read", "--port", radio.Path(), "-o", out});
        ASSERT_EQ(read.status, 0) << read.err;
        EXPECT_EQ(BackupCount(), 1);
        EXPECT_EQ(BackupCount({"--esn", "026/02/736333"}), 1);
        EXPECT_EQ(BackupCount({"--esn", "999/99/999999"}), 0);
        EXPECT_EQ(BackupCount({"--port", radio.Path()}), 1);
        // The backup is a clone file of what the radio holds.
        const CtlRun listed = Ctl({"backups"});
        const std::string path = listed.out.substr(listed.out.rfind("  ") + 2, std::string::npos);
        const CtlRun same = Ctl({"diff", image, path.substr(0, path.size() - 1)});
        EXPECT_EQ(same.status, 0) << same.out << same.err;
    }
    {
        // A folder below a plain file can never be made.
        const std::string blocker = dir.Write("blocker", "a file, not a folder\n");
        ScopedEnv folder("XTR450_BACKUP_DIR", blocker + "/backups");
        RadioSim radio({"--no-wire-time", "--image", image}, Dir());
        const std::string second = dir.File("second.kcl");
        const CtlRun read = Ctl({"read", "--port", radio.Path(), "-o", second});
        EXPECT_EQ(read.status, 0) << read.err;
        EXPECT_NE(read.err.find("The read succeeded, but no backup could be kept in " + blocker + "/backups."),
                  std::string::npos)
            << read.err;
        EXPECT_EQ(ReadWholeFile(second), ReadWholeFile(out));

        // A write does not go ahead without its backup.
        const CtlRun write = Ctl({"write", "--port", radio.Path(), image});
        EXPECT_EQ(write.status, 1) << write.err;
        EXPECT_NE(write.err.find("Nothing was written to the radio"), std::string::npos) << write.err;
        EXPECT_EQ(Ctl({"write", "--no-backup", "--port", radio.Path(), image}).status, 0);
    }
}

TEST_F(CtlBackupVerify, WriteKeepsTheRadioContentsFirstAndChecksWhatItWrote)
{
    ScopedEnv folder("XTR450_BACKUP_DIR", dir.File("backups"));
    const std::string before = DemoRadio("before.kcl");
    ASSERT_EQ(Ctl({"set", before, "CL_Comm_TOTTimer=30"}).status, 0);
    const std::string file = DemoRadio("file.kcl");
    const std::string saved = dir.File("saved.kcl");
    RadioSim radio({"--no-wire-time", "--image", before, "--save", saved}, Dir());
    const CtlRun write = Ctl({"write", "--port", radio.Path(), file});
    ASSERT_EQ(write.status, 0) << write.err;
    EXPECT_NE(write.err.find("The written data has been read back and matches."), std::string::npos) << write.err;
    radio.Stop();
    EXPECT_EQ(Ctl({"diff", saved, file}).status, 0);

    const CtlRun listed = Ctl({"backups"});
    ASSERT_EQ(BackupCount(), 1);
    const std::string path = listed.out.substr(listed.out.rfind("  ") + 2);
    const CtlRun kept = Ctl({"diff", before, path.substr(0, path.size() - 1)});
    EXPECT_EQ(kept.status, 0) << kept.out << kept.err;
}

TEST_F(CtlBackupVerify, ARadioThatStoresAByteWrongFailsTheWriteBySetting)
{
    ScopedEnv folder("XTR450_BACKUP_DIR", dir.File("backups"));
    const std::string file = DemoRadio("file.kcl");
    // 0x0188 is the first character of the first clone comment.
    RadioSim radio({"--no-wire-time", "--image", file, "--corrupt", "0x0188"}, Dir());
    const CtlRun write = Ctl({"write", "--port", radio.Path(), file});
    EXPECT_EQ(write.status, 4) << write.err;
    EXPECT_NE(write.out.find("(CL_Comm_CloneComment1): 'Demonstration' -> ' emonstration'\n"),
              std::string::npos)
        << write.out;
    EXPECT_NE(write.err.find("The radio does not hold what was written: 1 setting(s) differ"), std::string::npos)
        << write.err;

    const CtlRun unchecked = Ctl({"write", "--no-verify", "--no-backup", "--port", radio.Path(), file});
    EXPECT_EQ(unchecked.status, 0) << unchecked.err;
    EXPECT_EQ(unchecked.out, "");
}

TEST_F(CtlBackupVerify, DiffComparesAFileWithTheRadio)
{
    ScopedEnv folder("XTR450_BACKUP_DIR", dir.File("backups"));
    const std::string file = DemoRadio("file.kcl");
    RadioSim radio({"--no-wire-time", "--image", file}, Dir());
    const CtlRun same = Ctl({"diff", file, "--port", radio.Path()});
    EXPECT_EQ(same.status, 0) << same.out << same.err;
    EXPECT_EQ(same.out, "");

    ASSERT_EQ(Ctl({"set", file, "CL_Comm_TOTTimer=30"}).status, 0);
    const CtlRun differ = Ctl({"diff", file, "--port", radio.Path()});
    EXPECT_EQ(differ.status, 1) << differ.err;
    EXPECT_EQ(differ.out, "Common settings / Time-out timer (CL_Comm_TOTTimer): '30' -> '60'\n");
    radio.Kill();
    EXPECT_EQ(Ctl({"diff", file, "--port", radio.Path()}).status, 12);
}

TEST_F(CtlBackupVerify, AnImageReadFromTheRadioRoundTripsThroughTheTextExport)
{
    ScopedEnv folder("XTR450_BACKUP_DIR", dir.File("backups"));
    const std::string image = DemoRadio("radio.kcl");
    ASSERT_EQ(Ctl({"set", image, "CL_Comm_TOTTimer=30", "CL_Comm_CloneComment1=Depot 4",
                   "CT_Conv.CL_PersConv_FreqRx[2]=450.0125"})
                  .status,
              0);
    const std::string read = dir.File("read.kcl");
    {
        RadioSim radio({"--no-wire-time", "--image", image}, Dir());
        ASSERT_EQ(Ctl({"read", "--port", radio.Path(), "-o", read}).status, 0);
    }
    const std::string text = dir.File("read.txt");
    ASSERT_EQ(Ctl({"export", read, "-o", text}).status, 0);
    const std::string copy = dir.Write("copy.kcl", ReadWholeFile(read));
    const CtlRun imported = Ctl({"import", copy, text});
    ASSERT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(ReadWholeFile(copy), ReadWholeFile(read));
}

}  // namespace
}  // namespace xtr::test
