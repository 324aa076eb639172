// cuiTree over a recording view: nodes, markers, node removal and the
// delayed change of the selection.
#include "menu_fixture.h"

#include "cells/checks/check_list.h"
#include "support/recording_tree_view.h"
#include "ui/model/tree.h"

namespace xtr::test {
namespace {

const char kTree[] =
    "#GI_T_BasicCell\n{(Font=,Serif,,,11)(Color=clYellow)}\n"
    "#GI_T_Body\n"
    "+{(%CallSheet:[St_Common]Top)(ImageIndex=0)}Top\n"
    "  +{(%CallSheet:[St_Common]A)(ImageIndex=2)}A\n"
    "  +{(ImageIndex=1)}Folder\n"
    "     +{(%CallSheet:[St_Common]Inner)(ImageIndex=3)}Inner\n"
    " +{(%CallSheet:[St_Common]B)(Flag2=1)}B\n"
    "+{(%CallSheet:[St_Common]Second)(Flag0=1)}Second\n"
    "  +{(ImageIndex=1)(Flag0=1)}Folder 2\n"
    "    +{(%CallSheet:[St_Common]Deep)(Flag0=1)}Deep\n";

class Tree : public MenuTest {
protected:
    Tree() : MenuTest(kTree)
    {
        auto owned = std::make_unique<RecordingTreeView>();
        view = owned.get();
        tree = std::make_unique<cuiTree>(std::move(owned), Texts(), "GI_T");
        tree->Build();
    }

    TreeNodeId Node(const std::string& text)
    {
        for (TreeNodeId id : tree->FlatOrder()) {
            if (tree->CellOf(id)->Caption() == text) {
                return id;
            }
        }
        ADD_FAILURE() << "no node " << text;
        return kNoNode;
    }
    int Overlay(const std::string& text) { return view->At(Node(text)).overlay; }

    RecordingTreeView* view = nullptr;
    std::unique_ptr<cuiTree> tree;
};

TEST_F(Tree, NodesNestWithTheirTextsImagesAndTheBasicCellsLook)
{
    std::vector<std::pair<std::string, int>> shape;
    for (TreeNodeId id : tree->FlatOrder()) {
        shape.emplace_back(view->At(id).text, tree->DepthOf(id));
    }
    EXPECT_EQ(shape, (std::vector<std::pair<std::string, int>>{
                         {"Top", 0}, {"A", 1}, {"Folder", 1}, {"Inner", 2}, {"B", 1},
                         {"Second", 0}, {"Folder 2", 1}, {"Deep", 2}}));
    EXPECT_EQ(view->At(Node("Inner")).parent, Node("Folder"));
    EXPECT_EQ(view->At(Node("Inner")).image, 3);
    EXPECT_EQ(view->At(Node("B")).image, -1);
    EXPECT_TRUE(view->At(Node("Top")).expanded);  // only the first node
    EXPECT_FALSE(view->At(Node("Second")).expanded);
    ASSERT_TRUE(view->hasFont);
    EXPECT_EQ(view->font.face, "Serif");
    EXPECT_EQ(view->color, 0x00FFFFu);
}

TEST_F(Tree, WarningInACollapsedFolderMarksTheFolderUntilItIsExpanded)
{
    tree->Mark({"[st_common]inner"}, {});  // letter case does not matter
    EXPECT_EQ(Overlay("Folder"), kOverlayWarning);
    EXPECT_EQ(Overlay("Inner"), kOverlayWarning);
    EXPECT_EQ(Overlay("Top"), kOverlayNone);  // expanded: its own sheet is fine
    EXPECT_EQ(Overlay("A"), kOverlayNone);

    tree->SetExpanded(Node("Folder"), true);
    tree->Mark({"[St_Common]Inner"}, {});
    EXPECT_EQ(Overlay("Folder"), kOverlayNone);
    EXPECT_EQ(Overlay("Inner"), kOverlayWarning);

    tree->Mark({}, {});
    EXPECT_EQ(Overlay("Inner"), kOverlayNone);
}

TEST_F(Tree, ErrorWinsOverAWarningOnTheSameNodeAndOnItsFolder)
{
    tree->Mark({"[St_Common]Inner", "[St_Common]A"}, {"[St_Common]Inner"});
    EXPECT_EQ(Overlay("Inner"), kOverlayError);
    EXPECT_EQ(Overlay("Folder"), kOverlayError);
    EXPECT_EQ(Overlay("A"), kOverlayWarning);
}

TEST_F(Tree, MarkersOfEveryTopLevelSubtreeAreRenewed)
{
    tree->Mark({"[St_Common]Deep"}, {});
    EXPECT_EQ(Overlay("Second"), kOverlayWarning);  // collapsed, holds the warning
    tree->Mark({}, {});
    EXPECT_EQ(Overlay("Second"), kOverlayNone);
    EXPECT_EQ(Overlay("Deep"), kOverlayNone);
}

TEST_F(Tree, CheckListResultMarksOnlyWhenItsLastLineNamesASheet)
{
    CheckListResult problems;
    problems.warningSheets = {"[St_Common]A"};
    tree->Mark(problems);
    EXPECT_EQ(Overlay("A"), kOverlayNone);
    problems.lastHasParameter = true;
    tree->Mark(problems);
    EXPECT_EQ(Overlay("A"), kOverlayWarning);
}

TEST_F(Tree, NodesOfAFlagGoWithEverythingBelowThem)
{
    tree->RemoveNodes(0);
    std::vector<std::string> left;
    for (TreeNodeId id : tree->FlatOrder()) {
        left.push_back(tree->CellOf(id)->Caption());
    }
    EXPECT_EQ(left, (std::vector<std::string>{"Top", "A", "Folder", "Inner", "B"}));
    EXPECT_EQ(view->order.size(), 5u);
    tree->RemoveNodes(2);
    EXPECT_EQ(tree->NodeCount(), 4);
    tree->RemoveNodes(1);  // no node has Flag1
    EXPECT_EQ(tree->NodeCount(), 4);
}

TEST_F(Tree, RemovingTheSelectedNodeSelectsTheOneBeforeIt)
{
    tree->Select(Node("Deep"));
    tree->RemoveNodes(0);
    EXPECT_EQ(tree->Selected(), Node("B"));
    EXPECT_EQ(view->selected, Node("B"));
}

TEST_F(Tree, SelectionIsReportedOnceTheUserStaysForTheChangeDelay)
{
    int changes = 0;
    tree->OnChange([&] { ++changes; });
    tree->SetChangeDelay(300);
    view->UserSelects(Node("A"));
    time->Advance(200);
    view->UserSelects(Node("Inner"));  // a new choice restarts the delay
    time->Advance(200);
    EXPECT_EQ(changes, 0);
    time->Advance(100);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(tree->SelectedCell()->parameter.value_or(""), "[St_Common]Inner");
    time->Advance(1000);
    EXPECT_EQ(changes, 1);

    tree->SetChangeDelay(0);
    tree->Select(Node("Top"));
    EXPECT_EQ(changes, 2);  // no delay: at once
    tree->Select(Node("Top"));
    EXPECT_EQ(changes, 2);  // the same node again is no change
}

TEST_F(Tree, ExpandingOrCollapsingIsReported)
{
    int reports = 0;
    tree->OnExpandCollapse([&] { ++reports; });
    view->UserExpands(Node("Folder"), true);
    EXPECT_TRUE(tree->Expanded(Node("Folder")));
    view->UserExpands(Node("Folder"), false);
    EXPECT_EQ(reports, 2);
}

TEST_F(Tree, NodeOfTheShownSheetDoesNotOpenItAgain)
{
    const cmcCellObj& inner = *tree->CellOf(Node("Inner"));
    EXPECT_TRUE(OpensShownSheet(inner, "[St_Common]Inner"));
    EXPECT_FALSE(OpensShownSheet(inner, "[St_Common]A"));
    EXPECT_FALSE(OpensShownSheet(inner, ""));                             // nothing shown
    EXPECT_FALSE(OpensShownSheet(*tree->CellOf(Node("Folder")), ""));  // a folder opens nothing
}

TEST(TreeChangeDelay, TextThatIsNotANumberGivesNoDelay)
{
    EXPECT_EQ(ParseChangeDelay("300"), 300);
    EXPECT_EQ(ParseChangeDelay(" 250 "), 250);
    EXPECT_EQ(ParseChangeDelay("fast"), 0);
    EXPECT_EQ(ParseChangeDelay("300ms"), 0);
    EXPECT_EQ(ParseChangeDelay("-5"), 0);
    EXPECT_EQ(ParseChangeDelay(""), 0);
}

}  // namespace
}  // namespace xtr::test
