#include "settings/setting_list.h"

#include "cells/active_cell.h"
#include "cells/cell_capsule.h"
#include "cells/cell_names.h"
#include "cells/ui_seams.h"
#include "image/eeprom.h"
#include "ui/model/sheet_table.h"

#include <algorithm>
#include <set>

namespace xtr {
namespace {

std::string OneLine(std::string text)
{
    std::replace(text.begin(), text.end(), '\n', ' ');
    std::replace(text.begin(), text.end(), '\r', ' ');
    while (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
    while (!text.empty() && text.front() == ' ') {
        text.erase(text.begin());
    }
    return text;
}

std::string Display(CellHost& host, cmcCellObj& cell)
{
    cmcCellCapsule rq;
    rq.cell = &cell;
    indActiveCell(host).Dispatch(rq, false);
    return rq.displayText;
}

// The caption that names the cell at (column, row): the nearest caption to
// its left, else the title of its column.
std::string LabelOf(SheetTable& table, int column, int row)
{
    for (int c = column - 1; c >= 0; --c) {
        const cmcCellObj& cell = table.Cell(c, row);
        if (cell.cellId == kCellNone) {
            const std::string caption = OneLine(cell.Caption());
            if (!caption.empty()) {
                return caption;
            }
        } else {
            break;
        }
    }
    for (int r = std::min(row, table.FixedRows()) - 1; r >= 0; --r) {
        const cmcCellObj& cell = table.Cell(column, r);
        if (cell.cellId == kCellNone) {
            const std::string caption = OneLine(cell.Caption());
            if (!caption.empty()) {
                return caption;
            }
        }
    }
    return "";
}

}  // namespace

std::string ShownText(CellHost& host, const SettingRef& ref)
{
    cmcCellObj cell;
    MakeSettingCell(ref, cell);
    return Display(host, cell);
}

std::vector<SettingEntry> ListSettings(const std::vector<SettingPage>& pages, cmcGTex& texts, CellHost& host)
{
    std::vector<SettingEntry> entries;
    std::set<SettingRef> seen;
    for (const SettingPage& page : pages) {
        SheetTable table;
        if (!table.Build(page.reference, texts, &host.CurrentImage())) {
            continue;
        }
        for (int r = 0; r < table.Rows(); ++r) {
            for (int c = 0; c < table.Columns(); ++c) {
                cmcCellObj& cell = table.Cell(c, r);
                if (cell.cellId == kCellNone || !seen.insert(RefOf(cell)).second) {
                    continue;
                }
                entries.push_back({page.caption, RefOf(cell), LabelOf(table, c, r), Display(host, cell)});
            }
        }
    }
    return entries;
}

}  // namespace xtr
