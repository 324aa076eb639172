#include "settings/tree_pages.h"

#include "cells/cell_description.h"
#include "cells/cell_names.h"
#include "cells/cell_obj.h"
#include "overlay/gtex.h"
#include "ui/model/body_lines.h"

namespace xtr {

std::vector<SettingPage> TreeSettingPages(cmcGTex& texts, bool withMakerPages)
{
    std::vector<SettingPage> pages;
    cmcCellObj basic;
    ParseCellDescription(texts.FirstLine("GI_Tree_Main_BasicCell"), basic, nullptr, nullptr);
    for (const BodyItem& item : ReadBody(texts, "GI_Tree_Main_Body")) {
        cmcCellObj cell;
        ParseCellDescription(item.description, cell, nullptr, &basic);
        if (cell.cellId != CallSheet || !cell.parameter.has_value() || cell.parameter->empty()) {
            continue;
        }
        // The checked bit marks a node shown only in maker mode.
        if (!withMakerPages && (cell.state & state::kChecked) != 0) {
            continue;
        }
        pages.push_back({*cell.parameter, cell.Caption()});
    }
    return pages;
}

}  // namespace xtr
