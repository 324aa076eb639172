// cuiToolBar over a recording view: buttons, separators and rows, the
// states on event 20 and the click.
#include "menu_fixture.h"

#include "cells/cell_capsule.h"
#include "cells/cell_names.h"
#include "support/recording_tool_bar_view.h"
#include "ui/model/tool_bar.h"

namespace xtr::test {
namespace {

const char kBar[] =
    "#GI_B_BasicCell\n{}\n"
    "#GI_B_Body\n"
    "{(%CL_Menu_File_New)(ImageIndex=0)}New file\n"
    "-\n"
    "{(%CL_Menu_File_Print_Current)(ImageIndex=2)}Print\n"
    "/\n"
    "{(%CL_Menu_Port_Com[2])(ImageIndex=4)}Port 2\n";

class ToolBar : public MenuTest {
protected:
    ToolBar() : MenuTest(kBar) {}
    RecordingToolBarView view;
};

TEST_F(ToolBar, ButtonsAreMadeFromTheLastLineAndShowInLineOrder)
{
    cuiToolBar bar(nullptr, view, Texts(), "GI_B");
    bar.Build();
    EXPECT_EQ(view.created, (std::vector<int>{4, 3, 2, 1, 0}));
    // The "/" line ends the first row; the buttons after it start the next.
    EXPECT_EQ(view.Rows(), (std::vector<std::vector<int>>{{0, 1, 2, 3}, {4}}));

    EXPECT_EQ(view.At(0).look.hint, "New file");
    EXPECT_EQ(view.At(0).look.imageIndex, 0);
    EXPECT_EQ(view.At(1).look.kind, ToolButtonLook::Kind::Separator);
    EXPECT_EQ(view.At(1).look.width, 8);
    EXPECT_EQ(view.At(3).look.kind, ToolButtonLook::Kind::RowBreak);
    EXPECT_EQ(view.At(3).look.width, 1);
    EXPECT_EQ(bar.ButtonCell(1), nullptr);
    ASSERT_NE(bar.ButtonCell(4), nullptr);
    EXPECT_EQ(bar.ButtonCell(4)->index, 2);

    bar.Build();  // a rebuild replaces the buttons
    EXPECT_EQ(view.buttons.size(), 5u);
}

TEST_F(ToolBar, RefreshPressesCheckedButtonsAndDisablesRefusedOnes)
{
    cuiToolBar bar(nullptr, view, Texts(), "GI_B");
    bar.Build();
    events.Send(kEvRefreshToolBar, 0, 0);
    // Nothing to print: the print button is disabled; the others are up.
    EXPECT_FALSE(view.At(2).enabled);
    EXPECT_TRUE(view.At(0).enabled);
    EXPECT_FALSE(view.At(4).down);
}

TEST_F(ToolBar, ClickRunsTheButtonsCellWithEnter)
{
    cuiToolBar bar(nullptr, view, Texts(), "GI_B");
    bar.Build();
    view.Click(0);
    ASSERT_EQ(host.commands.size(), 1u);
    EXPECT_EQ(host.commands[0].command, AppCommand::FileNew);
    host.available = false;
    view.Click(0);
    EXPECT_NE(bar.LastClickResult() & cellresult::kError, 0);
    view.Click(1);  // a separator runs nothing
    EXPECT_EQ(host.commands.size(), 2u);

    std::vector<std::int32_t> clicked;
    bar.Build([&](const cmcCellObj& cell) { clicked.push_back(cell.cellId); });
    view.Click(4);
    EXPECT_EQ(clicked, (std::vector<std::int32_t>{CL_Menu_Port_Com}));
}

}  // namespace
}  // namespace xtr::test
