#include "settings/settings_csv.h"

#include "cells/categories.h"
#include "settings/setting_typing.h"

#include <map>
#include <set>

namespace xtr {
namespace {

struct Column {
    std::uint32_t category = 0;
    std::int32_t cellId = 0;
    std::string title;
};

std::vector<Column> ColumnsOf(const std::vector<SettingEntry>& page)
{
    std::vector<Column> columns;
    for (const SettingEntry& entry : page) {
        if (CategoryListSlot(entry.ref.category) == 0) {
            continue;
        }
        bool known = false;
        for (const Column& column : columns) {
            known = known || (column.category == entry.ref.category && column.cellId == entry.ref.cellId);
        }
        if (!known) {
            SettingRef name = entry.ref;
            name.index = 0;
            std::string title = entry.label.empty() ? FormatSettingRef(name) : entry.label;
            // Two columns of one title (receive and transmit sides under a
            // shared heading) are told apart by their setting names.
            for (Column& column : columns) {
                if (column.title == title) {
                    title += " (" + FormatSettingRef(name) + ")";
                    break;
                }
            }
            columns.push_back({entry.ref.category, entry.ref.cellId, title});
        }
    }
    return columns;
}

std::string Field(const std::string& text)
{
    // Blanks at either end are quoted too, so that a spreadsheet keeps them.
    const bool plain = text.find_first_of(",\"\r\n") == std::string::npos &&
                       (text.empty() || (text.front() != ' ' && text.back() != ' '));
    if (plain) {
        return text;
    }
    std::string out = "\"";
    for (char c : text) {
        out += c == '"' ? std::string("\"\"") : std::string(1, c);
    }
    return out + "\"";
}

}  // namespace

bool ParseCsv(const std::string& text, std::vector<std::vector<std::string>>& records, std::vector<int>& lines)
{
    records.clear();
    lines.clear();
    std::size_t i = text.rfind("\xEF\xBB\xBF", 0) == 0 ? 3 : 0;
    int line = 1;
    while (i < text.size()) {
        std::vector<std::string> record;
        const int first = line;
        std::string field;
        bool quoted = false;
        bool endOfRecord = false;
        while (!endOfRecord) {
            if (i >= text.size()) {
                if (quoted) {
                    return false;
                }
                record.push_back(field);
                break;
            }
            const char c = text[i++];
            if (quoted) {
                if (c == '"') {
                    if (i < text.size() && text[i] == '"') {
                        field += '"';
                        ++i;
                    } else {
                        quoted = false;
                    }
                } else {
                    line += c == '\n';
                    field += c;
                }
            } else if (c == '"') {
                quoted = true;
            } else if (c == ',') {
                record.push_back(field);
                field.clear();
            } else if (c == '\r' || c == '\n') {
                if (c == '\r' && i < text.size() && text[i] == '\n') {
                    ++i;
                }
                ++line;
                record.push_back(field);
                endOfRecord = true;
            } else {
                field += c;
            }
        }
        if (!(record.size() == 1 && record.front().empty())) {
            records.push_back(std::move(record));
            lines.push_back(first);
        }
    }
    return true;
}

std::string ExportSheetCsv(const std::vector<SettingEntry>& page)
{
    const std::vector<Column> columns = ColumnsOf(page);
    if (columns.empty()) {
        return std::string();
    }
    std::map<SettingRef, const SettingEntry*> byRef;
    std::vector<std::int32_t> rows;
    std::set<std::int32_t> seen;
    for (const SettingEntry& entry : page) {
        byRef.emplace(entry.ref, &entry);
        if (CategoryListSlot(entry.ref.category) != 0 && seen.insert(entry.ref.index).second) {
            rows.push_back(entry.ref.index);
        }
    }
    std::string out = "Row";
    for (const Column& column : columns) {
        out += "," + Field(column.title);
    }
    out += "\r\n";
    for (const std::int32_t row : rows) {
        out += std::to_string(row);
        for (const Column& column : columns) {
            const auto found = byRef.find(SettingRef{column.category, column.cellId, row});
            out += "," + (found == byRef.end() ? std::string() : Field(found->second->text));
        }
        out += "\r\n";
    }
    return out;
}

ImportReport ImportSheetCsv(const std::string& csv, const std::vector<SettingEntry>& page, CellHost& host)
{
    ImportReport report;
    std::vector<std::vector<std::string>> records;
    std::vector<int> lines;
    if (!ParseCsv(csv, records, lines)) {
        report.refused.push_back({1, "", "a quoted field is not closed"});
        return report;
    }
    if (records.empty()) {
        report.refused.push_back({1, "", "no header line"});
        return report;
    }
    const std::vector<Column> columns = ColumnsOf(page);
    std::vector<const Column*> order;
    const std::vector<std::string>& header = records.front();
    if (header.empty() || header.front() != "Row") {
        report.refused.push_back({lines.front(), header.empty() ? "" : header.front(), "the first column must be 'Row'"});
        return report;
    }
    for (std::size_t c = 1; c < header.size(); ++c) {
        const Column* found = nullptr;
        for (const Column& column : columns) {
            found = found != nullptr ? found : (column.title == header[c] ? &column : nullptr);
        }
        if (found == nullptr) {
            report.refused.push_back({lines.front(), header[c], "no column '" + header[c] + "' on this page"});
            return report;
        }
        order.push_back(found);
    }
    std::set<std::int32_t> shown;
    for (const SettingEntry& entry : page) {
        if (CategoryListSlot(entry.ref.category) != 0) {
            shown.insert(entry.ref.index);
        }
    }
    for (std::size_t r = 1; r < records.size(); ++r) {
        const std::vector<std::string>& record = records[r];
        const std::string& rowText = record.front();
        const bool digits = !rowText.empty() && rowText.size() <= 5 &&
                            rowText.find_first_not_of("0123456789") == std::string::npos;
        const std::int32_t row = digits ? std::stoi(rowText) : -1;
        if (!digits || shown.count(row) == 0) {
            report.refused.push_back({lines[r], rowText, "no row '" + rowText + "' on this page"});
            continue;
        }
        if (record.size() > order.size() + 1) {
            report.refused.push_back({lines[r], rowText, "more fields than the header has columns"});
            continue;
        }
        SettingRef previous;
        for (std::size_t c = 1; c < record.size(); ++c) {
            const Column& column = *order[c - 1];
            const SettingRef ref{column.category, column.cellId, row};
            std::string reason;
            if (!TypeSetting(host, ref, record[c], previous, reason)) {
                report.refused.push_back({lines[r], column.title + " = " + record[c], reason});
            } else {
                ++report.taken;
            }
            previous = ref;
        }
    }
    return report;
}

}  // namespace xtr
