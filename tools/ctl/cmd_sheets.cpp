// xtr450ctl sheets: the pages of the navigation tree with the references
// that show, get and set take.
#include "app/globals.h"
#include "ctl/ctl_cells.h"
#include "ctl/ctl_options.h"
#include "ctl/ctl_tree.h"
#include "ctl/file_commands.h"
#include "overlay/gtex.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace xtr::ctl {
namespace {

const char kUsage[] =
    "Usage: xtr450ctl sheets [--variant mpt|cps]\n\n"
    "Lists the pages of the desktop program's navigation tree, indented by their\n"
    "depth, each with its caption and the sheet reference that 'show' takes.\n"
    "Pages marked (maker) are shown only in maker mode.\n\n"
    "Options:\n"
    "  --variant V      numbering variant, mpt (default) or cps\n\n";

int RunSheets(const std::vector<std::string>& words)
{
    const Args args(words, {"--variant"}, {});
    if (!args.Ok()) {
        return UsageError("sheets", args.Error());
    }
    if (!args.Positional().empty()) {
        return UsageError("sheets", "no arguments are taken");
    }
    std::uint8_t modelType = 0;
    if (!ReadVariant("sheets", args, modelType)) {
        return kExitUsage;
    }
    Session session(FileSessionOptions(modelType));
    const std::vector<TreeEntry> tree = ReadTree(GTex());
    std::size_t width = 0;
    for (const TreeEntry& entry : tree) {
        width = std::max(width, entry.caption.size() + 2 * static_cast<std::size_t>(entry.level));
    }
    for (const TreeEntry& entry : tree) {
        const std::string indented = std::string(2 * static_cast<std::size_t>(entry.level), ' ') + entry.caption;
        std::printf("%-*s  %s%s\n", static_cast<int>(width), indented.c_str(), entry.reference.c_str(),
                    entry.makerOnly ? " (maker)" : "");
    }
    return kExitOk;
}

}  // namespace

Command SheetsCommand()
{
    static const std::string usage = std::string(kUsage) + kFileExitStatusHelp;
    return {"sheets", "list the pages of the navigation tree", usage.c_str(), RunSheets};
}

}  // namespace xtr::ctl
