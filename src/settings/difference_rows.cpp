#include "settings/difference_rows.h"

namespace xtr {

std::vector<DifferenceRow> DifferenceRows(const std::vector<SettingDifference>& differences)
{
    std::vector<DifferenceRow> rows;
    rows.reserve(differences.size());
    for (const SettingDifference& difference : differences) {
        DifferenceRow row;
        row.page = difference.page;
        const std::string name = FormatSettingRef(difference.ref);
        row.setting = difference.label.empty() ? name : difference.label + " (" + name + ")";
        row.textA = difference.inA ? difference.textA : "(none)";
        row.textB = difference.inB ? difference.textB : "(none)";
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace xtr
