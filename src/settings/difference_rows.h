// The rows a comparison is shown in: for each differing setting its page,
// the setting (its label and its name with the row) and the two texts,
// "(none)" for a side that lacks the setting.
#pragma once

#include "settings/setting_diff.h"

#include <string>
#include <vector>

namespace xtr {

struct DifferenceRow {
    std::string page;
    std::string setting;  // "Label (CATEGORY.CELL[row])", or the name alone without a label
    std::string textA;
    std::string textB;
};

std::vector<DifferenceRow> DifferenceRows(const std::vector<SettingDifference>& differences);

}  // namespace xtr
