// Every setting of an image as the pages show it: each page of the
// navigation tree is built as a table, and each cell bound to the image
// gives one entry with its page, its name, a label from the page (the
// caption beside it, or its column's title on a list page) and the text it
// shows. A cell that appears on several pages is listed once, on the first.
// The text export, the comparison and the check after a write all work on
// this list, so they speak of settings, not of addresses.
#pragma once

#include "settings/setting_ref.h"

#include <string>
#include <vector>

namespace xtr {

class CellHost;
class cmcGTex;

// A page as the navigation tree names it.
struct SettingPage {
    std::string reference;  // the sheet reference
    std::string caption;    // the tree node's caption
};

struct SettingEntry {
    std::string page;   // the page's caption
    SettingRef ref;
    std::string label;  // "" when the page gives none
    std::string text;   // what the cell shows
};

// The settings of the host's current image, in the order of the pages and,
// inside a page, row by row. Pages no table can be built for are skipped.
std::vector<SettingEntry> ListSettings(const std::vector<SettingPage>& pages, cmcGTex& texts, CellHost& host);

// What one cell of the host's current image shows.
std::string ShownText(CellHost& host, const SettingRef& ref);

}  // namespace xtr
