// cuiMenu over a recording menu view: how items nest, what they show, how
// their states follow their cells, and how the main menu's Edit item
// mirrors the pop-up menu of a grid.
#include "menu_fixture.h"

#include "cells/active_cell.h"
#include "cells/cell_names.h"
#include "support/recording_menu_view.h"
#include "ui/model/menu_builder.h"
#include "ui/model/popup_query.h"

namespace xtr::test {
namespace {

const char kMenus[] =
    "#GI_M_BasicCell\n{}\n"
    "#GI_M_Body\n"
    "+&File\n"
    "   +{(%CL_Menu_File_New:Ctrl+N)(ImageIndex=0)}&New\n"
    "   +-\n"
    "   +{(%CL_Menu_File_Save)}&Save\n"
    "   +{(%CL_Menu_File_Recent[0])}(none)\n"
    "   +{(%CL_Menu_File_Recent[1])}Recent 2\n"
    "+{(%CL_Menu_Edit_Top)}&Edit\n"
    "+&View\n"
    " +&More\n"
    "         +{(%CL_Menu_File_Exit:Ctrl+Q)}E&xit\n"
    "#GI_P_BasicCell\n{}\n"
    "#GI_P_Body\n"
    "+{(%CT_PopupMenu.CL_PMenu_Edit)}&Edit Value\n"
    "+-\n"
    "+{(%CT_PopupMenu.CL_PMenu_Delete)}De&lete Rows\n"
    "#GI_PMenu_NoItem_BasicCell\n{}\n"
    "#GI_PMenu_NoItem_Body\n+{(%CL_PMenu_NoItem)}(nothing)\n";

class MenuBuilder : public MenuTest {
protected:
    MenuBuilder() : MenuTest(kMenus) {}

    // A grid whose pop-up builder is `popup` and whose cursor is on `cell`.
    struct Grid {
        const cuiMenu* popup = nullptr;
        cmcCellObj cursor;
        int asked = 0;
        static void Listen(void* context, const cmcEvent& event)
        {
            auto* grid = static_cast<Grid*>(context);
            if (event.type == kEvQueryCursorCell && grid->popup != nullptr && event.object == grid->popup->QueryId()) {
                ++grid->asked;
                AnswerCursorCell(EvMan(), grid->cursor);
            }
        }
    };

    RecordingMenuView view;
};

TEST_F(MenuBuilder, ItemsNestByIndentationWhateverTheDifference)
{
    cuiMenu menu(nullptr, view, Texts(), "GI_M");
    menu.Build();
    EXPECT_EQ(view.Captions(), (std::vector<std::string>{"&File", "&Edit", "&View"}));
    const MenuItemId file = view.Named("&File");
    EXPECT_EQ(view.Captions(file), (std::vector<std::string>{"&New", "-", "&Save", "(none)", "Recent 2"}));
    const MenuItemId more = view.Named("&More", view.Named("&View"));
    EXPECT_EQ(view.Captions(more), (std::vector<std::string>{"E&xit"}));

    // Building again replaces the items instead of adding to them.
    menu.Build();
    EXPECT_EQ(view.Captions(), (std::vector<std::string>{"&File", "&Edit", "&View"}));
    EXPECT_EQ(view.items.size(), 10u);
}

TEST_F(MenuBuilder, SeparatorsShortcutsAndImagesComeFromTheDescriptions)
{
    cuiMenu menu(nullptr, view, Texts(), "GI_M");
    menu.Build();
    const MenuItemId file = view.Named("&File");
    const auto& items = view.Children(file);
    EXPECT_FALSE(view.At(items[0]).look.separator);
    EXPECT_EQ(view.At(items[0]).look.shortcut, "Ctrl+N");
    EXPECT_EQ(view.At(items[0]).look.imageIndex, 0);
    EXPECT_TRUE(view.At(items[1]).look.separator);
    EXPECT_EQ(view.At(items[2]).look.shortcut, "");  // no parameter, no shortcut
    EXPECT_EQ(view.At(items[2]).look.imageIndex, -1);
}

TEST_F(MenuBuilder, RefreshFollowsTheCellsAndAHiddenItemComesBack)
{
    cuiMenu menu(nullptr, view, Texts(), "GI_M");
    menu.Build();
    const MenuItemId file = view.Named("&File");
    const MenuItemId first = view.Children(file)[3];
    const MenuItemId second = view.Children(file)[4];

    events.Send(kEvRefreshMenus, 0, 0);
    EXPECT_FALSE(view.At(first).enabled);  // an empty list keeps its first place, disabled
    EXPECT_TRUE(view.At(first).visible);
    EXPECT_FALSE(view.At(second).visible);

    host.recent = {{0, "a.kcl"}, {1, "b.kcl"}};
    events.Send(kEvRefreshMenus, 0, 0);
    EXPECT_TRUE(view.At(first).enabled);
    EXPECT_TRUE(view.At(second).visible);  // the hidden bit was cleared before asking again
    EXPECT_EQ(view.At(first).look.caption, "&1 a.kcl");
    EXPECT_EQ(view.At(second).look.caption, "&2 b.kcl");

    host.recent.erase(1);
    events.Send(kEvRefreshMenus, 0, 0);
    EXPECT_FALSE(view.At(second).visible);
}

TEST_F(MenuBuilder, RefreshOfUnchangedItemsTellsTheViewNothing)
{
    cuiMenu menu(nullptr, view, Texts(), "GI_M");
    menu.Build();
    menu.Refresh();
    const int calls = view.calls;
    menu.Refresh();
    EXPECT_EQ(view.calls, calls);
}

TEST_F(MenuBuilder, ClickRunsTheCellWithEnterAndRefreshes)
{
    int owner = 0;
    cuiMenu menu(&owner, view, Texts(), "GI_M");
    menu.Build();
    const MenuItemId file = view.Named("&File");
    host.recent = {{1, "b.kcl"}};
    host.commands.clear();

    view.Click(view.Children(file)[0]);
    ASSERT_FALSE(host.commands.empty());
    EXPECT_EQ(host.commands[0].command, AppCommand::FileNew);
    EXPECT_EQ(menu.LastClickResult() & cellresult::kError, 0);
    EXPECT_TRUE(view.At(view.Children(file)[4]).visible);  // refreshed after the command

    // A command the program cannot run answers with the error bit.
    host.available = false;
    host.commands.clear();
    view.Click(view.Children(file)[2]);
    ASSERT_FALSE(host.commands.empty());
    EXPECT_EQ(host.commands.front().command, AppCommand::FileSave);
    EXPECT_NE(menu.LastClickResult() & cellresult::kError, 0);

    // Items without a cell (the File item itself) run nothing.
    const std::size_t before = host.commands.size();
    view.Click(file);
    EXPECT_EQ(host.commands.size(), before);
}

TEST_F(MenuBuilder, EditItemMirrorsThePopupMenuAndItsClicksGoToThePopupsHandler)
{
    cuiMenu main(nullptr, view, Texts(), "GI_M");
    main.Build();
    RecordingMenuView popupView;
    std::vector<std::int32_t> popupClicks;
    cuiMenu popup(nullptr, popupView, Texts(), "GI_P",
                  [&](const cmcCellObj& cell) { popupClicks.push_back(cell.cellId); });
    popup.Build();
    EXPECT_EQ(popupView.Captions(), (std::vector<std::string>{"&Edit Value", "-", "De&lete Rows"}));

    events.PostText(kEvFillSubMenu, popup.QueryId(), CL_Menu_Edit_Top, "GI_P");
    time->Advance(10);
    const MenuItemId edit = view.Named("&Edit");
    EXPECT_EQ(view.Captions(edit), (std::vector<std::string>{"&Edit Value", "-", "De&lete Rows"}));
    EXPECT_EQ(main.SubItemCount(CL_Menu_Edit_Top), 3);

    view.Click(view.Children(edit)[2]);
    EXPECT_EQ(popupClicks, (std::vector<std::int32_t>{CL_PMenu_Delete}));

    events.Post(kEvClearSubMenu, 0, CL_Menu_Edit_Top);
    time->Advance(10);
    EXPECT_TRUE(view.Children(edit).empty());
    EXPECT_EQ(popupView.Captions().size(), 3u);  // the pop-up menu keeps its own items
}

TEST_F(MenuBuilder, MirroredItemsAreAskedAboutTheCellUnderTheGridsCursor)
{
    cuiMenu main(nullptr, view, Texts(), "GI_M");
    main.Build();
    RecordingMenuView popupView;
    auto popup = std::make_unique<cuiMenu>(nullptr, popupView, Texts(), "GI_P", [](const cmcCellObj&) {});
    popup->Build();
    main.FillSubmenu(CL_Menu_Edit_Top, "GI_P", *popup);
    const MenuItemId deleteRows = view.Children(view.Named("&Edit"))[2];

    // Without a list row under a cursor the row command is not offered.
    main.Refresh();
    EXPECT_FALSE(view.At(deleteRows).enabled);

    Grid grid;
    grid.popup = popup.get();
    grid.cursor.category = CT_Conv;
    grid.cursor.cellId = CL_PersConv_FreqRx;
    grid.cursor.index = 3;
    events.Register(Grid::Listen, &grid);
    main.Refresh();
    EXPECT_TRUE(view.At(deleteRows).enabled);
    EXPECT_EQ(grid.asked, 1);  // once for the run of mirrored items

    // A pop-up builder that goes takes its mirrored items with it, and a
    // fill that names it later is ignored.
    const cuiMenu* gone = popup.get();
    grid.popup = nullptr;
    popup.reset();
    EXPECT_TRUE(view.Children(view.Named("&Edit")).empty());
    EXPECT_FALSE(cuiMenu::Alive(gone));
    events.PostText(kEvFillSubMenu, EvObject(gone), CL_Menu_Edit_Top, "GI_P");
    time->Advance(10);
    EXPECT_TRUE(view.Children(view.Named("&Edit")).empty());
    events.Unregister(Grid::Listen, &grid);
}

TEST_F(MenuBuilder, PlaceholderOfAnEmptyEditMenuShowsOnlyAsItsSingleEntry)
{
    cuiMenu main(nullptr, view, Texts(), "GI_M");
    main.Build();
    main.FillSubmenu(CL_Menu_Edit_Top, "GI_PMenu_NoItem", main);
    const MenuItemId placeholder = view.Children(view.Named("&Edit"))[0];
    host.editEntries = 1;
    main.Refresh();
    EXPECT_TRUE(view.At(placeholder).visible);
    EXPECT_FALSE(view.At(placeholder).enabled);
    host.editEntries = 4;
    main.Refresh();
    EXPECT_FALSE(view.At(placeholder).visible);
}

}  // namespace
}  // namespace xtr::test
