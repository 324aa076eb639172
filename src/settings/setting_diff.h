// The settings whose shown text differs between two lists of settings (of
// two clone files, a file and a radio, or what was written and what came
// back): one difference per setting, in the order of the first list, then
// the settings only the second list has.
#pragma once

#include "settings/setting_list.h"

#include <string>
#include <vector>

namespace xtr {

struct SettingDifference {
    std::string page;
    SettingRef ref;
    std::string label;
    bool inA = true;  // false: only the second list has the setting
    bool inB = true;  // false: only the first list has it
    std::string textA;
    std::string textB;
};

std::vector<SettingDifference> DiffSettings(const std::vector<SettingEntry>& a, const std::vector<SettingEntry>& b);

// One line for a difference: "page / label (NAME[row]): 'a' -> 'b'", with
// "(none)" for a side that lacks the setting.
std::string DescribeDifference(const SettingDifference& difference, const std::string& arrow = " -> ");

}  // namespace xtr
