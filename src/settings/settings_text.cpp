#include "settings/settings_text.h"

#include "settings/setting_typing.h"

#include <sstream>

namespace xtr {
namespace {

std::string Escape(const std::string& value)
{
    std::string out;
    for (char c : value) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        default: out += c; break;
        }
    }
    return out;
}

std::string Unescape(const std::string& value)
{
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size()) {
            const char next = value[i + 1];
            if (next == '\\' || next == 'n' || next == 'r') {
                out += next == 'n' ? '\n' : next == 'r' ? '\r' : '\\';
                ++i;
                continue;
            }
        }
        out += value[i];
    }
    return out;
}

bool KnownPage(const std::vector<SettingPage>& pages, const std::string& name)
{
    for (const SettingPage& page : pages) {
        if (page.caption == name || page.reference == name) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::string ExportSettingsText(const std::vector<SettingEntry>& entries)
{
    std::string out;
    const std::string* page = nullptr;
    for (const SettingEntry& entry : entries) {
        if (page == nullptr || *page != entry.page) {
            if (page != nullptr) {
                out += "\n";
            }
            out += "# " + entry.page + "\n";
            page = &entry.page;
        }
        out += entry.page + " / " + FormatSettingRef(entry.ref) + " = " + Escape(entry.text) + "\n";
    }
    return out;
}

bool ParseSettingLine(const std::string& line, SettingLine& parsed)
{
    // Page captions may hold blanks, slashes and equals signs; setting names
    // hold no blank and start with a cell name ("CL_") or a category
    // ("CT_"): the name is the first such word between a " / " and a " = ".
    for (std::size_t equals = line.find(" = "); equals != std::string::npos; equals = line.find(" = ", equals + 1)) {
        const std::size_t slash = line.rfind(" / ", equals);
        if (slash == std::string::npos) {
            return false;
        }
        if (equals < slash + 3) {
            continue;  // the " = " overlaps the " / "
        }
        const std::string name = line.substr(slash + 3, equals - slash - 3);
        if (name.find(' ') != std::string::npos || (name.rfind("CL_", 0) != 0 && name.rfind("CT_", 0) != 0)) {
            continue;
        }
        parsed.page = line.substr(0, slash);
        parsed.name = name;
        parsed.value = Unescape(line.substr(equals + 3));
        return !parsed.page.empty();
    }
    return false;
}

ImportReport ImportSettingsText(const std::string& text, const std::vector<SettingPage>& pages, CellHost& host)
{
    ImportReport report;
    std::istringstream in(text);
    std::string line;
    int number = 0;
    SettingRef previous;  // the setting of the line before
    while (std::getline(in, line)) {
        ++number;
        if (number == 1 && line.rfind("\xEF\xBB\xBF", 0) == 0) {
            line.erase(0, 3);  // a byte order mark some editors put first
        }
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.find_first_not_of(" \t") == std::string::npos || line.front() == '#') {
            continue;
        }
        SettingLine parsed;
        if (!ParseSettingLine(line, parsed)) {
            report.refused.push_back({number, line, "not 'page / setting = value'"});
            continue;
        }
        if (!KnownPage(pages, parsed.page)) {
            report.refused.push_back({number, line, "no page '" + parsed.page + "'"});
            continue;
        }
        SettingRef ref;
        std::string error;
        if (!ParseSettingRef(parsed.name, ref, error)) {
            report.refused.push_back({number, line, error});
            continue;
        }
        std::string reason;
        const bool taken = TypeSetting(host, ref, parsed.value, previous, reason);
        previous = ref;
        if (!taken) {
            report.refused.push_back({number, line, reason});
            continue;
        }
        ++report.taken;
    }
    return report;
}

}  // namespace xtr
