// Edits typed into the real grid, key by key, end in the same saved file as
// the same edits given to `xtr450ctl set`: a number, a frequency, a choice
// from a drop-down list and a text, saved by the desktop program and by the
// command line from one clone file, compared byte for byte.
#include "grid_widget_fixture.h"

#include "settings/setting_ref.h"
#include "support/temp_dir.h"

#include <QProcess>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace xtr::test {
namespace {

constexpr const char* kCommonPage = "[St_Common]GI_Sheet_Common";

std::string FileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

class TypedEditsTest : public GridWidgetTest {
protected:
    // Puts the cursor on the cell and returns its setting name.
    std::string Select(ui::cuiGrid* grid, std::int32_t cellId, std::int32_t index = 0)
    {
        const cuiSheet& sheet = *form->Page()->Sheet();
        const std::optional<SheetCellPos> at = sheet.FindSelectableCell(cellId, index);
        EXPECT_TRUE(at.has_value()) << CellName(cellId);
        if (!at) {
            return {};
        }
        grid->Model().SelectCell(at->column, at->row);
        column = at->column;
        row = at->row;
        return FormatSettingRef(RefOf(sheet.CellAt(at->column, at->row)));
    }

    // Types text into the cell under the cursor and commits it.
    void TypeAndEnter(const QString& text)
    {
        Type(text);
        Press(Qt::Key_Return);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    int column = 0;
    int row = 0;
};

TEST_F(TypedEditsTest, GridEditsSaveTheBytesThatTheCommandLineSetSaves)
{
    TempDir dir;
    const std::string original = DataDirectory() + DemoFileName(Env().modelType);
    const std::string byWindow = dir.File("window.kcl");
    const std::string byTool = dir.File("tool.kcl");
    std::filesystem::copy_file(original, byWindow);
    std::filesystem::copy_file(original, byTool);
    ASSERT_TRUE(App().OpenFile(byWindow));

    std::vector<std::string> assignments;
    ui::cuiGrid* grid = Show(kCommonPage);
    // A number.
    std::string name = Select(grid, CellIdOfName("CL_Comm_TOTTimer"));
    TypeAndEnter(QStringLiteral("45"));
    EXPECT_EQ(Text(grid, column, row).rfind("45", 0), 0u) << Text(grid, column, row);
    assignments.push_back(name + "=45");
    // A text.
    name = Select(grid, CellIdOfName("CL_Comm_CloneComment1"));
    TypeAndEnter(QStringLiteral("E2E TEST"));
    EXPECT_EQ(Text(grid, column, row), "E2E TEST");
    assignments.push_back(name + "=E2E TEST");
    // A choice from the drop-down list: Enter opens it, Down and Enter take
    // the next item.
    name = Select(grid, CellIdOfName("CL_Comm_PasswordEnable"));
    const std::string before = Text(grid, column, row);
    Press(Qt::Key_Return);
    ui::DropDownList* list = ui::DropDownList::Current();
    ASSERT_NE(list, nullptr);
    ui::cuiGrid* items = list->Panel()->Grid();
    QTest::keyClick(items, Qt::Key_Down);
    QTest::keyClick(items, Qt::Key_Return);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const std::string chosen = Text(grid, column, row);
    ASSERT_NE(chosen, before);
    assignments.push_back(name + "=" + chosen);

    // A frequency on the channel page.
    grid = Show(kConvChannels);
    const cuiSheet& channels = *form->Page()->Sheet();
    grid->Model().SelectCell(kReceive, 2);
    name = FormatSettingRef(RefOf(channels.CellAt(kReceive, 2)));
    TypeAndEnter(QStringLiteral("446.0125"));
    EXPECT_EQ(Text(grid, kReceive, 2).rfind("446.0125", 0), 0u) << Text(grid, kReceive, 2);
    assignments.push_back(name + "=446.0125");

    ASSERT_TRUE(App().Modified());
    ASSERT_TRUE(App().SaveFile(byWindow));
    EXPECT_TRUE(messages.asked.empty());

    // The same edits through the command line, on a copy of the same file.
    const QString tool = QString::fromStdString(DataDirectory() + "xtr450ctl");
    ASSERT_TRUE(std::filesystem::exists(tool.toStdString())) << tool.toStdString();
    QStringList arguments{QStringLiteral("set"), QString::fromStdString(byTool)};
    for (const std::string& assignment : assignments) {
        arguments << QString::fromStdString(assignment);
    }
    QProcess process;
    process.start(tool, arguments);
    ASSERT_TRUE(process.waitForFinished(60000)) << "xtr450ctl set did not end";
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();

    const std::string windowBytes = FileBytes(byWindow);
    EXPECT_NE(windowBytes, FileBytes(original));
    EXPECT_EQ(windowBytes, FileBytes(byTool));
}

}  // namespace
}  // namespace xtr::test
