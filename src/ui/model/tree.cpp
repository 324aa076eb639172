#include "ui/model/tree.h"

#include "app/task.h"
#include "app/text_util.h"
#include "cells/cell_description.h"
#include "cells/checks/check_list.h"
#include "overlay/gtex.h"
#include "ui/model/body_lines.h"

#include <algorithm>
#include <cctype>

namespace xtr {
namespace {

bool Listed(const std::vector<std::string>& sheets, const std::string& parameter)
{
    return std::any_of(sheets.begin(), sheets.end(),
                       [&](const std::string& sheet) { return EqualsIgnoreCase(sheet, parameter); });
}

}  // namespace

bool OpensShownSheet(const cmcCellObj& nodeCell, const std::string& shownReference)
{
    return !shownReference.empty() && nodeCell.parameter.has_value() && *nodeCell.parameter == shownReference;
}

int ParseChangeDelay(const std::string& text)
{
    const std::string number = Trim(text);
    if (number.empty() || number.size() > 9) {
        return 0;
    }
    int value = 0;
    for (char c : number) {
        if (std::isdigit(static_cast<unsigned char>(c)) == 0) {
            return 0;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

cuiTree::cuiTree(std::unique_ptr<TreeView> view, cmcGTex& texts, std::string name)
    : view_(std::move(view)), texts_(texts), name_(std::move(name))
{
    view_->SetEvents(this);
}

cuiTree::~cuiTree()
{
    cmcTask::Release(delay_);
    view_->SetEvents(nullptr);
}

void cuiTree::Build()
{
    basic_ = cmcCellObj();
    ParseCellDescription(texts_.FirstLine(name_ + "_BasicCell"), basic_, nullptr, nullptr);
    view_->SetLook(basic_.EffectiveFont(), basic_.color);

    const std::vector<BodyItem> lines = ReadBody(texts_, name_ + "_Body");
    std::vector<TreeNodeId> made;
    made.reserve(lines.size());
    for (const BodyItem& line : lines) {
        Node node;
        node.id = nextId_++;
        node.parent = line.parent < 0 ? kNoNode : made[static_cast<std::size_t>(line.parent)];
        node.depth = line.level;
        node.cell = std::make_unique<cmcCellObj>();
        ParseCellDescription(line.description, *node.cell, nullptr, &basic_);
        view_->AddNode(node.parent, node.id, node.cell->Caption(), node.cell->imageIndex);
        made.push_back(node.id);
        nodes_.push_back(std::move(node));
    }
    if (!nodes_.empty()) {
        SetExpanded(nodes_.front().id, true);
    }
}

void cuiTree::SetVisible(bool visible)
{
    view_->SetVisible(visible);
}

std::vector<TreeNodeId> cuiTree::FlatOrder() const
{
    std::vector<TreeNodeId> order;
    order.reserve(nodes_.size());
    for (const Node& node : nodes_) {
        order.push_back(node.id);
    }
    return order;
}

cuiTree::Node* cuiTree::Find(TreeNodeId id)
{
    for (Node& node : nodes_) {
        if (node.id == id) {
            return &node;
        }
    }
    return nullptr;
}

const cuiTree::Node* cuiTree::Find(TreeNodeId id) const
{
    return const_cast<cuiTree*>(this)->Find(id);
}

const cmcCellObj* cuiTree::CellOf(TreeNodeId id) const
{
    const Node* node = Find(id);
    return node == nullptr ? nullptr : node->cell.get();
}

int cuiTree::DepthOf(TreeNodeId id) const
{
    const Node* node = Find(id);
    return node == nullptr ? -1 : node->depth;
}

bool cuiTree::Expanded(TreeNodeId id) const
{
    const Node* node = Find(id);
    return node != nullptr && node->expanded;
}

int cuiTree::OverlayOf(TreeNodeId id) const
{
    const Node* node = Find(id);
    return node == nullptr ? kOverlayNone : node->overlay;
}

TreeNodeId cuiTree::Parent(TreeNodeId id) const
{
    const Node* node = Find(id);
    return node == nullptr ? kNoNode : node->parent;
}

std::vector<TreeNodeId> cuiTree::ChildrenOf(TreeNodeId id) const
{
    std::vector<TreeNodeId> children;
    for (const Node& node : nodes_) {
        if (node.parent == id) {
            children.push_back(node.id);
        }
    }
    return children;
}

void cuiTree::SetExpanded(TreeNodeId id, bool expanded)
{
    Node* node = Find(id);
    if (node == nullptr || node->expanded == expanded) {
        return;
    }
    node->expanded = expanded;
    view_->SetExpanded(id, expanded);
}

void cuiTree::Select(TreeNodeId id)
{
    if (id != kNoNode && Find(id) == nullptr) {
        return;
    }
    if (id == selected_) {
        return;
    }
    selected_ = id;
    view_->Select(id);
    SelectionChanged();
}

void cuiTree::SelectFirst()
{
    if (!nodes_.empty()) {
        Select(nodes_.front().id);
    }
}

void cuiTree::NodeSelected(TreeNodeId id)
{
    if (removing_ || id == selected_ || (id != kNoNode && Find(id) == nullptr)) {
        return;
    }
    selected_ = id;
    SelectionChanged();
}

void cuiTree::NodeExpanded(TreeNodeId id, bool expanded)
{
    Node* node = Find(id);
    if (node == nullptr || node->expanded == expanded) {
        return;
    }
    node->expanded = expanded;
    if (onExpandCollapse_) {
        onExpandCollapse_();
    }
}

void cuiTree::SelectionChanged()
{
    if (changeDelay_ == 0) {
        if (onChange_) {
            onChange_();
        }
        return;
    }
    // A new selection within the delay restarts it: only the node the
    // user stays on opens its sheet.
    if (delay_ == nullptr) {
        delay_ = new cmcTask();
        delay_->SetHandler(DelayHandler, this);
    }
    delay_->SetPeriod(changeDelay_);
}

void cuiTree::DelayHandler(void* context, cmcTask* task)
{
    task->SetPeriod(-1);
    auto* tree = static_cast<cuiTree*>(context);
    if (tree->onChange_) {
        tree->onChange_();
    }
}

void cuiTree::RemoveSubtree(TreeNodeId id)
{
    const auto first = std::find_if(nodes_.begin(), nodes_.end(), [&](const Node& node) { return node.id == id; });
    if (first == nodes_.end()) {
        return;
    }
    // The nodes below it follow it directly in the flat order.
    auto last = first + 1;
    while (last != nodes_.end() && last->depth > first->depth) {
        ++last;
    }
    bool selectionGone = false;
    for (auto it = first; it != last; ++it) {
        selectionGone = selectionGone || it->id == selected_;
    }
    const std::size_t at = static_cast<std::size_t>(first - nodes_.begin());
    removing_ = true;
    view_->RemoveNode(id);
    removing_ = false;
    nodes_.erase(first, last);
    if (selectionGone) {
        // The selection moves to the node before the removed ones, as the
        // tree view does it, or to the one after them.
        selected_ = kNoNode;
        if (at > 0) {
            Select(nodes_[at - 1].id);
        } else if (!nodes_.empty()) {
            Select(nodes_.front().id);
        } else {
            view_->Select(kNoNode);
        }
    }
}

void cuiTree::RemoveNodes(int flag)
{
    if (flag < 0 || flag > 3) {
        return;
    }
    const auto bit = static_cast<std::uint8_t>(state::kChecked << flag);
    for (;;) {
        const auto found = std::find_if(nodes_.begin(), nodes_.end(),
                                        [&](const Node& node) { return (node.cell->state & bit) != 0; });
        if (found == nodes_.end()) {
            return;
        }
        RemoveSubtree(found->id);
    }
}

void cuiTree::SetOverlay(Node& node, int overlay)
{
    if (node.overlay != overlay) {
        node.overlay = overlay;
        view_->SetOverlay(node.id, overlay);
    }
}

void cuiTree::ClearMarkers(TreeNodeId id)
{
    if (Node* node = Find(id)) {
        SetOverlay(*node, kOverlayNone);
    }
    for (TreeNodeId child : ChildrenOf(id)) {
        ClearMarkers(child);
    }
}

int cuiTree::MarkNode(TreeNodeId id, const std::vector<std::string>& sheets, int overlay)
{
    Node* node = Find(id);
    if (node == nullptr) {
        return 0;
    }
    const std::vector<TreeNodeId> children = ChildrenOf(id);
    int count = 0;
    for (auto child = children.rbegin(); child != children.rend(); ++child) {
        count += MarkNode(*child, sheets, overlay);
    }
    const bool matches = node->cell->parameter.has_value() && Listed(sheets, *node->cell->parameter);
    if (matches) {
        ++count;
    }
    if (matches || (!node->expanded && count > 0)) {
        SetOverlay(*node, overlay);
    }
    return count;
}

void cuiTree::Mark(const std::vector<std::string>& warningSheets, const std::vector<std::string>& errorSheets)
{
    const std::vector<TreeNodeId> top = ChildrenOf(kNoNode);
    // Every top-level subtree is cleared, not only the first: a marker left
    // on a folder of a later subtree would outlive the problem it showed.
    for (TreeNodeId node : top) {
        ClearMarkers(node);
    }
    for (auto node = top.rbegin(); node != top.rend(); ++node) {
        MarkNode(*node, warningSheets, kOverlayWarning);
        MarkNode(*node, errorSheets, kOverlayError);
    }
}

void cuiTree::Mark(const CheckListResult& problems)
{
    if (problems.lastHasParameter) {
        Mark(problems.warningSheets, problems.errorSheets);
    }
}

}  // namespace xtr
