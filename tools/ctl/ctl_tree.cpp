#include "ctl/ctl_tree.h"

#include "app/text_util.h"
#include "cells/cell_description.h"
#include "cells/cell_names.h"
#include "cells/cell_obj.h"
#include "overlay/gtex.h"
#include "ui/model/body_lines.h"
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
    for (const BodyItem& item : ReadBody(texts, kTreeBody)) {
        cmcCellObj cell;
        ParseCellDescription(item.description, cell, nullptr, &basic);
        TreeEntry entry;
        entry.level = item.level;
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
