#include "ctl/ctl_tree.h"

#include "app/text_util.h"
#include "cells/cell_description.h"
#include "cells/cell_names.h"
#include "cells/cell_obj.h"
#include "overlay/gtex.h"
#include "ui/model/sheet_reference.h"

namespace xtr::ctl {
namespace {

constexpr const char* kTreeBody = "GI_Tree_Main_Body";
constexpr const char* kTreeBasicCell = "GI_Tree_Main_BasicCell";

}  // namespace

std::vector<TreeEntry> ReadTree(cmcGTex& texts)
{
    std::vector<TreeEntry> entries;
    cmcCellObj basic;
    ParseCellDescription(texts.FirstLine(kTreeBasicCell), basic, nullptr, nullptr);

    // Indentations of the open levels: a deeper line opens a child level
    // whatever the difference, a shallower one closes levels down to its
    // own, and one shallower than the first line ends the tree.
    std::vector<std::size_t> depths;
    for (int n = 0;; ++n) {
        const std::string line = texts.Text(kTreeBody, n);
        if (!line.empty() && line.front() == '#') {
            break;
        }
        const std::size_t plus = line.find('+');
        const std::size_t depth = plus == std::string::npos ? line.size() : plus;
        if (!depths.empty() && depth < depths.front()) {
            break;
        }
        while (!depths.empty() && depth < depths.back()) {
            depths.pop_back();
        }
        if (depths.empty() || depth > depths.back()) {
            depths.push_back(depth);
        }
        cmcCellObj cell;
        if (plus != std::string::npos) {
            ParseCellDescription(std::string_view(line).substr(plus + 1), cell, nullptr, &basic);
        }
        TreeEntry entry;
        entry.level = static_cast<int>(depths.size()) - 1;
        entry.caption = cell.Caption();
        if (cell.cellId == CallSheet && cell.parameter.has_value()) {
            entry.reference = *cell.parameter;
        }
        entry.makerOnly = (cell.state & state::kChecked) != 0;
        entries.push_back(std::move(entry));
    }
    return entries;
}

bool FindSheet(const std::vector<TreeEntry>& tree, const std::string& name, std::string& reference)
{
    for (const TreeEntry& entry : tree) {
        if (!entry.reference.empty() && entry.reference == name) {
            reference = entry.reference;
            return true;
        }
    }
    for (const TreeEntry& entry : tree) {
        if (entry.reference.empty()) {
            continue;
        }
        if (EqualsIgnoreCase(ParseSheetReference(entry.reference).name, name) ||
            EqualsIgnoreCase(entry.caption, name)) {
            reference = entry.reference;
            return true;
        }
    }
    return false;
}

std::string CaptionOf(const std::vector<TreeEntry>& tree, const std::string& reference)
{
    for (const TreeEntry& entry : tree) {
        if (EqualsIgnoreCase(entry.reference, reference)) {
            return entry.caption;
        }
    }
    return {};
}

}  // namespace xtr::ctl
