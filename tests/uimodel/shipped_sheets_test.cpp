// The pages of the shipped overlay, seen as the technician sees them: every
// page the navigation tree opens builds in both numbering variants, every
// field on it answers through the real cell dispatch, every choice list a
// field opens is a complete sheet whose every choice the field can hold,
// and the check list marks pages the tree has.
#include "app/environ.h"
#include "app/globals.h"
#include "app/local_instance_guard.h"
#include "app/memory_settings.h"
#include "cells/active_cell.h"
#include "cells/cell_description.h"
#include "cells/cell_names.h"
#include "cells/fcache.h"
#include "cells/ui_seams.h"
#include "image/clone_file.h"
#include "image/eeprom.h"
#include "overlay/gtex.h"
#include "support/fake_cell_host.h"
#include "support/overlay_guard.h"
#include "support/scripted_cell_ui.h"
#include "support/scripted_messages.h"
#include "ui/model/body_lines.h"
#include "ui/model/sheet_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace xtr {
namespace {

using test::FakeCellHost;
using test::OverlayGuard;
using test::RecordingCellCanvas;
using test::ScriptedCellUi;
using test::ScriptedMessages;

// Body lines of an entry, up to the header of the next one.
std::vector<std::string> BodyLines(cmcGTex& texts, const std::string& entry)
{
    return ReadBodyLines(texts, entry);
}

std::string Name(std::int32_t id)
{
    return std::string(CellName(id));
}

// A node or menu line: the description after the first "+".
cmcCellObj ParseItemLine(const std::string& line)
{
    cmcCellObj cell;
    ParseCellDescription(SplitBodyLine(line).description, cell, nullptr, nullptr);
    return cell;
}

struct TreePage {
    std::string caption;
    std::string reference;
    bool makerOnly = false;
};

std::vector<TreePage> TreePages(cmcGTex& texts)
{
    std::vector<TreePage> pages;
    for (const std::string& line : BodyLines(texts, "GI_Tree_Main_Body")) {
        const cmcCellObj cell = ParseItemLine(line);
        EXPECT_EQ(cell.cellId, CallSheet) << line;
        pages.push_back({cell.Caption(), cell.parameter.value_or(""), (cell.state & state::kChecked) != 0});
    }
    return pages;
}

// The shipped overlay, the settings with a numbering variant, a cell host
// with an image, and scripted boxes and drop-down lists.
class ShippedPages : public ::testing::TestWithParam<int> {
protected:
    ShippedPages()
        : overlay_(OverlayGuard::Shipped()),
          env_(kEnvironGuardName, kEnvironPerUserKey, EnvironServices{&settings_, &guard_, ScreenSize{1024, 768}}),
          host(overlay_->Store())
    {
        previousEnv_ = SetEnv(&env_);
        env_.modelType = GetParam();
        env_.attached = 1;
    }
    indEnviron* previousEnv_ = nullptr;  // put back on destruction
    ~ShippedPages() override { SetEnv(previousEnv_); }

    cmcGTex& Texts() { return overlay_->Store(); }

    // Dispatches key (0: only show) to a copy of cell as the grid does.
    cmcCellCapsule Press(const cmcCellObj& cell, std::int32_t key)
    {
        canvas_.color = 0x80000008;
        cmcCellObj asked = cell;
        cmcCellCapsule rq;
        rq.cell = &asked;
        rq.grid = &gridToken_;
        rq.canvas = &canvas_;
        rq.key = key;
        indActiveCell active(host);
        active.Dispatch(rq, false);
        rq.cell = nullptr;
        return rq;
    }

    // The last answer was an indication (a field that is off or empty)
    // rather than a value.
    bool Indicated() const { return canvas_.color == kColorIndication; }

    void FillImage(std::uint8_t byte)
    {
        for (std::int32_t a = 0; a < 0x4000; ++a) {
            host.CurrentImage().SetByte(a, byte);
        }
    }

    // The first cell of each kind (category and cell id) on every page.
    std::vector<cmcCellObj> DistinctFields()
    {
        std::vector<cmcCellObj> fields;
        std::set<std::pair<std::uint32_t, std::int32_t>> seen;
        for (const TreePage& page : TreePages(Texts())) {
            SheetTable table;
            table.Build(page.reference, Texts(), &host.CurrentImage());
            for (int r = 0; r < table.Rows(); ++r) {
                for (int c = 0; c < table.Columns(); ++c) {
                    const cmcCellObj& cell = table.Cell(c, r);
                    if (cell.IsSelectable() && seen.insert({cell.category, cell.cellId}).second) {
                        fields.push_back(cell);
                    }
                }
            }
        }
        return fields;
    }

    MemorySettings settings_;
    LocalInstanceGuard guard_;
    std::unique_ptr<OverlayGuard> overlay_;
    indEnviron env_;

public:
    FakeCellHost host;
    ScriptedMessages messages;
    ScriptedCellUi ui;

private:
    RecordingCellCanvas canvas_;
    int gridToken_ = 0;
};

TEST_P(ShippedPages, EveryTreeNodeOpensItsOwnPageWithTitleAndFields)
{
    std::set<std::string> references;
    for (const TreePage& page : TreePages(Texts())) {
        SCOPED_TRACE(page.reference);
        EXPECT_FALSE(page.caption.empty());
        EXPECT_TRUE(references.insert(page.reference).second) << "two nodes open the same page";
        SheetTable table;
        ASSERT_TRUE(table.Build(page.reference, Texts(), &host.CurrentImage()));
        const std::string title = table.Title();
        EXPECT_FALSE(title.empty());
        // A style item ends at the first ")": a title holding parentheses
        // would lose its end.
        EXPECT_EQ(std::count(title.begin(), title.end(), '('), std::count(title.begin(), title.end(), ')')) << title;
        int selectable = 0;
        for (int r = 0; r < table.Rows(); ++r) {
            EXPECT_GT(table.Height(r), 0) << "row " << r;
            for (int c = 0; c < table.Columns(); ++c) {
                const cmcCellObj& cell = table.Cell(c, r);
                if (cell.IsSelectable()) {
                    ++selectable;
                    EXPECT_NE(cell.cellId, kCellNone) << "a label the cursor stops on, row " << r;
                }
            }
        }
        EXPECT_GT(selectable, 0);
    }
    EXPECT_GE(references.size(), 25u);
}

TEST_P(ShippedPages, EveryFieldAnswersOnBlankAndErasedImages)
{
    for (std::uint8_t fill : {std::uint8_t{0x00}, std::uint8_t{0xFF}}) {
        FillImage(fill);
        for (const TreePage& page : TreePages(Texts())) {
            SheetTable table;
            table.Build(page.reference, Texts(), &host.CurrentImage());
            for (int r = 0; r < table.Rows(); ++r) {
                for (int c = 0; c < table.Columns(); ++c) {
                    const cmcCellObj& cell = table.Cell(c, r);
                    if (cell.cellId == kCellNone) {
                        continue;
                    }
                    // A cell without behaviour would show its number and
                    // "*Yet*" to the technician.
                    EXPECT_FALSE(IsYetCell(cell.cellId)) << page.reference << " " << Name(cell.cellId);
                    const std::string shown = Press(cell, 0).displayText;
                    EXPECT_EQ(shown.find("*Yet*"), std::string::npos) << page.reference << " " << shown;
                }
            }
        }
    }
}

// The factory settings a technician starts from show a choice of its list
// in every selection field of every page.
TEST_P(ShippedPages, FactorySettingsShowAChoiceInEveryField)
{
    const std::string path =
        std::string(XTR_SOURCE_DATA_DIR) + (GetParam() == 1 ? "/XTR450CPS.kcl" : "/XTR450MPT.kcl");
    cmcKclFile file;
    file.SetImage(&host.CurrentImage());
    file.SetModelCode(0x2527);
    file.SetMapRevisionCheck(AcceptKnownMapRevision, nullptr);
    ASSERT_EQ(file.Read(path), kKclOk) << path;
    for (const TreePage& page : TreePages(Texts())) {
        SheetTable table;
        table.Build(page.reference, Texts(), &host.CurrentImage());
        for (int r = 0; r < table.Rows(); ++r) {
            for (int c = 0; c < table.Columns(); ++c) {
                const cmcCellObj& cell = table.Cell(c, r);
                if (cell.cellId != kCellNone) {
                    EXPECT_NE(Press(cell, 0).displayText, "error")
                        << page.reference << " " << Name(cell.cellId) << "[" << cell.index << "]";
                }
            }
        }
    }
}

// Enter on a selection field opens its list beside it; the list must be a
// sheet of its own, and stepping with Space must reach every choice and
// read each back as itself (a value the field cannot hold reads back as
// another choice or as "error").
TEST_P(ShippedPages, ChoiceListsAreCompleteAndEveryChoiceFits)
{
    int lists = 0;
    for (const cmcCellObj& field : DistinctFields()) {
        const std::size_t opened = ui.opened.size();
        Press(field, '\r');
        if (ui.opened.size() == opened) {
            continue;
        }
        ++lists;
        const ScriptedCellUi::DropDown drop = ui.opened.back();
        SCOPED_TRACE(std::string(Name(field.cellId)) + " " + drop.list);

        SheetTable list;
        ASSERT_TRUE(list.Build(drop.list, Texts()));
        // The cursor of the list stops only on choices (the tone list also
        // offers the entry of a DTCS code).
        int items = 0;
        for (int r = 0; r < list.Rows(); ++r) {
            for (int c = 0; c < list.Columns(); ++c) {
                const cmcCellObj& cell = list.Cell(c, r);
                if (cell.IsSelectable()) {
                    items += cell.cellId == drop.itemCell ? 1 : 0;
                    EXPECT_TRUE(cell.cellId == drop.itemCell || cell.cellId == FlexDtcs) << Name(cell.cellId);
                }
            }
        }

        const cmcFCache::Table& table = host.SelectionLists().TableOf(drop.list, drop.itemCell);
        ASSERT_GE(table.byLayout.size(), 2u);
        EXPECT_EQ(static_cast<std::size_t>(items), table.byLayout.size()) << "items the cursor cannot reach";
        std::set<std::string> captions;
        for (const cmcFCache::Item& item : table.byLayout) {
            captions.insert(item.caption);
        }
        std::set<std::string> seen;
        bool shownOtherwise = false;
        for (std::size_t i = 0; i <= table.byLayout.size(); ++i) {
            const std::string shown = Press(field, ' ').displayText;
            // A transmit tone equal to the receive tone shows an arrow; a
            // status that is not the query status shows an indication.
            if (shown == "<-" || Indicated()) {
                shownOtherwise = true;
                continue;
            }
            EXPECT_EQ(captions.count(shown), 1u) << "shown: " << shown;
            seen.insert(shown);
        }
        if (!shownOtherwise) {
            EXPECT_EQ(seen, captions);
        }
    }
    EXPECT_GE(lists, 20);
}

TEST_P(ShippedPages, SetModeChoicesShowOnlyWhenTheFactoryAllowsSetMode)
{
    const std::set<std::int32_t> enables = {
        CL_Set_BacklightEnable,  CL_Set_RingerSetEnable,     CL_Set_BeepLevelSetEnable, CL_Set_SquelchSetEnable,
        CL_Set_AFMinLevelSetEnable, CL_Set_CompanderEnable,  CL_Set_MicGainEnable,      CL_Set_ScramblerEnable,
        CL_Set_HookEnable,       CL_Set_HornEnable,          CL_Set_SysInfoEnable};
    for (const bool allowed : {false, true}) {
        host.CurrentImage().SetByte(0x000B, allowed ? 0x08 : 0x00);
        SheetTable table;
        ASSERT_TRUE(table.Build("[St_Common]GI_Sheet_SetMode", Texts(), &host.CurrentImage()));
        std::set<std::int32_t> found;
        bool levels = false;
        for (int r = 0; r < table.Rows(); ++r) {
            for (int c = 0; c < table.Columns(); ++c) {
                const std::int32_t id = table.Cell(c, r).cellId;
                if (enables.count(id) != 0) {
                    found.insert(id);
                }
                levels = levels || id == CL_Set_Horn;
            }
        }
        EXPECT_TRUE(levels);
        EXPECT_EQ(found, allowed ? enables : std::set<std::int32_t>{}) << allowed;
    }
}

INSTANTIATE_TEST_SUITE_P(BothNumberings, ShippedPages, ::testing::Values(0, 1),
                         [](const ::testing::TestParamInfo<int>& info) { return info.param == 0 ? "Mpt" : "Cps"; });

class ShippedNavigation : public ShippedPages {};

// Every setting the radio holds must be reachable on some page; the maker's
// settings only on the pages that maker mode adds to the tree.
TEST_P(ShippedNavigation, EverySettingHasAPageAndMakerSettingsOnlyMakerPages)
{
    host.CurrentImage().SetByte(0x000B, 0x08);  // set mode offered: all its rows shown
    std::set<std::int32_t> placed;
    for (const TreePage& page : TreePages(Texts())) {
        SheetTable table;
        table.Build(page.reference, Texts(), &host.CurrentImage());
        for (int r = 0; r < table.Rows(); ++r) {
            for (int c = 0; c < table.Columns(); ++c) {
                const std::int32_t id = table.Cell(c, r).cellId;
                placed.insert(id);
                if (id >= CL_Maker_SqlDelay_Op && id <= CL_Maker_SetModeAccess) {
                    EXPECT_TRUE(page.makerOnly) << page.reference << " shows " << Name(id);
                }
            }
        }
    }
    for (std::int32_t id = CL_Person_OwnPrefix; id <= CL_Maker_SetModeAccess; ++id) {
        // The scrambler code of a set-mode choice is shown inside its list;
        // the scan tag of a channel has no place in the radio's channel row,
        // so a page offering it would lose every change.
        if (IsYetCell(id) || IsNoOpCell(id) || id == CL_ScrmSel || id == CL_PersConv_ScanTag) {
            continue;
        }
        EXPECT_EQ(placed.count(id), 1u) << Name(id) << " is on no page";
    }
}

TEST_P(ShippedNavigation, CheckListMarksPagesOfTheTree)
{
    std::set<std::string> references;
    for (const TreePage& page : TreePages(Texts())) {
        references.insert(page.reference);
    }
    std::set<std::int32_t> checks;
    for (const std::string& line : BodyLines(Texts(), "GI_WarningCheckList")) {
        cmcCellObj cell;
        ParseCellDescription(line, cell, nullptr, nullptr);
        EXPECT_TRUE(Name(cell.cellId).rfind("CL_Check_", 0) == 0) << line;
        EXPECT_EQ(references.count(cell.parameter.value_or("")), 1u) << line;
        checks.insert(cell.cellId);
        Press(cell, 0);  // runs on an empty image without ending the program
    }
    EXPECT_EQ(checks.size(), static_cast<std::size_t>(CL_Check_SetMode_Scrm - CL_Check_Person_Identity_Cps + 1));
}

// The commands of the main menu and the tool bar: every command reachable
// from the menu, shortcuts where they are expected, images from the lists
// the main form builds.
TEST_P(ShippedNavigation, MenuReachesEveryCommandAndToolBarUsesItsImages)
{
    std::map<std::int32_t, std::set<std::int32_t>> indexes;
    std::map<std::int32_t, std::string> shortcuts;
    for (const std::string& line : BodyLines(Texts(), "GI_Menu_Main_Body")) {
        const cmcCellObj cell = ParseItemLine(line);
        EXPECT_FALSE(cell.Caption().empty()) << line;
        if (cell.cellId != kCellNone) {
            indexes[cell.cellId].insert(cell.index);
            shortcuts.emplace(cell.cellId, cell.parameter.value_or(""));  // the first item of a cell
        }
    }
    for (std::int32_t id = CL_Menu_File_New; id <= CL_Menu_Clone_Info; ++id) {
        EXPECT_EQ(indexes.count(id), 1u) << Name(id);
    }
    for (std::int32_t id = CL_Menu_File_RestoreBackup; id <= CL_Menu_Clone_Options; ++id) {
        EXPECT_EQ(indexes.count(id), 1u) << Name(id);
    }
    EXPECT_EQ(indexes.count(CL_Help_About), 1u);
    EXPECT_EQ(indexes.count(CL_Help_Contents), 1u);
    EXPECT_EQ(indexes[CL_Menu_File_Recent].size(), 10u);
    EXPECT_EQ(indexes[CL_Menu_Port_SpeedHigh], (std::set<std::int32_t>{0, 1}));
    EXPECT_TRUE(indexes[CL_Menu_View_FontSize].count(100));
    // Index 1 of the print commands is their preview.
    EXPECT_EQ(indexes[CL_Menu_File_Print_Current], (std::set<std::int32_t>{0, kPrintPreviewArgument}));
    EXPECT_EQ(indexes[CL_Menu_File_Print_All], (std::set<std::int32_t>{0, kPrintPreviewArgument}));
    EXPECT_EQ(shortcuts[CL_Menu_File_New], "Ctrl+N");
    EXPECT_EQ(shortcuts[CL_Menu_File_Open], "Ctrl+O");
    EXPECT_EQ(shortcuts[CL_Menu_File_Save], "Ctrl+S");
    EXPECT_EQ(shortcuts[CL_Menu_File_Print_Current], "Ctrl+P");

    for (const std::string& line : BodyLines(Texts(), "GI_ToolBar_Main_Body")) {
        cmcCellObj cell;
        ParseCellDescription(line, cell, nullptr, nullptr);
        if (cell.Caption() != "-" && cell.Caption() != "/") {
            EXPECT_GE(cell.imageIndex, 0) << line;
            EXPECT_LE(cell.imageIndex, 12) << line;
        }
    }
    for (const std::string& line : BodyLines(Texts(), "GI_Tree_Main_Body")) {
        const cmcCellObj cell = ParseItemLine(line);
        // Images 8 and 9 of the tree list are the warning and error marks.
        EXPECT_GE(cell.imageIndex, 0) << line;
        EXPECT_LE(cell.imageIndex, 7) << line;
    }
    for (const char* menu : {"GI_PMenu_NoItem", "GI_PMenu_Cell", "GI_PMenu_Row", "GI_PMenu_RowFixed"}) {
        cmcCellObj basic;
        ParseCellDescription(Texts().FirstLine(std::string(menu) + "_BasicCell"), basic, nullptr, nullptr);
        EXPECT_FALSE(BodyLines(Texts(), std::string(menu) + "_Body").empty()) << menu;
    }
}

INSTANTIATE_TEST_SUITE_P(BothNumberings, ShippedNavigation, ::testing::Values(0, 1),
                         [](const ::testing::TestParamInfo<int>& info) { return info.param == 0 ? "Mpt" : "Cps"; });

}  // namespace
}  // namespace xtr
