// The desktop grid on shipped pages, driven by key and mouse events as a
// user drives it: typing values, drop-down lists, row commands, refused
// entries, and the cells as the accessibility interface reads them.
#include "grid_widget_fixture.h"

#include "app/environ.h"
#include "image/memory_map.h"
#include "ui/model/sheet_table_texts.h"
#include "ui/segment_editors.h"

#include <array>

#include <gtest/gtest.h>

namespace xtr::test {
namespace {

TEST_F(GridWidgetTest, TypingAFrequencyAndEnterStoresIt)
{
    ui::cuiGrid* grid = Show(kConvChannels);
    EXPECT_EQ(App().ShownSheetReference(), kConvChannels);
    grid->Model().SelectCell(kReceive, 2);
    const auto before = Bytes(App().CurrentImage());
    Type("446.0125");
    ASSERT_TRUE(grid->EditorVisible());
    EXPECT_EQ(grid->Editor()->toPlainText().toStdString(), "446.0125");
    Press(Qt::Key_Return);
    EXPECT_FALSE(grid->EditorVisible());
    EXPECT_EQ(Text(grid, kReceive, 2).rfind("446.0125", 0), 0u) << Text(grid, kReceive, 2);
    EXPECT_NE(Bytes(App().CurrentImage()), before);
    EXPECT_TRUE(App().Modified());
    EXPECT_EQ(QApplication::focusWidget(), grid);
}

TEST_F(GridWidgetTest, AnEntryTheCellRefusesLeavesTheImageAsItWas)
{
    ui::cuiGrid* grid = Show(kConvChannels);
    grid->Model().SelectCell(kReceive, 3);
    const std::string shown = Text(grid, kReceive, 3);
    const auto before = Bytes(App().CurrentImage());
    Type("9999");
    Press(Qt::Key_Return);
    EXPECT_EQ(Bytes(App().CurrentImage()), before);
    EXPECT_EQ(Text(grid, kReceive, 3), shown);
    EXPECT_FALSE(grid->EditorVisible());
    EXPECT_EQ(QApplication::focusWidget(), grid);

    // The error shows: the status bar says why, the cell carries the error
    // marker, and a screen reader hears the reason on the cell.
    time->Advance(20);
    const std::string reason = GTex().FirstLine(cellrefusal::kFrequency);
    EXPECT_EQ(App().StatusText(), reason);
    ASSERT_TRUE(grid->Model().RefusedCell().has_value());
    EXPECT_EQ(*grid->Model().RefusedCell(), std::make_pair(kReceive, 3));
    QAccessibleInterface* cell = QAccessible::queryAccessibleInterface(grid)->tableInterface()->cellAt(3, kReceive);
    EXPECT_EQ(cell->text(QAccessible::Description).toStdString(), reason);

    // Down from an editor holding a refused entry stays on the cell.
    Type("1234");
    Press(Qt::Key_Down);
    EXPECT_EQ(grid->Model().CursorRow(), 3);
    EXPECT_EQ(Bytes(App().CurrentImage()), before);

    // The next key clears the error; an entry the cell takes goes in.
    Press(Qt::Key_Right);
    time->Advance(20);
    EXPECT_EQ(App().StatusText(), "");
    EXPECT_FALSE(grid->Model().RefusedCell().has_value());
    EXPECT_TRUE(cell->text(QAccessible::Description).isEmpty());
}

TEST_F(GridWidgetTest, ADropDownChoosesTheNextItemWithDownAndEnter)
{
    ui::cuiGrid* grid = Show(kConvChannels);
    grid->Model().SelectCell(kBandwidth, 1);
    const std::string before = Text(grid, kBandwidth, 1);
    Press(Qt::Key_Return);
    ui::DropDownList* list = ui::DropDownList::Current();
    ASSERT_NE(list, nullptr);
    ASSERT_TRUE(list->isVisible());
    ui::cuiGrid* items = list->Panel()->Grid();
    EXPECT_EQ(items->Model().CellText(items->Model().CursorColumn(), items->Model().CursorRow()), before);
    // Below the cell, inside the screen.
    const QPoint cell = grid->viewport()->mapToGlobal(grid->CellRect(kBandwidth, 1).bottomLeft());
    EXPECT_EQ(list->pos().y(), cell.y() + 1);
    EXPECT_LE(list->geometry().right(), list->screen()->availableGeometry().right())
        << list->width() << " needed " << list->Panel()->NeededSize().width() << " min "
        << list->minimumSizeHint().width();

    QTest::keyClick(items, Qt::Key_Down);
    const std::string next = items->Model().CellText(items->Model().CursorColumn(), items->Model().CursorRow());
    EXPECT_NE(next, before);
    QTest::keyClick(items, Qt::Key_Return);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(ui::DropDownList::Current(), nullptr);
    EXPECT_EQ(Text(grid, kBandwidth, 1), next);
}

TEST(DropDownPlacement, BelowAboveOrAtTheBottomAndLeftOfTheCellWhenCutOff)
{
    using ui::DropDownList;
    const QRect work(0, 0, 800, 600);
    const QSize size(100, 200);
    // Below, eight pixels in from the cell's left.
    EXPECT_EQ(DropDownList::Placement(QRect(50, 100, 60, 20), size, work), QPoint(58, 120));
    // No room below: above the cell.
    EXPECT_EQ(DropDownList::Placement(QRect(50, 450, 60, 20), size, work), QPoint(58, 250));
    // Cut off at the right: its right edge is the work area's.
    EXPECT_EQ(DropDownList::Placement(QRect(740, 100, 60, 20), size, work), QPoint(700, 120));
    // Room neither below nor above: at the bottom, overlapping the cell, so
    // it goes left of the cell when cut off at the right.
    const QSize tall(100, 500);
    EXPECT_EQ(DropDownList::Placement(QRect(740, 200, 60, 20), tall, work), QPoint(640, 100));
    EXPECT_EQ(DropDownList::Placement(QRect(50, 200, 60, 20), tall, work), QPoint(58, 100));
}

TEST_F(GridWidgetTest, EscapeClosesADropDownWithoutAChoice)
{
    ui::cuiGrid* grid = Show(kConvChannels);
    grid->Model().SelectCell(kBandwidth, 1);
    const std::string before = Text(grid, kBandwidth, 1);
    Press(Qt::Key_Return);
    ui::DropDownList* list = ui::DropDownList::Current();
    ASSERT_NE(list, nullptr);
    QTest::keyClick(list->Panel()->Grid(), Qt::Key_Down);
    QTest::keyClick(list->Panel()->Grid(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(ui::DropDownList::Current(), nullptr);
    EXPECT_EQ(Text(grid, kBandwidth, 1), before);
}

TEST_F(GridWidgetTest, ADropDownClosesWhenItsPageGoes)
{
    ui::cuiGrid* grid = Show(kConvChannels);
    grid->Model().SelectCell(kBandwidth, 1);
    Press(Qt::Key_Return);
    ASSERT_NE(ui::DropDownList::Current(), nullptr);
    // The list's choice would go to a cell of the page that is gone.
    Show("[St_Common]GI_Sheet_Common");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(ui::DropDownList::Current(), nullptr);
}

TEST_F(GridWidgetTest, ARowCopiedAndPastedThroughThePopupCommands)
{
    ui::cuiGrid* grid = Show(kConvChannels);
    grid->Model().SelectCell(kReceive, 1);
    Type("440.5");
    Press(Qt::Key_Return);
    ASSERT_NE(Text(grid, kReceive, 1), Text(grid, kReceive, 4));

    // A right click selects the cell under the mouse for the menu.
    QTest::mouseClick(grid->viewport(), Qt::RightButton, {}, grid->CellRect(kReceive, 1).center());
    EXPECT_EQ(grid->Model().CursorRow(), 1);
    grid->Model().PopupCommand(CellIdOfName("CL_PMenu_Copy"));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->CellRect(kReceive, 4).center());
    EXPECT_EQ(grid->Model().CursorRow(), 4);
    grid->Model().PopupCommand(CellIdOfName("CL_PMenu_Paste"));
    for (int c = 1; c < 10; ++c) {
        EXPECT_EQ(Text(grid, c, 4), Text(grid, c, 1)) << "column " << c;
    }
}

TEST_F(GridWidgetTest, ShiftWithArrowsMarksLinesAndTheWheelScrolls)
{
    ui::cuiGrid* grid = Show(kConvChannels);
    grid->Model().SelectCell(kReceive, 1);
    QTest::keyClick(grid, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(grid, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_TRUE(grid->Model().MultiSelectionActive());
    EXPECT_TRUE(grid->Model().IsHighlighted(kBandwidth, 3));
    EXPECT_FALSE(grid->Model().IsHighlighted(kBandwidth, 4));

    grid->resize(grid->width(), 120);
    const int top = grid->Model().Geometry().TopRow();
    QWheelEvent wheel(QPointF(20, 20), grid->viewport()->mapToGlobal(QPointF(20, 20)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(grid->viewport(), &wheel);
    EXPECT_EQ(grid->Model().Geometry().TopRow(), top + 3);
}

// The pages read back: channels, settings, numbers, lists and display
// texts, some with their error markers.
const char* const kAccessibleSheets[] = {
    kConvChannels,
    "[St_Common]GI_Sheet_Common",
    "[St_Common]GI_Sheet_Person",
    "[St_Common]GI_Sheet_Directory",
    "[St_Common]GI_Sheet_Hunt",
    "[St_Common]GI_Sheet_StatusCall",
    "[St_Common]GI_Sheet_UserChar",
};

TEST_F(GridWidgetTest, TheAccessibleTableReadsWhatTheCommandLineShows)
{
    // As in the program: the segment cells know the image's own characters.
    ui::QtSegmentEditors segments(form.get(), form.get());
    std::array<std::uint8_t, 32> masks{};
    App().CurrentImage().ReadBlock(memmap::kUserCharMasks, masks.data(), static_cast<std::int32_t>(masks.size()));
    for (const char* reference : kAccessibleSheets) {
        SCOPED_TRACE(reference);
        ui::cuiGrid* grid = Show(reference);
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(grid);
        ASSERT_NE(table, nullptr);
        QAccessibleTableInterface* cells = table->tableInterface();
        ASSERT_NE(cells, nullptr);
        EXPECT_EQ(table->text(QAccessible::Name).toStdString(), form->Page()->Sheet()->GetTitle());

        // What `xtr450ctl show` prints for the page, cell by cell.
        SheetTable expected;
        ASSERT_TRUE(expected.Build(reference, GTex(), &App().CurrentImage()));
        const std::vector<std::vector<SheetCellText>> shown = SheetTableTexts(expected, masks);
        ASSERT_EQ(cells->rowCount(), expected.Rows());
        ASSERT_EQ(cells->columnCount(), expected.Columns());
        ASSERT_EQ(static_cast<int>(shown.size()), expected.Rows());
        for (int r = 0; r < expected.Rows(); ++r) {
            for (int c = 0; c < expected.Columns(); ++c) {
                const SheetCellText& text = shown[r][c];
                QAccessibleInterface* item = cells->cellAt(r, c);
                ASSERT_NE(item, nullptr);
                EXPECT_EQ(item->text(QAccessible::Name).toLocal8Bit().toStdString(), text.text) << r << "," << c;
                // The marker the command line prints as " !" or " ?".
                const char* problem = (text.result & cellresult::kError) != 0     ? "GI_AppInd_CellError"
                                      : (text.result & cellresult::kWarning) != 0 ? "GI_AppInd_CellWarning"
                                                                                  : nullptr;
                EXPECT_EQ(item->text(QAccessible::Description).toStdString(),
                          problem != nullptr ? GTex().FirstLine(problem) : "")
                    << r << "," << c;
                EXPECT_EQ(item->tableCellInterface()->rowIndex(), r);
                EXPECT_EQ(item->tableCellInterface()->columnIndex(), c);
            }
        }
        QAccessibleInterface* focused = table->focusChild();
        ASSERT_NE(focused, nullptr);
        EXPECT_EQ(focused->tableCellInterface()->rowIndex(), grid->Model().CursorRow());
        EXPECT_TRUE(focused->state().focused);
    }
}

// The sheet references of the main tree's pages.
std::vector<std::string> TreeReferences()
{
    std::vector<std::string> references;
    std::string line;
    for (int i = 0; GTex().TryText("GI_Tree_Main_Body", i, line) && (line.empty() || line[0] != '#'); ++i) {
        const auto open = line.find(":[St_");
        if (open != std::string::npos) {
            references.push_back(line.substr(open + 1, line.find_first_of(")}", open) - open - 1));
        }
    }
    return references;
}

TEST_F(GridWidgetTest, EveryPageOfBothNumberingsOpensWithTheCursorOnAField)
{
    const std::vector<std::string> references = TreeReferences();
    ASSERT_GE(references.size(), 25u);
    for (std::uint8_t numbering : {0, 1}) {
        Env().modelType = numbering;
        for (const std::string& reference : references) {
            SCOPED_TRACE(reference);
            ui::cuiGrid* grid = Show(reference);
            ASSERT_NE(grid, nullptr);
            const SheetGrid& model = grid->Model();
            EXPECT_TRUE(model.Sheet()->CellAt(model.CursorColumn(), model.CursorRow()).IsSelectable());
            EXPECT_TRUE(grid->isEnabled());
            EXPECT_FALSE(grid->CellRect(model.CursorColumn(), model.CursorRow()).isEmpty());
            grid->viewport()->repaint();
        }
    }
}

TEST_F(GridWidgetTest, APageShownAgainOpensWhereItWasLeft)
{
    ui::cuiGrid* grid = Show(kConvChannels);
    grid->Model().SelectCell(kBandwidth, 20);
    Show("[St_Common]GI_Sheet_Common");
    grid = Show(kConvChannels);
    EXPECT_EQ(grid->Model().CursorColumn(), kBandwidth);
    EXPECT_EQ(grid->Model().CursorRow(), 20);

    // A channel bank has no sheet: an empty page with its caption.
    EXPECT_TRUE(App().RunCommand(AppCommand::ShowSheet, 0, "[St_ChBank]Bank 1,0"));
    EXPECT_EQ(form->Page(), nullptr);
    EXPECT_EQ(App().ShownSheetReference(), "[St_ChBank]Bank 1,0");
}

}  // namespace
}  // namespace xtr::test
