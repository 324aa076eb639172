// The rows of a list page as CSV, so that a channel plan can be prepared in
// a spreadsheet: a header line "Row" and the column titles of the page,
// then one line per row the page shows, the row number (from 0) first.
// Fields holding a comma, a quote or a line break are quoted, quotes
// doubled. Importing types each field into its setting as the text import
// does, field by field from the left.
#pragma once

#include "settings/setting_list.h"
#include "settings/settings_text.h"

#include <string>
#include <vector>

namespace xtr {

class CellHost;

// The settings of one page (ListSettings over that page alone) as CSV; only
// the settings of the page's list rows are written. "" when it has none.
std::string ExportSheetCsv(const std::vector<SettingEntry>& page);

// Types a CSV text into the rows of the page. The header must name columns
// of the page (in any order; a column may be left out); a row number the
// page does not show, a field of a row beyond the header's columns or a
// value a cell does not take is refused with its line number. A header
// that does not fit refuses the whole text.
ImportReport ImportSheetCsv(const std::string& csv, const std::vector<SettingEntry>& page, CellHost& host);

// RFC 4180 records; false for a quote left open.
bool ParseCsv(const std::string& text, std::vector<std::vector<std::string>>& records, std::vector<int>& lines);

}  // namespace xtr
