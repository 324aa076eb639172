// The pages of the navigation tree as the setting lists take them: every
// node of the overlay's tree that opens a sheet, in the tree's order, with
// its caption. The maker's pages (nodes marked for maker mode) only when
// asked for.
#pragma once

#include "settings/setting_list.h"

#include <vector>

namespace xtr {

class cmcGTex;

std::vector<SettingPage> TreeSettingPages(cmcGTex& texts, bool withMakerPages);

}  // namespace xtr
