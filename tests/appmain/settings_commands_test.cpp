// The File menu's commands on the document's settings as a whole: text
// export and import (a refused line changes nothing and is listed with its
// number), the comparison with a clone file, restoring a backup, and the
// transfer options.
#include "radio_fixture.h"

#include "app/environ.h"
#include "app/main/text_file.h"
#include "clone/backup_store.h"
#include "settings/setting_ref.h"
#include "support/temp_dir.h"

#include <algorithm>

namespace xtr::test {
namespace {

class SettingsCommandsTest : public RadioAppTest {
protected:
    // The export of the document as the command writes it.
    std::string Exported()
    {
        const std::string path = dir.File("export-" + std::to_string(++exports) + ".txt");
        form.saveAnswers.push_back(path);
        EXPECT_TRUE(App().RunCommand(AppCommand::ExportText, 0, ""));
        std::string text;
        EXPECT_TRUE(ReadWholeTextFile(path, text)) << path;
        return text;
    }

    // The line of the export that sets name ("" when none does).
    static std::string LineOf(const std::string& text, const std::string& name)
    {
        std::size_t at = 0;
        while (at < text.size()) {
            const std::size_t end = text.find('\n', at);
            const std::string line = text.substr(at, end == std::string::npos ? std::string::npos : end - at);
            if (line.find(" / " + name + " = ") != std::string::npos) {
                return line;
            }
            if (end == std::string::npos) {
                break;
            }
            at = end + 1;
        }
        return "";
    }

    bool Import(const std::string& text)
    {
        form.openAnswers.push_back(dir.Write("import-" + std::to_string(++imports) + ".txt", text));
        messages.asked.clear();
        App().RunCommand(AppCommand::ImportText, 0, "");
        return !messages.asked.empty() && messages.asked.back().icon == MsgIcon::Information;
    }

    TempDir dir;
    int exports = 0;
    int imports = 0;
};

TEST_F(SettingsCommandsTest, ExportedTextImportedIntoAChangedCopyGivesTheSameSettings)
{
    StartWithDemo();
    const std::string demo = Exported();
    ASSERT_FALSE(demo.empty());
    EXPECT_EQ(form.dialogs.back().name, "demo-mpt.txt");
    EXPECT_EQ(form.dialogs.back().extension, "txt");
    const std::vector<uint8_t> original(App().CurrentImage().Data(), App().CurrentImage().Data() + 0x2000);

    // The copy is changed, and the export typed back into it.
    const std::string comment = LineOf(demo, "CL_Comm_CloneComment1");
    ASSERT_TRUE(Import(comment.substr(0, comment.find(" = ")) + " = CHANGED\n"));
    ASSERT_NE(Exported(), demo);
    ASSERT_TRUE(Import(demo)) << (messages.asked.empty() ? "" : messages.asked.back().text);
    EXPECT_EQ(Exported(), demo);
    EXPECT_TRUE(std::equal(original.begin(), original.end(), App().CurrentImage().Data()));
}

TEST_F(SettingsCommandsTest, ARefusedLineIsListedAndLeavesTheDocumentAsItWas)
{
    StartWithDemo();
    const std::string demo = Exported();
    const std::string comment = LineOf(demo, "CL_Comm_CloneComment1");
    ASSERT_FALSE(comment.empty()) << demo.substr(0, 400);
    const std::string page = comment.substr(0, comment.find(" / "));
    const std::string changed = page + " / CL_Comm_CloneComment1 = CHANGED";
    const std::string text = "# edited by hand\n" + changed + "\n" + page + " / CL_No_Such_Setting = 1\n";
    const std::vector<uint8_t> before(App().CurrentImage().Data(), App().CurrentImage().Data() + 0x2000);

    EXPECT_FALSE(Import(text));
    ASSERT_FALSE(messages.asked.empty());
    const AskedMessage& box = messages.asked.back();
    EXPECT_EQ(box.icon, MsgIcon::Error);
    EXPECT_NE(box.text.find("Line 3"), std::string::npos) << box.text;
    EXPECT_EQ(box.text.find("Line 2"), std::string::npos) << box.text;
    EXPECT_NE(box.text.find("CL_No_Such_Setting"), std::string::npos) << box.text;
    EXPECT_TRUE(std::equal(before.begin(), before.end(), App().CurrentImage().Data()));
    EXPECT_FALSE(App().Modified());

    // The good line alone is taken.
    EXPECT_TRUE(Import(changed + "\n"));
    EXPECT_EQ(LineOf(Exported(), "CL_Comm_CloneComment1"), changed);
    EXPECT_TRUE(App().Modified());
}

TEST_F(SettingsCommandsTest, AnUnreadableTextFileIsSaidAndChangesNothing)
{
    StartWithDemo();
    form.openAnswers.push_back(dir.File("missing.txt"));
    App().RunCommand(AppCommand::ImportText, 0, "");
    ASSERT_FALSE(messages.asked.empty());
    EXPECT_NE(messages.asked.back().text.find("missing.txt"), std::string::npos);
    EXPECT_FALSE(App().Modified());

    // An export into a folder that does not exist fails aloud.
    form.saveAnswers.push_back(dir.File("no/such/folder/out.txt"));
    messages.asked.clear();
    App().RunCommand(AppCommand::ExportText, 0, "");
    ASSERT_EQ(messages.asked.size(), 1u);
    EXPECT_EQ(messages.asked[0].icon, MsgIcon::Error);
}

TEST_F(SettingsCommandsTest, CompareListsTheChangedSettingsWithBothTexts)
{
    StartWithDemo();
    const std::string copy = dir.File("copy.kcl");
    ASSERT_TRUE(App().SaveFile(copy));
    const std::string comment = LineOf(Exported(), "CL_Comm_CloneComment1");
    const std::string old = comment.substr(comment.find(" = ") + 3);
    ASSERT_TRUE(Import(comment.substr(0, comment.find(" = ")) + " = CHANGED\n"));

    form.openAnswers.push_back(copy);
    ASSERT_TRUE(App().RunCommand(AppCommand::CompareWith, 0, ""));
    ASSERT_EQ(form.comparisons.size(), 1u);
    EXPECT_EQ(form.comparisons[0].file, "copy.kcl");
    const std::vector<SettingDifference>& differences = form.comparisons[0].differences;
    ASSERT_EQ(differences.size(), 1u);
    EXPECT_EQ(FormatSettingRef(differences[0].ref), "CL_Comm_CloneComment1");
    EXPECT_EQ(differences[0].page, comment.substr(0, comment.find(" / ")));
    EXPECT_EQ(differences[0].textA, "CHANGED");
    EXPECT_EQ(differences[0].textB, old);
    // The file went into the comparison image; the document is untouched.
    cmcEeprom file;
    file.SetSize(App().CurrentImage().Size());
    ASSERT_EQ(ReadImageFile(App(), copy, file), 0);
    EXPECT_EQ(App().ComparisonImage().GetByte(0x0188), file.GetByte(0x0188));
    EXPECT_TRUE(App().Modified());
}

TEST_F(SettingsCommandsTest, CompareWithAnEqualOrBrokenFileShowsNoList)
{
    StartWithDemo();
    form.openAnswers.push_back(DemoPath());
    messages.asked.clear();
    ASSERT_TRUE(App().RunCommand(AppCommand::CompareWith, 0, ""));
    EXPECT_TRUE(form.comparisons.empty());
    ASSERT_EQ(messages.asked.size(), 1u);
    EXPECT_EQ(messages.asked[0].icon, MsgIcon::Information);

    form.openAnswers.push_back(dir.Write("broken.kcl", "not a clone file\n"));
    messages.asked.clear();
    App().RunCommand(AppCommand::CompareWith, 0, "");
    EXPECT_TRUE(form.comparisons.empty());
    EXPECT_EQ(messages.asked.size(), 1u);  // the clone file's own message
}

TEST_F(SettingsCommandsTest, RestoreOpensTheChosenBackupAsAnUntitledDocument)
{
    StartWithDemo();
    messages.asked.clear();
    App().RunCommand(AppCommand::RestoreBackup, 0, "");
    ASSERT_EQ(messages.asked.size(), 1u);  // none yet
    EXPECT_TRUE(form.backupLists.empty());

    ASSERT_TRUE(App().CloneRead());
    ASSERT_TRUE(Finish());
    messages.Answer(MsgResult::No);  // the read is not saved
    ASSERT_TRUE(App().FileNew());
    ASSERT_NE(App().CurrentImage().GetByte(0x0189), 'W');

    form.backupAnswers.push_back(-1);  // cancelled
    EXPECT_FALSE(App().RestoreBackup());
    form.backupAnswers.push_back(0);
    ASSERT_TRUE(App().RestoreBackup());
    ASSERT_EQ(form.backupLists.size(), 2u);
    ASSERT_EQ(form.backupLists.back().size(), 1u);
    EXPECT_EQ(App().CurrentImage().GetByte(0x0189), 'W');
    EXPECT_EQ(App().FileName(), "");
    EXPECT_TRUE(App().Modified());
}

TEST_F(SettingsCommandsTest, TransferOptionsAreKeptOnlyWhenTaken)
{
    StartAttached();
    const TransferSettings before = Env().transfer;
    form.optionAnswers.push_back(std::nullopt);
    EXPECT_FALSE(App().TransferOptions());
    EXPECT_EQ(Env().transfer, before);

    TransferSettings chosen;
    chosen.backups = false;
    chosen.verify = false;
    chosen.trace = true;
    chosen.traceFile = dir.File("trace.txt");
    form.optionAnswers.push_back(chosen);
    ASSERT_TRUE(App().TransferOptions());
    EXPECT_EQ(form.optionsShown.back(), before);
    EXPECT_EQ(Env().transfer, chosen);
}

}  // namespace
}  // namespace xtr::test
