// Creating the sheet a reference names, as the main window does for the
// page chosen in the tree and the printing code for every page.
#pragma once

#include "ui/model/sheet.h"

#include <memory>
#include <string_view>

namespace xtr {

// The sheet for reference "[kind]name,argument": an iuiSh_Common for the
// kind "St_Common", nothing for "St_ChBank" (no sheet class builds channel
// banks), a cuiSheet for any other kind. The sheet starts with no context
// request and no initial cell, keeps the whole reference and has the
// argument set; it is not shown yet.
std::unique_ptr<cuiSheet> CreateSheet(std::string_view reference, SheetView* host, cmcGTex& texts,
                                      MarkerImages* markers);

}  // namespace xtr
