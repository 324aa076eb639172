// Settings as a text file a person can read, edit and compare: one line
// "page / NAME[row] = value" per setting, in the order of the pages, with a
// comment line ("# ...") before each page. Line breaks and backslashes in a
// value are written as \n, \r and \\ so that every setting stays on one
// line. Importing types each value into its cell as the grid would (the
// typed-text path of the set command), line by line.
#pragma once

#include "settings/setting_list.h"

#include <string>
#include <vector>

namespace xtr {

class CellHost;

std::string ExportSettingsText(const std::vector<SettingEntry>& entries);

// One line of a settings text, taken apart.
struct SettingLine {
    std::string page;
    std::string name;
    std::string value;  // unescaped
};
// False for a line that is not "page / NAME = value".
bool ParseSettingLine(const std::string& line, SettingLine& parsed);

struct RefusedLine {
    int number = 0;  // from 1
    std::string text;
    std::string reason;
};

struct ImportReport {
    int taken = 0;
    std::vector<RefusedLine> refused;
};

// Types every setting line of text into the host's current image. A line
// naming a page that is not in pages, a setting that does not exist, or a
// value its cell does not take is refused (and changes nothing); the other
// lines are taken.
ImportReport ImportSettingsText(const std::string& text, const std::vector<SettingPage>& pages, CellHost& host);

}  // namespace xtr
