// The navigation tree of the overlay ("GI_Tree_Main_Body"), read for the
// command-line tool: the pages a user can open, with their captions and
// sheet references, nested as the desktop program's tree nests them.
#pragma once

#include <string>
#include <vector>

namespace xtr {
class cmcGTex;
}

namespace xtr::ctl {

struct TreeEntry {
    int level = 0;          // 0 for the top-level nodes
    std::string caption;
    std::string reference;  // the sheet the node opens; "" for a folder
    bool makerOnly = false; // shown only in maker mode
};

std::vector<TreeEntry> ReadTree(cmcGTex& texts);

// The sheet reference a command-line argument names: a reference as the
// tree writes it, the sheet's name alone, or a node's caption (letter case
// ignored for the last two). False when no node opens such a sheet.
bool FindSheet(const std::vector<TreeEntry>& tree, const std::string& name, std::string& reference);

// The caption of the node that opens reference, "" when none does.
std::string CaptionOf(const std::vector<TreeEntry>& tree, const std::string& reference);

}  // namespace xtr::ctl
