#include "ui/model/dialog_filter.h"

#include <algorithm>
#include <filesystem>

namespace xtr {
namespace {

std::vector<std::string> SplitBars(const std::string& text)
{
    std::vector<std::string> parts;
    std::string part;
    for (char c : text) {
        if (c == '|') {
            parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    parts.push_back(part);
    return parts;
}

}  // namespace

std::vector<std::string> DialogFilterEntries(const std::string& overlayFilter)
{
    std::vector<std::string> entries;
    if (overlayFilter.empty()) {
        return entries;
    }
    const std::vector<std::string> parts = SplitBars(overlayFilter);
    for (std::size_t i = 0; i < parts.size(); i += 2) {
        const std::string& description = parts[i];
        if (i + 1 >= parts.size()) {
            entries.push_back(description);
            break;
        }
        std::string patterns = parts[i + 1];
        std::replace(patterns.begin(), patterns.end(), ';', ' ');
        if (description.find('(') != std::string::npos) {
            entries.push_back(description);
        } else {
            entries.push_back(description + " (" + patterns + ")");
        }
    }
    return entries;
}

std::string WithDefaultExtension(const std::string& path, const std::string& extension)
{
    if (path.empty() || extension.empty() || std::filesystem::path(path).has_extension()) {
        return path;
    }
    return path + "." + extension;
}

}  // namespace xtr
