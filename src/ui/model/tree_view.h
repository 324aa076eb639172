// What the navigation tree (cuiTree) asks of the toolkit's tree view: a
// read-only tree of nodes with an image each, an overlay marker drawn over
// the image, expansion and the selected node. The view reports what the
// user does: selecting, expanding and collapsing nodes. The desktop program
// implements it on QTreeWidget; tests record the calls.
#pragma once

#include "cells/colors.h"
#include "cells/font_desc.h"

#include <string>

namespace xtr {

// Names one node; 0 is no node (the top level as a parent).
using TreeNodeId = int;
inline constexpr TreeNodeId kNoNode = 0;

// Overlay markers, drawn over a node's image.
inline constexpr int kOverlayNone = -1;
inline constexpr int kOverlayError = 0;    // tree image 9
inline constexpr int kOverlayWarning = 1;  // tree image 8

class TreeView {
public:
    class Events {
    public:
        virtual ~Events() = default;
        virtual void NodeSelected(TreeNodeId node) = 0;
        virtual void NodeExpanded(TreeNodeId node, bool expanded) = 0;
    };

    virtual ~TreeView() = default;
    virtual void SetEvents(Events* events) = 0;
    // The basic cell's font (null: the view's own) and background colour.
    virtual void SetLook(const FontDesc* font, Color background) = 0;
    // Appends node to the children of parent (kNoNode: the top level).
    virtual void AddNode(TreeNodeId parent, TreeNodeId node, const std::string& text, int imageIndex) = 0;
    // Removes node with everything below it.
    virtual void RemoveNode(TreeNodeId node) = 0;
    virtual void SetExpanded(TreeNodeId node, bool expanded) = 0;
    virtual void SetOverlay(TreeNodeId node, int overlay) = 0;
    // kNoNode clears the selection.
    virtual void Select(TreeNodeId node) = 0;
    virtual void SetVisible(bool visible) = 0;
};

}  // namespace xtr
