// The document commands of the main window: new, open, save, save as, the
// offer to save first, the recent list, and a file named on the command line.
#include "app_fixture.h"

#include "app/environ.h"
#include "app/globals.h"
#include "app/main/image_file.h"
#include "image/clone_file.h"
#include "image/range_list.h"
#include "overlay/gtex.h"
#include "support/temp_dir.h"

#include <filesystem>

namespace xtr::test {
namespace {

// A byte of the first clone comment: every image has it, no check minds it.
constexpr int32_t kEditedAt = 0x0188;

class DocumentTest : public AppTest {
protected:
    std::string AppTitle() { return GTex().FirstLine("GI_Sys_AppTitle"); }

    void Edit(uint8_t value)
    {
        App().CurrentImage().SetByte(kEditedAt, value);
        App().ImageChanged();
    }

    // Writes the current image as a clone file over the given ranges, after
    // changing the product code when foreign is set.
    std::string WriteVariant(const std::string& name, bool foreign, RangeList ranges)
    {
        cmcEeprom image;
        image.CopyFrom(App().CurrentImage());
        if (foreign) {
            image.SetByte(0x0000, 0x11);
        }
        cmcKclFile file;
        file.SetImage(&image);
        file.SetModelCode(App().ModelCode());
        file.SetExtraCode(App().ExtraCode());
        file.SetMapRevision(kKclMapRevision);
        const std::string path = dir.File(name);
        EXPECT_EQ(file.Write(path, ranges), kKclOk);
        return path;
    }

    TempDir dir;
};

TEST_F(DocumentTest, UntouchedUntitledDocumentIsReplacedWithoutAQuestion)
{
    StartAttached();
    EXPECT_EQ(form.title, "Untitled - " + AppTitle());
    EXPECT_TRUE(App().RunCommand(AppCommand::FileNew, 0, ""));
    EXPECT_TRUE(messages.asked.empty());
    EXPECT_EQ(form.title, "Untitled - " + AppTitle());
    EXPECT_FALSE(App().Modified());
}

TEST_F(DocumentTest, NewOffersToSaveAndCancelOrNoDecide)
{
    StartAttached();
    const uint8_t original = App().CurrentImage().GetByte(kEditedAt);
    Edit('Q');
    ASSERT_TRUE(App().Modified());

    messages.Answer(MsgResult::Cancel);
    App().RunCommand(AppCommand::FileNew, 0, "");
    ASSERT_EQ(messages.asked.size(), 1u);
    EXPECT_NE(messages.asked[0].text.find("Untitled"), std::string::npos);
    EXPECT_EQ(messages.asked[0].buttons, MsgButtons::YesNoCancel);
    EXPECT_EQ(App().CurrentImage().GetByte(kEditedAt), 'Q');
    EXPECT_TRUE(App().Modified());

    // Yes on an untitled document goes through the save-as dialog; its
    // Cancel is the question's Cancel.
    messages.Answer(MsgResult::Yes);
    App().RunCommand(AppCommand::FileNew, 0, "");
    ASSERT_EQ(form.dialogs.size(), 1u);
    EXPECT_TRUE(form.dialogs[0].save);
    EXPECT_EQ(App().CurrentImage().GetByte(kEditedAt), 'Q');

    messages.Answer(MsgResult::No);
    App().RunCommand(AppCommand::FileNew, 0, "");
    EXPECT_EQ(App().CurrentImage().GetByte(kEditedAt), original);
    EXPECT_FALSE(App().Modified());
}

TEST_F(DocumentTest, SaveAsNamesTheDocumentAndReopeningItModifiedAsksToSaveElsewhere)
{
    StartAttached();
    Edit('Q');
    const std::string path = dir.File("site.kcl");
    form.saveAnswers.push_back(path);
    App().RunCommand(AppCommand::FileSave, 0, "");
    ASSERT_EQ(form.dialogs.size(), 1u);
    EXPECT_EQ(form.dialogs[0].name, "Untitled");
    EXPECT_EQ(form.dialogs[0].extension, "kcl");
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_FALSE(App().Modified());
    EXPECT_EQ(App().FileName(), path);
    EXPECT_EQ(form.title, "site.kcl - " + AppTitle());
    // The recent list shows files of the current directory by name alone.
    EXPECT_EQ(App().RecentFileText(0), "site.kcl");
    EXPECT_EQ(App().RecentFileText(1), "");

    Edit('R');
    messages.Answer(MsgResult::Yes);
    EXPECT_FALSE(App().OpenFile(path));  // the save-as dialog is cancelled
    ASSERT_EQ(messages.asked.size(), 1u);
    EXPECT_EQ(messages.asked[0].text, GTex().FirstLine("GI_Mess_Confirm_WriteAnother"));
    EXPECT_EQ(form.dialogs.size(), 2u);
    EXPECT_EQ(App().CurrentImage().GetByte(kEditedAt), 'R');
    EXPECT_TRUE(App().Modified());

    // No: the file's own contents come back.
    messages.Answer(MsgResult::No);
    EXPECT_TRUE(App().OpenFile(path));
    EXPECT_EQ(App().CurrentImage().GetByte(kEditedAt), 'Q');
    EXPECT_FALSE(App().Modified());
}

TEST_F(DocumentTest, RejectedFilesLeaveTheDocumentAsItWas)
{
    StartAttached();
    const std::string good = dir.File("good.kcl");
    ASSERT_EQ(SaveImageFile(App(), good), kKclOk);
    ASSERT_TRUE(App().OpenFile(good));
    Edit('Q');
    const RangePair half[] = {{0x0000, 0x0FFF}, kRangeEnd};
    const std::string foreign = WriteVariant("foreign.kcl", true, RangeList(kCloneAreaRanges));
    const std::string incomplete = WriteVariant("half.kcl", false, RangeList(half));
    const std::string missing = dir.File("missing.kcl");

    for (const std::string& path : {foreign, incomplete, missing}) {
        SCOPED_TRACE(path);
        messages.asked.clear();
        messages.Answer(MsgResult::No);  // do not save the edit first
        EXPECT_FALSE(App().OpenFile(path));
        ASSERT_EQ(messages.asked.size(), 2u);  // the question, then the error
        EXPECT_EQ(messages.asked[1].icon, MsgIcon::Warning);
        EXPECT_EQ(App().FileName(), good);
        EXPECT_EQ(App().CurrentImage().GetByte(kEditedAt), 'Q');
        EXPECT_TRUE(App().Modified());
    }
    EXPECT_EQ(Env().recent.Count(), 1);
}

TEST_F(DocumentTest, CancelledDialogsChangeNothing)
{
    StartAttached();
    Edit('Q');
    App().RunCommand(AppCommand::FileOpen, 0, "");
    App().RunCommand(AppCommand::FileSaveAs, 0, "");
    ASSERT_EQ(form.dialogs.size(), 2u);
    EXPECT_FALSE(form.dialogs[0].save);
    EXPECT_EQ(form.dialogs[0].directory, App().CurrentDirectory());
    EXPECT_NE(form.dialogs[0].filter.find("*.kcl"), std::string::npos);
    EXPECT_TRUE(App().Modified());
    EXPECT_EQ(App().FileName(), "");
    EXPECT_TRUE(messages.asked.empty());
}

TEST_F(DocumentTest, RecentFilesOpenByPositionAndTheDialogOpensItsChoice)
{
    StartAttached();
    const std::string first = dir.File("first.kcl");
    const std::string second = dir.File("second.kcl");
    ASSERT_EQ(SaveImageFile(App(), first), kKclOk);
    ASSERT_EQ(SaveImageFile(App(), second), kKclOk);
    form.openAnswers.push_back(first);
    App().RunCommand(AppCommand::FileOpen, 0, "");
    EXPECT_EQ(App().FileName(), first);
    ASSERT_TRUE(App().OpenFile(second));
    EXPECT_EQ(App().RecentFileText(0), "second.kcl");
    EXPECT_EQ(App().RecentFileText(1), "first.kcl");
    App().RunCommand(AppCommand::OpenRecent, 1, "");
    EXPECT_EQ(App().FileName(), first);
    EXPECT_EQ(App().RecentFileText(0), "first.kcl");
}

TEST_F(DocumentTest, ClosingAsksToSaveAModifiedImageAndIsRefusedWhileTheFormIsDisabled)
{
    StartAttached();
    Edit('Q');
    form.enabled = false;  // a transfer holds the window
    EXPECT_FALSE(App().QueryClose());
    EXPECT_TRUE(messages.asked.empty());

    form.enabled = true;
    messages.Answer(MsgResult::Cancel);
    EXPECT_FALSE(App().QueryClose());
    EXPECT_EQ(messages.asked.size(), 1u);
    messages.Answer(MsgResult::No);
    EXPECT_TRUE(App().QueryClose());

    App().RunCommand(AppCommand::Exit, 0, "");
    EXPECT_EQ(form.closeRequests, 1);
}

TEST_F(DocumentTest, FileNamedOnTheCommandLineIsOpenedAtStart)
{
    Start();
    objects->Application().AttachForm(&form);
    Edit('Z');
    const std::string path = dir.File("named.kcl");
    ASSERT_EQ(SaveImageFile(App(), path), kKclOk);
    objects.reset();

    FakeMainForm second;
    Start({"xtr450", path});
    App().AttachForm(&second);
    EXPECT_EQ(App().FileName(), path);
    EXPECT_EQ(App().CurrentImage().GetByte(kEditedAt), 'Z');
    EXPECT_FALSE(App().Modified());
    EXPECT_EQ(second.title, "named.kcl - " + AppTitle());
    App().DetachForm();
    objects.reset();

    // A clone file that is not there: its message, and the initial image.
    FakeMainForm third;
    Start({"xtr450", dir.File("gone.kcl")});
    App().AttachForm(&third);
    EXPECT_EQ(App().FileName(), "");
    EXPECT_EQ(messages.asked.size(), 1u);
    EXPECT_EQ(third.title, "Untitled - " + AppTitle());
    App().DetachForm();
}

TEST_F(DocumentTest, FontSizeIsKeptAndHelpOpensTheManualOrSaysWhyNot)
{
    StartAttached();
    EXPECT_TRUE(App().RunCommand(AppCommand::FontSize, 150, ""));
    EXPECT_EQ(Env().fontSizePercentage, 150);
    EXPECT_FALSE(App().RunCommand(AppCommand::FontSize, 5000, ""));
    EXPECT_EQ(Env().fontSizePercentage, 150);

    App().RunCommand(AppCommand::HelpContents, 0, "");
    ASSERT_EQ(form.helpOpened.size(), 1u);
    EXPECT_EQ(std::filesystem::path(form.helpOpened[0]).filename().string(), GTex().FirstLine("GI_Sys_MyHelpFile"));
    EXPECT_TRUE(messages.asked.empty());
    form.helpOpens = false;
    App().RunCommand(AppCommand::HelpContents, 0, "");
    ASSERT_EQ(messages.asked.size(), 1u);
    EXPECT_NE(messages.asked[0].text.find(form.helpOpened[1]), std::string::npos);
}

}  // namespace
}  // namespace xtr::test
