#include "settings/setting_diff.h"

#include <map>

namespace xtr {

std::vector<SettingDifference> DiffSettings(const std::vector<SettingEntry>& a, const std::vector<SettingEntry>& b)
{
    std::map<SettingRef, const SettingEntry*> inB;
    for (const SettingEntry& entry : b) {
        inB.emplace(entry.ref, &entry);
    }
    std::vector<SettingDifference> differences;
    std::map<SettingRef, bool> inA;
    for (const SettingEntry& entry : a) {
        inA.emplace(entry.ref, true);
        const auto other = inB.find(entry.ref);
        if (other == inB.end()) {
            differences.push_back({entry.page, entry.ref, entry.label, true, false, entry.text, ""});
        } else if (other->second->text != entry.text) {
            differences.push_back({entry.page, entry.ref, entry.label, true, true, entry.text, other->second->text});
        }
    }
    for (const SettingEntry& entry : b) {
        if (inA.count(entry.ref) == 0) {
            differences.push_back({entry.page, entry.ref, entry.label, false, true, "", entry.text});
        }
    }
    return differences;
}

std::string DescribeDifference(const SettingDifference& d, const std::string& arrow)
{
    std::string line = d.page + " / ";
    if (!d.label.empty()) {
        line += d.label + " (" + FormatSettingRef(d.ref) + ")";
    } else {
        line += FormatSettingRef(d.ref);
    }
    line += ": ";
    line += d.inA ? "'" + d.textA + "'" : std::string("(none)");
    line += arrow;
    line += d.inB ? "'" + d.textB + "'" : std::string("(none)");
    return line;
}

}  // namespace xtr
