// cuiTree: the navigation tree built from the overlay. Entry N +
// "_BasicCell" gives the tree's font and colour, N + "_Body" one node per
// indented "+" line; each node carries a cell whose caption is the node's
// text and whose image index its image. Selecting a node (after the change
// delay) is reported to the main window, which runs the node's cell with
// key 13 to open its sheet.
//
// Markers: the sheets the check list found errors or warnings for mark the
// nodes whose cell parameter names them (letter case ignored); a collapsed
// node carries the marker of any node below it, and an error wins over a
// warning.
#pragma once

#include "cells/cell_obj.h"
#include "ui/model/tree_view.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace xtr {

class cmcGTex;
class cmcTask;
struct CheckListResult;

class cuiTree : private TreeView::Events {
public:
    cuiTree(std::unique_ptr<TreeView> view, cmcGTex& texts, std::string name);
    ~cuiTree() override;
    cuiTree(const cuiTree&) = delete;
    cuiTree& operator=(const cuiTree&) = delete;

    // Reads the entries and creates all nodes; the first node is expanded.
    void Build();

    // The selection changed (delayed by the change delay); expanded or
    // collapsed a node.
    void OnChange(std::function<void()> handler) { onChange_ = std::move(handler); }
    void OnExpandCollapse(std::function<void()> handler) { onExpandCollapse_ = std::move(handler); }
    // In milliseconds; 0 reports a change at once.
    void SetChangeDelay(int ms) { changeDelay_ = ms < 0 ? 0 : ms; }
    int ChangeDelay() const { return changeDelay_; }

    void SetVisible(bool visible);

    int NodeCount() const { return static_cast<int>(nodes_.size()); }
    // The nodes in the tree's flat order (parents before their children).
    std::vector<TreeNodeId> FlatOrder() const;
    const cmcCellObj* CellOf(TreeNodeId node) const;
    int DepthOf(TreeNodeId node) const;
    bool Expanded(TreeNodeId node) const;
    int OverlayOf(TreeNodeId node) const;
    TreeNodeId Parent(TreeNodeId node) const;

    TreeNodeId Selected() const { return selected_; }
    // The cell of the selected node, or null.
    const cmcCellObj* SelectedCell() const { return CellOf(selected_); }
    void Select(TreeNodeId node);
    void SelectFirst();
    void SetExpanded(TreeNodeId node, bool expanded);

    // Removes every node whose cell has Flag<flag> (0 to 3) set, with the
    // nodes below it.
    void RemoveNodes(int flag);

    // Marks the nodes for the check list's findings: clears every marker,
    // then marks with the warnings and then with the errors.
    void Mark(const std::vector<std::string>& warningSheets, const std::vector<std::string>& errorSheets);
    void Mark(const CheckListResult& problems);

private:
    struct Node {
        TreeNodeId id = kNoNode;
        TreeNodeId parent = kNoNode;
        int depth = 0;
        std::unique_ptr<cmcCellObj> cell;
        bool expanded = false;
        int overlay = kOverlayNone;
    };

    void NodeSelected(TreeNodeId node) override;
    void NodeExpanded(TreeNodeId node, bool expanded) override;

    Node* Find(TreeNodeId node);
    const Node* Find(TreeNodeId node) const;
    std::vector<TreeNodeId> ChildrenOf(TreeNodeId node) const;
    void RemoveSubtree(TreeNodeId node);
    void ClearMarkers(TreeNodeId node);
    int MarkNode(TreeNodeId node, const std::vector<std::string>& sheets, int overlay);
    void SetOverlay(Node& node, int overlay);
    void SelectionChanged();
    static void DelayHandler(void* context, cmcTask* task);

    std::unique_ptr<TreeView> view_;
    cmcGTex& texts_;
    std::string name_;
    cmcCellObj basic_;
    // In the tree's flat order.
    std::vector<Node> nodes_;
    TreeNodeId nextId_ = 1;
    TreeNodeId selected_ = kNoNode;
    // While nodes are removed the view's own moves of its selection are
    // not the user's.
    bool removing_ = false;
    int changeDelay_ = 0;
    cmcTask* delay_ = nullptr;
    std::function<void()> onChange_;
    std::function<void()> onExpandCollapse_;
};

// Whether the node of nodeCell opens the sheet that is shown already (its
// reference text, "" when none is shown): then selecting it changes nothing.
bool OpensShownSheet(const cmcCellObj& nodeCell, const std::string& shownReference);

// The change delay an overlay text gives: a decimal number of milliseconds;
// anything that is not a number gives 0.
int ParseChangeDelay(const std::string& text);

}  // namespace xtr
