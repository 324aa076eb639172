// The overlay writes a file dialog's filter as pairs of description and
// patterns separated by '|' ("Clone files (*.kcl)|*.kcl|All files|*.*",
// patterns separated by ';'). The toolkit's dialogs take one
// "Description (patterns)" entry per filter, patterns separated by blanks.
#pragma once

#include <string>
#include <vector>

namespace xtr {

// The toolkit's filter entries, in order; a description that names no
// patterns of its own gets them appended in parentheses. A trailing
// description without patterns is kept as it stands.
std::vector<std::string> DialogFilterEntries(const std::string& overlayFilter);

// The file name with the default extension appended when it has none.
std::string WithDefaultExtension(const std::string& path, const std::string& extension);

}  // namespace xtr
