// The desktop program's clone commands with their safety steps, against the
// simulated radio under the manual clock: a read keeps a backup (and still
// succeeds when it cannot), a write keeps the radio's contents first and
// refuses to write without them, the check after a write finds a radio
// that stores a byte wrong, the options turn each step off, and the trace
// records a transfer when it is switched on.
#include "radio_fixture.h"

#include "app/environ.h"
#include "app/main/clone_front.h"
#include "clone/backup_store.h"
#include "clone/clone_info.h"
#include "support/temp_dir.h"

#include <filesystem>

namespace xtr::test {
namespace {

class SafeTransferTest : public RadioAppTest {
protected:
    std::vector<BackupEntry> Backups() { return BackupStore(Env().transfer.backupFolder).List(); }

    // A folder that cannot be made: its parent is a plain file.
    std::string BlockedFolder()
    {
        return dir.Write("blocker", "not a folder") + "/backups";
    }

    bool RadioHoldsDocument()
    {
        for (int32_t a = 0x0100; a <= 0x1FFF; ++a) {
            if (radio.Memory().GetByte(a) != App().CurrentImage().GetByte(a)) {
                return false;
            }
        }
        return true;
    }

    // An overlay message's text before its first "%1".
    static std::string TextBefore(const char* name)
    {
        const std::string text = GTex().FirstLine(name);
        return text.substr(0, text.find("%1"));
    }

    TempDir dir;
};

TEST_F(SafeTransferTest, ReadKeepsABackupAndStillSucceedsWhenItCannot)
{
    StartWithDemo();
    ASSERT_TRUE(App().CloneRead());
    ASSERT_TRUE(Finish());
    ASSERT_EQ(Backups().size(), 1u);
    EXPECT_EQ(Backups().front().esn, BackupStore::FileEsn(CloneInfoEsn(App().Clone().Identity())));

    Env().transfer.backupFolder = BlockedFolder();
    messages.Answer(MsgResult::No);  // the read is not saved
    ASSERT_TRUE(App().FileNew());
    messages.asked.clear();
    ASSERT_TRUE(App().CloneRead());
    ASSERT_TRUE(Finish());
    EXPECT_EQ(App().CurrentImage().GetByte(0x0189), 'W');  // the read went on
    EXPECT_TRUE(App().Modified());
    ASSERT_EQ(messages.asked.size(), 1u);
    EXPECT_NE(messages.asked[0].text.find(Env().transfer.backupFolder), std::string::npos);
    EXPECT_EQ(messages.asked[0].icon, MsgIcon::Warning);
}

TEST_F(SafeTransferTest, WriteKeepsTheRadiosContentsFirstAndChecksAfterwards)
{
    StartWithDemo();
    App().CurrentImage().SetByte(0x0198, 'X');
    App().ImageChanged();
    const uint8_t before = radio.Memory().GetByte(0x0198);
    App().RunCommand(AppCommand::CloneWrite, 0, "");
    ASSERT_TRUE(Finish());
    EXPECT_TRUE(form.enabled);
    EXPECT_TRUE(RadioHoldsDocument());
    EXPECT_EQ(CountShown("GI_Mess_CloneWrite_Succeeded"), 1);
    EXPECT_NE(messages.asked.back().text.find(GTex().FirstLine("GI_Mess_Verify_Ok")), std::string::npos);

    // The backup holds what the radio held before the write.
    const std::vector<BackupEntry> backups = Backups();
    ASSERT_EQ(backups.size(), 1u);
    const std::string document = dir.File("document.kcl");
    ASSERT_TRUE(App().SaveFile(document));
    ASSERT_EQ(OpenImageFile(App(), backups.front().path), 0);
    EXPECT_EQ(App().CurrentImage().GetByte(0x0198), before);
    EXPECT_EQ(App().CurrentImage().GetByte(0x0189), 'W');
}

TEST_F(SafeTransferTest, NothingIsWrittenWhenTheBackupCannotBeKept)
{
    StartWithDemo();
    Env().transfer.backupFolder = BlockedFolder();
    App().CurrentImage().SetByte(0x0198, 'X');
    App().ImageChanged();
    App().RunCommand(AppCommand::CloneWrite, 0, "");
    ASSERT_TRUE(Finish());
    EXPECT_TRUE(form.enabled);
    EXPECT_NE(radio.Memory().GetByte(0x0198), 'X');
    EXPECT_EQ(CountShown("GI_Mess_CloneWrite_Succeeded"), 0);
    EXPECT_EQ(CountShown("GI_Mess_Backup_WriteRefusedWindow"), 1);

    // With backups off the same write goes through.
    Env().transfer.backups = false;
    App().RunCommand(AppCommand::CloneWrite, 0, "");
    ASSERT_TRUE(Finish());
    EXPECT_TRUE(RadioHoldsDocument());
}

TEST_F(SafeTransferTest, ARadioThatStoresAByteWrongFailsTheCheckBySetting)
{
    StartWithDemo();
    radio.Faults().corruptAddress = 0x0198;  // a character of the clone comment
    App().CurrentImage().SetByte(0x0198, 'X');
    App().ImageChanged();
    App().RunCommand(AppCommand::CloneWrite, 0, "");
    ASSERT_TRUE(Finish());
    ASSERT_FALSE(messages.asked.empty());
    const AskedMessage& report = messages.asked.back();
    EXPECT_EQ(report.icon, MsgIcon::Error);
    EXPECT_EQ(report.text.rfind(TextBefore("GI_Mess_Verify_Failed"), 0), 0u) << report.text;
    EXPECT_NE(report.text.find("CL_Comm_CloneComment"), std::string::npos) << report.text;
    EXPECT_EQ(CountShown("GI_Mess_CloneWrite_Succeeded"), 0);

    // Without the check the same radio passes for written.
    Env().transfer.verify = false;
    messages.asked.clear();
    App().RunCommand(AppCommand::CloneWrite, 0, "");
    ASSERT_TRUE(Finish());
    EXPECT_EQ(CountShown("GI_Mess_CloneWrite_Succeeded"), 1);
    EXPECT_EQ(CountShown("GI_Mess_Verify_Failed"), 0);
}

TEST_F(SafeTransferTest, TraceRecordsTransfersOnlyWhileSwitchedOn)
{
    // The desktop program's device: the link's, wrapped by the switch.
    SetSerialDeviceFactory([this] { return App().Traces().Wrap(link.NewDevice()); });
    StartWithDemo();
    const std::string trace = dir.File("trace.txt");
    Env().transfer.trace = true;
    Env().transfer.traceFile = trace;
    ASSERT_TRUE(App().CloneInformation());
    ASSERT_TRUE(Finish());
    const std::string first = ReadWholeFile(trace);
    EXPECT_NE(first.find("E0"), std::string::npos) << first;
    EXPECT_NE(first.find("(success)"), std::string::npos) << first;

    Env().transfer.trace = false;
    ASSERT_TRUE(App().CloneInformation());
    ASSERT_TRUE(Finish());
    EXPECT_EQ(ReadWholeFile(trace), first);

    // A trace file that cannot be written leaves the transfer alone.
    Env().transfer.trace = true;
    Env().transfer.traceFile = BlockedFolder() + "/trace.txt";
    form.cloneInfoWindows = 0;
    ASSERT_TRUE(App().CloneInformation());
    ASSERT_TRUE(Finish());
    EXPECT_EQ(form.cloneInfoWindows, 1);
    EXPECT_EQ(App().Traces().FailedFile(), Env().transfer.traceFile);
}

TEST_F(SafeTransferTest, TraceOfAFailedReadShowsWhereTheRadioStopped)
{
    SetSerialDeviceFactory([this] { return App().Traces().Wrap(link.NewDevice()); });
    StartWithDemo();
    const std::string trace = dir.File("trace.txt");
    Env().transfer.trace = true;
    Env().transfer.traceFile = trace;
    radio.Faults().silent = true;
    ASSERT_TRUE(App().CloneRead());
    ASSERT_TRUE(Finish());
    const std::string text = ReadWholeFile(trace);
    EXPECT_NE(text.find("open"), std::string::npos) << text;
    EXPECT_EQ(text.find("(success)"), std::string::npos) << text;
    EXPECT_NE(text.find("result"), std::string::npos) << text;
}

}  // namespace
}  // namespace xtr::test
