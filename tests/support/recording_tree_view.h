// A tree view for tests: the nodes with their texts, images, overlays and
// expansion, and a way to act as the user (select, expand, collapse).
#pragma once

#include "ui/model/tree_view.h"

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace xtr::test {

class RecordingTreeView : public TreeView {
public:
    struct Node {
        TreeNodeId parent = kNoNode;
        std::string text;
        int image = -1;
        int overlay = kOverlayNone;
        bool expanded = false;
    };

    void SetEvents(Events* value) override { events = value; }
    void SetLook(const FontDesc* value, Color background) override
    {
        hasFont = value != nullptr;
        if (value != nullptr) {
            font = *value;
        }
        color = background;
    }
    void AddNode(TreeNodeId parent, TreeNodeId node, const std::string& text, int image) override
    {
        if (nodes.count(node) != 0 || (parent != kNoNode && nodes.count(parent) == 0)) {
            throw std::logic_error("tree node added twice or under a missing parent");
        }
        nodes[node] = Node{parent, text, image, kOverlayNone, false};
        order.push_back(node);
    }
    void RemoveNode(TreeNodeId node) override
    {
        At(node);
        std::vector<TreeNodeId> kept;
        for (TreeNodeId id : order) {
            if (!Below(id, node)) {
                kept.push_back(id);
            }
        }
        for (TreeNodeId id : order) {
            if (Below(id, node)) {
                removed.push_back(id);
            }
        }
        for (TreeNodeId id : removed) {
            nodes.erase(id);
        }
        order = kept;
    }
    void SetExpanded(TreeNodeId node, bool value) override { At(node).expanded = value; }
    void SetOverlay(TreeNodeId node, int value) override { At(node).overlay = value; }
    void Select(TreeNodeId node) override { selected = node; }
    void SetVisible(bool value) override
    {
        visible = value;
        ++visibilityChanges;
    }

    Node& At(TreeNodeId node)
    {
        auto found = nodes.find(node);
        if (found == nodes.end()) {
            throw std::logic_error("unknown tree node");
        }
        return found->second;
    }
    // What the user does.
    void UserSelects(TreeNodeId node)
    {
        selected = node;
        if (events != nullptr) {
            events->NodeSelected(node);
        }
    }
    void UserExpands(TreeNodeId node, bool value)
    {
        At(node).expanded = value;
        if (events != nullptr) {
            events->NodeExpanded(node, value);
        }
    }

    Events* events = nullptr;
    std::map<TreeNodeId, Node> nodes;
    std::vector<TreeNodeId> order;  // in the order they were added
    std::vector<TreeNodeId> removed;
    TreeNodeId selected = kNoNode;
    bool hasFont = false;
    FontDesc font;
    Color color = 0;
    bool visible = true;
    int visibilityChanges = 0;

private:
    bool Below(TreeNodeId id, TreeNodeId top)
    {
        for (TreeNodeId at = id; at != kNoNode; at = nodes.at(at).parent) {
            if (at == top) {
                return true;
            }
        }
        return false;
    }
};

}  // namespace xtr::test
