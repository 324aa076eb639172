#include "ui/model/body_lines.h"

#include "overlay/gtex.h"

namespace xtr {

BodyItem SplitBodyLine(std::string_view line)
{
    BodyItem item;
    const std::size_t plus = line.find('+');
    if (plus == std::string_view::npos) {
        item.depth = static_cast<int>(line.size());
        return item;
    }
    item.depth = static_cast<int>(plus);
    item.description = std::string(line.substr(plus + 1));
    return item;
}

std::vector<BodyItem> NestBodyLines(const std::vector<std::string>& lines)
{
    std::vector<BodyItem> items;
    // The open levels, outermost first: each with its depth and the index
    // of the item most recently created on it.
    struct Level {
        int depth;
        int last;
    };
    std::vector<Level> levels;
    for (const std::string& line : lines) {
        BodyItem item = SplitBodyLine(line);
        if (!levels.empty() && item.depth < levels.front().depth) {
            break;  // shallower than the top level: the body ends
        }
        while (!levels.empty() && item.depth < levels.back().depth) {
            levels.pop_back();
        }
        if (levels.empty() || item.depth > levels.back().depth) {
            // A new level below the item created last on the current one.
            const int parent = levels.empty() ? -1 : levels.back().last;
            levels.push_back({item.depth, -1});
            item.parent = parent;
        } else {
            item.parent = items[static_cast<std::size_t>(levels.back().last)].parent;
        }
        item.level = static_cast<int>(levels.size()) - 1;
        levels.back().last = static_cast<int>(items.size());
        items.push_back(std::move(item));
    }
    return items;
}

std::vector<std::string> ReadBodyLines(cmcGTex& texts, const std::string& entry)
{
    std::vector<std::string> lines;
    for (int n = 0;; ++n) {
        std::string line;
        if (n == 0) {
            line = texts.Text(entry, 0);  // a missing entry is fatal
        } else if (!texts.TryText(entry, n, line)) {
            break;  // the end of the file ends the body too
        }
        if (!line.empty() && line.front() == '#') {
            break;
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

std::vector<BodyItem> ReadBody(cmcGTex& texts, const std::string& entry)
{
    return NestBodyLines(ReadBodyLines(texts, entry));
}

}  // namespace xtr
