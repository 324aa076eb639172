// The clone commands of the main window against the simulated radio over
// the fake serial link, under the manual clock: read, edit, save, reopen,
// write and compare; the guarded write's questions; the failure paths.
#include "app_fixture.h"

#include "app/globals.h"
#include "app/main/clone_front.h"
#include "app/main/image_file.h"
#include "app/environ.h"
#include "clone/fake_serial_link.h"
#include "clone/sim_radio.h"
#include "image/demo_files.h"
#include "overlay/gtex.h"
#include "platform/executable_path.h"
#include "platform/serial_device.h"
#include "support/temp_dir.h"

namespace xtr::test {
namespace {

class CloneCommandsTest : public AppTest {
protected:
    CloneCommandsTest()
    {
        radio.SetWireTime(false);
        SetSerialDeviceFactory([this] { return link.NewDevice(); });
    }
    ~CloneCommandsTest() override { SetSerialDeviceFactory(nullptr); }

    // The radio holds the demonstration image with a mark of its own; the
    // window starts with its initial image.
    void StartWithRadio()
    {
        StartAttached();
        ASSERT_TRUE(App().OpenFile(DataDirectory() + DemoFileName(Env().modelType)));
        for (int32_t a = 0; a < App().CurrentImage().Size() && a < SimRadio::kMemorySize; ++a) {
            radio.Memory().SetByte(a, App().CurrentImage().GetByte(a));
        }
        SimRadio::ApplyMakerMarks(radio.Memory());
        radio.Memory().SetByte(0x0189, 'W');
            ASSERT_TRUE(App().FileNew());
    }

    // Runs the transfer in progress to its end.
    bool Finish() { return time->AdvanceUntil([this] { return !App().CloneActive(); }, 120000, 10); }

    int CountShown(const std::string& overlayName)
    {
        const std::string text = GTex().AllLines(overlayName);
        int n = 0;
        // A box may add lines after the entry's text (the check after a
        // write says how it went).
        for (const AskedMessage& m : messages.asked) {
            n += m.text.rfind(text, 0) == 0 ? 1 : 0;
        }
        return n;
    }

    SimRadio radio;
    FakeSerialLink link{radio};
    TempDir dir;
};

TEST_F(CloneCommandsTest, ReadEditSaveReopenWriteLeavesTheFileInTheRadio)
{
    StartWithRadio();
    ASSERT_TRUE(App().RunCommand(AppCommand::CloneRead, 0, ""));
    EXPECT_FALSE(form.enabled);  // held for the transfer
    EXPECT_FALSE(App().QueryClose());
    ASSERT_TRUE(Finish());
    EXPECT_TRUE(form.enabled);
    EXPECT_EQ(App().CurrentImage().GetByte(0x0189), 'W');
    EXPECT_TRUE(App().Modified());
    EXPECT_EQ(App().FileName(), "");

    // Two changes, saved and opened again.
    App().CurrentImage().SetByte(0x0198, 'X');
    App().ImageChanged();
    App().CurrentImage().SetByte(0x0199, 'Y');
    App().ImageChanged();
    const std::string path = dir.File("radio.kcl");
    ASSERT_TRUE(App().SaveFile(path));
    messages.asked.clear();
    ASSERT_TRUE(App().RunCommand(AppCommand::FileNew, 0, ""));
    ASSERT_NE(App().CurrentImage().GetByte(0x0198), 'X');
    ASSERT_TRUE(App().OpenFile(path));
    EXPECT_EQ(App().CurrentImage().GetByte(0x0198), 'X');

    App().RunCommand(AppCommand::CloneWrite, 0, "");
    ASSERT_TRUE(Finish());
    EXPECT_EQ(CountShown("GI_Mess_Confirm_CloneWrite"), 1);
    EXPECT_EQ(CountShown("GI_Mess_CloneWrite_Succeeded"), 1);
    EXPECT_TRUE(form.enabled);

    // The radio now holds the file from 0x0100 on; below it is its own.
    cmcEeprom file;
    file.CopyFrom(App().CurrentImage());
    ASSERT_EQ(OpenImageFile(App(), path), 0);
    for (int32_t a = 0x0100; a <= 0x1FFF; ++a) {
        ASSERT_EQ(radio.Memory().GetByte(a), App().CurrentImage().GetByte(a)) << a;
    }
}

TEST_F(CloneCommandsTest, SilentRadioLeavesTheImageAndTheFormAsTheyWere)
{
    StartWithRadio();
    radio.Faults().silent = true;
    const uint8_t before = App().CurrentImage().GetByte(0x0189);
    ASSERT_TRUE(App().RunCommand(AppCommand::CloneRead, 0, ""));
    ASSERT_TRUE(Finish());
    EXPECT_TRUE(form.enabled);
    EXPECT_FALSE(messages.asked.empty());  // the manager's message
    EXPECT_EQ(App().CurrentImage().GetByte(0x0189), before);
    EXPECT_FALSE(App().Modified());
    std::string text;
    EXPECT_FALSE(App().CloneInfoText(CloneInfoItem::Revision, 0, text));
}

TEST_F(CloneCommandsTest, CancelledQuestionsSendNothing)
{
    StartWithRadio();
    // The offer to save a modified image before a read.
    App().CurrentImage().SetByte(0x0188, 'Q');
    App().ImageChanged();
    messages.Answer(MsgResult::Cancel);
    EXPECT_FALSE(App().CloneRead());
    // The write confirmation.
    messages.Answer(MsgResult::Cancel);
    App().RunCommand(AppCommand::CloneWrite, 0, "");
    EXPECT_FALSE(App().CloneActive());
    EXPECT_TRUE(radio.Received().empty());
    EXPECT_EQ(App().CurrentImage().GetByte(0x0188), 'Q');
}

TEST_F(CloneCommandsTest, ImageWithCheckErrorsIsNeverWritten)
{
    StartWithRadio();  // the initial image has list errors of its own
    int errors = 0;
    int warnings = 0;
    App().CountProblems(errors, warnings);
    ASSERT_GT(errors, 0);
    App().RunCommand(AppCommand::CloneWrite, 0, "");
    EXPECT_EQ(CountShown("GI_Mess_DataError"), 1);
    EXPECT_EQ(CountShown("GI_Mess_Confirm_CloneWrite"), 0);
    EXPECT_FALSE(App().CloneActive());
    EXPECT_TRUE(radio.Received().empty());
}

TEST_F(CloneCommandsTest, InformationKeepsTheIdentityOfTheLastIdentify)
{
    StartWithRadio();
    std::string text;
    EXPECT_FALSE(App().CloneInfoText(CloneInfoItem::Esn, 0, text));
    ASSERT_TRUE(App().RunCommand(AppCommand::CloneInfo, 0, ""));
    ASSERT_TRUE(Finish());
    ASSERT_TRUE(App().Clone().HasIdentity());
    EXPECT_EQ(form.cloneInfoWindows, 1);
    ASSERT_TRUE(App().CloneInfoText(CloneInfoItem::Esn, 0, text));
    EXPECT_EQ(text, CloneInfoEsn(App().Clone().Identity()));
    EXPECT_FALSE(text.empty());

    // A later identify that fails keeps what the good one reported.
    radio.Faults().silent = true;
    App().RunCommand(AppCommand::CloneInfo, 0, "");
    ASSERT_TRUE(Finish());
    std::string again;
    ASSERT_TRUE(App().CloneInfoText(CloneInfoItem::Esn, 0, again));
    EXPECT_EQ(again, text);
    EXPECT_EQ(form.cloneInfoWindows, 1);
}

}  // namespace
}  // namespace xtr::test
