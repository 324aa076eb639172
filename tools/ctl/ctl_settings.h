// The pages whose settings the export, import, comparison and check after a
// write cover: every page of the navigation tree a user can open (maker
// pages only in maker mode), and texts of the overlay with "%1" filled in.
#pragma once

#include "settings/setting_list.h"

#include <string>
#include <vector>

namespace xtr::ctl {

std::vector<SettingPage> SettingPages(bool withMakerPages = false);

// The page a --sheet argument names (as 'show' takes it), alone; false
// after a usage message when there is none.
bool SheetPage(const char* command, const std::string& name, std::vector<SettingPage>& page);

// The overlay entry's lines with %1 (and %2) replaced.
std::string OverlayText(const char* name, const std::string& first = "", const std::string& second = "");

}  // namespace xtr::ctl
