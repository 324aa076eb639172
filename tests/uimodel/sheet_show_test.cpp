// Showing a sheet through its widgets, creating sheets from references, and
// the table the command-line tool prints a sheet from.
#include "cells/cell_names.h"
#include "image/eeprom.h"
#include "sheet_fixture.h"
#include "ui/model/sheet_common.h"
#include "ui/model/sheet_factory.h"
#include "ui/model/sheet_table.h"

#include <gtest/gtest.h>

namespace xtr {
namespace {

using test::FakeSheetView;
using test::SheetOverlay;

// Three rows of two bound cells each (Aad type and value, rows 0 to 2)
// under a header row.
std::unique_ptr<test::OverlayGuard> ListOverlay(const std::string& style = "")
{
    return SheetOverlay({"{W}No.|{W}Type|Value", ":(LoopFrom 3)",
                         "\\(@ch0)|{S(%CT_Aad.CL_Aad_Type[@ch0])}|{S(%CT_Aad.CL_Aad_Value[@ch0])}", ":(LoopTo)"},
                        style);
}

TEST(SheetShow, BuildsBetweenCreatingAndLayingOutTheWidgets)
{
    auto overlay = ListOverlay("(TitleString=Networks)");
    FakeSheetView view;
    {
        cuiSheet sheet(&view, nullptr, 0, 0, overlay->Store(), "S", nullptr);
        sheet.Show();
        // The style is read before the widgets exist; the cells after.
        EXPECT_EQ(view.titleWhenCreated, "Networks");
        EXPECT_EQ(view.rowsWhenCreated, 0);
        EXPECT_EQ(view.calls, (std::vector<std::string>{"create", "layout", "ready"}));
        EXPECT_TRUE(view.busyWhenLaidOut);
        EXPECT_FALSE(view.busyWhenReady);
        EXPECT_FALSE(sheet.Busy());
        EXPECT_EQ(sheet.RowCount(), 4);
        // Measured by the view's measurer: "Type" and a blank.
        EXPECT_EQ(sheet.ColumnWidth(1), 5);
        EXPECT_EQ(view.destroyed, 0);
    }
    EXPECT_EQ(view.destroyed, 1);
}

TEST(SheetShow, CursorStartsOnTheInitialCell)
{
    auto overlay = ListOverlay();
    const std::int32_t value = CellIdOfName("CL_Aad_Value");
    FakeSheetView view;
    cuiSheet sheet(&view, nullptr, value, 2, overlay->Store(), "S", nullptr);
    sheet.Show();
    EXPECT_EQ(view.calls, (std::vector<std::string>{"create", "layout", "cursor 2,3", "ready"}));

    // An initial cell that is not on the sheet leaves the cursor where the
    // grid put it.
    FakeSheetView other;
    cuiSheet missing(&other, nullptr, value, 7, overlay->Store(), "S", nullptr);
    missing.Show();
    EXPECT_EQ(other.calls, (std::vector<std::string>{"create", "layout", "ready"}));
    EXPECT_EQ(other.CursorColumn(), 1);
    EXPECT_EQ(other.CursorRow(), 1);
}

TEST(SheetShow, SavedPositionWinsWhenItFits)
{
    auto overlay = ListOverlay("(FixedRows=1)(FixedCols=1)");
    const std::int32_t type = CellIdOfName("CL_Aad_Type");

    FakeSheetView view;
    cuiSheet sheet(&view, nullptr, type, 0, overlay->Store(), "S", nullptr);
    sheet.SetSavedPosition({2, 2, 1, 2});
    sheet.Show();
    EXPECT_EQ(view.calls, (std::vector<std::string>{"create", "layout", "topleft 1,2", "cursor 2,2", "ready"}));

    // A scroll position beyond a grid that has shrunk is brought back in.
    FakeSheetView shrunk;
    cuiSheet clamped(&shrunk, nullptr, 0, 0, overlay->Store(), "S", nullptr);
    clamped.SetSavedPosition({1, 3, 9, -4});
    clamped.Show();
    EXPECT_EQ(shrunk.calls, (std::vector<std::string>{"create", "layout", "topleft 2,1", "cursor 1,3", "ready"}));

    // Outside the grid the saved position is forgotten and the initial cell
    // applies; on a label it is ignored.
    FakeSheetView outside;
    cuiSheet forgotten(&outside, nullptr, type, 1, overlay->Store(), "S", nullptr);
    forgotten.SetSavedPosition({3, 1, 0, 0});
    forgotten.Show();
    EXPECT_EQ(outside.calls, (std::vector<std::string>{"create", "layout", "cursor 1,2", "ready"}));
    EXPECT_EQ(forgotten.SavedPosition().column, -1);

    FakeSheetView label;
    cuiSheet onLabel(&label, nullptr, type, 1, overlay->Store(), "S", nullptr);
    onLabel.SetSavedPosition({0, 1, 0, 0});
    onLabel.Show();
    EXPECT_EQ(label.calls, (std::vector<std::string>{"create", "layout", "ready"}));
}

TEST(SheetShow, SheetWithoutSelectableCellDisablesTheGrid)
{
    auto overlay = SheetOverlay({"Model|{(%CL_CloneInfo_Model)}", "Revision|{(%CL_CloneInfo_Revision)}"});
    FakeSheetView view;
    cuiSheet sheet(&view, nullptr, 0, 0, overlay->Store(), "S", nullptr);
    sheet.Show();
    EXPECT_EQ(view.calls, (std::vector<std::string>{"create", "layout", "disable", "ready"}));
}

int CountingHandler(void* context, cmcCellCapsule& request, bool notify)
{
    ++*static_cast<int*>(context);
    request.displayText = notify ? "notified" : "quiet";
    return celleditor::kInPlace;
}

TEST(SheetShow, RequestsGoToTheCellHandler)
{
    auto overlay = ListOverlay();
    cmcCellCapsule opener;
    opener.key = cellkey::kEnter;
    cuiSheet sheet(nullptr, &opener, 0, 0, overlay->Store(), "S", nullptr);
    int calls = 0;
    sheet.SetCellHandler(&CountingHandler, &calls);
    sheet.Show();

    cmcCellCapsule request;
    request.cell = &sheet.CellAt(1, 1);
    EXPECT_EQ(sheet.Dispatch(request, true), celleditor::kInPlace);
    EXPECT_EQ(request.displayText, "notified");
    EXPECT_EQ(calls, 1);
    // The sheet keeps its own copy of the opening request.
    ASSERT_NE(sheet.ContextRequest(), nullptr);
    EXPECT_NE(sheet.ContextRequest(), &opener);
    EXPECT_EQ(sheet.ContextRequest()->key, cellkey::kEnter);
}

TEST(SheetFactory, ReferenceChoosesTheSheetClass)
{
    auto overlay = SheetOverlay({"{S}A"}, "(NoPrint)(TitleString=Keys)");
    auto sheet = CreateSheet("[St_Common]S,Keys,1", nullptr, overlay->Store(), nullptr);
    ASSERT_NE(sheet, nullptr);
    EXPECT_NE(dynamic_cast<iuiSh_Common*>(sheet.get()), nullptr);
    EXPECT_EQ(sheet->Name(), "S");
    EXPECT_EQ(sheet->Argument(), "Keys,1");
    EXPECT_EQ(sheet->Reference(), "[St_Common]S,Keys,1");
    sheet->Show();
    EXPECT_FALSE(sheet->IsPrintable());
    EXPECT_EQ(sheet->GetTitle(), "Keys");

    sheet = CreateSheet("[Other]S", nullptr, overlay->Store(), nullptr);
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(dynamic_cast<iuiSh_Common*>(sheet.get()), nullptr);
    EXPECT_EQ(sheet->Argument(), "");

    EXPECT_EQ(CreateSheet("[St_ChBank]S,1", nullptr, overlay->Store(), nullptr), nullptr);
}

TEST(SheetTable, CellsAndWidthsForTextOutput)
{
    auto overlay = ListOverlay("(TitleString=AAD)(FixedRows=1)");
    SheetTable table;
    ASSERT_TRUE(table.Build("S", overlay->Store()));
    EXPECT_EQ(table.Title(), "AAD");
    EXPECT_EQ(table.Columns(), 3);
    EXPECT_EQ(table.Rows(), 4);
    EXPECT_EQ(table.FixedRows(), 1);
    EXPECT_EQ(table.Width(0), 4);  // "No." and a blank
    EXPECT_EQ(table.Width(2), 1);
    EXPECT_EQ(table.Height(3), 1);
    const std::int32_t value = CellIdOfName("CL_Aad_Value");
    for (int row = 1; row <= 3; ++row) {
        EXPECT_EQ(table.Cell(0, row).Caption(), "0");  // captions repeat unchanged
        EXPECT_EQ(table.Cell(2, row).cellId, value);
        EXPECT_EQ(table.Cell(2, row).category, CT_Aad);
        EXPECT_EQ(table.Cell(2, row).index, row - 1);
    }

    SheetTable none;
    EXPECT_FALSE(none.Build("[St_ChBank]S", overlay->Store()));
    EXPECT_FALSE(none.Built());

    // A settings page shows its SACC rows after the image given.
    overlay = SheetOverlay({"A", ":(Only_SACC 1)", "B"});
    cmcEeprom image;
    image.SetSize(0x4000);
    SheetTable page;
    ASSERT_TRUE(page.Build("[St_Common]S", overlay->Store(), &image));
    EXPECT_EQ(page.Rows(), 1);
    image.SetByte(kSaccOptionAddress, kSaccOptionBit);
    ASSERT_TRUE(page.Build("[St_Common]S", overlay->Store(), &image));
    EXPECT_EQ(page.Rows(), 2);
}

}  // namespace
}  // namespace xtr
