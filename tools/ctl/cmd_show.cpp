// xtr450ctl show: prints pages of a clone file as the desktop program lays
// them out, one aligned text table per page, with what every cell shows.
#include "app/globals.h"
#include "app/main/ind_main.h"
#include "ctl/ctl_cells.h"
#include "ctl/ctl_options.h"
#include "ctl/ctl_tree.h"
#include "ctl/file_commands.h"
#include "image/eeprom.h"
#include "image/memory_map.h"
#include "overlay/gtex.h"
#include "ui/model/sheet_table.h"
#include "ui/model/sheet_table_texts.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <vector>

namespace xtr::ctl {
namespace {

const char kUsage[] =
    "Usage: xtr450ctl show [--variant mpt|cps] FILE SHEET...\n\n"
    "Prints each page SHEET of the clone file FILE as a table of what its cells\n"
    "show. A cell with an error is marked '!', one with a warning '?'. SHEET is\n"
    "a sheet reference as 'xtr450ctl sheets' lists it, the sheet's name alone\n"
    "(GI_Sheet_Hunt) or the page's caption.\n\n"
    "Options:\n"
    "  --variant V      numbering variant, mpt (default) or cps\n\n";

// Line breaks of multi-line captions would break the table apart.
std::string OneLine(std::string text)
{
    std::replace(text.begin(), text.end(), '\n', ' ');
    std::replace(text.begin(), text.end(), '\r', ' ');
    return text;
}

// The image's user-defined characters, for the codes and masks shown.
std::array<std::uint8_t, 32> UserMasks(const cmcEeprom& image)
{
    std::array<std::uint8_t, 32> masks{};
    if (image.IsAddress(memmap::kUserCharMasks + static_cast<std::int32_t>(masks.size()) - 1)) {
        image.ReadBlock(memmap::kUserCharMasks, masks.data(), static_cast<std::int32_t>(masks.size()));
    }
    return masks;
}

std::vector<std::vector<std::string>> SheetTexts(SheetTable& table, const cmcEeprom& image)
{
    const std::array<std::uint8_t, 32> masks = UserMasks(image);
    std::vector<std::vector<std::string>> rows;
    for (const std::vector<SheetCellText>& shown : SheetTableTexts(table, masks)) {
        std::vector<std::string> row;
        for (const SheetCellText& cell : shown) {
            row.push_back(OneLine(cell.text + ProblemMark(cell.result)));
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

void PrintTable(const std::vector<std::vector<std::string>>& rows)
{
    std::vector<std::size_t> widths;
    for (const auto& row : rows) {
        widths.resize(std::max(widths.size(), row.size()), 0);
        for (std::size_t c = 0; c < row.size(); ++c) {
            widths[c] = std::max(widths[c], row[c].size());
        }
    }
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            line += row[c];
            if (c + 1 < row.size()) {
                line += std::string(widths[c] - row[c].size() + 2, ' ');
            }
        }
        while (!line.empty() && line.back() == ' ') {
            line.pop_back();
        }
        std::printf("%s\n", line.c_str());
    }
}

int RunShow(const std::vector<std::string>& words)
{
    const Args args(words, {"--variant"}, {});
    if (!args.Ok()) {
        return UsageError("show", args.Error());
    }
    if (args.Positional().size() < 2) {
        return UsageError("show", "a clone file and at least one sheet are required");
    }
    std::uint8_t modelType = 0;
    if (!ReadVariant("show", args, modelType)) {
        return kExitUsage;
    }
    Session session(FileSessionOptions(modelType));
    const std::vector<TreeEntry> tree = ReadTree(GTex());
    std::vector<std::string> references;
    for (std::size_t i = 1; i < args.Positional().size(); ++i) {
        std::string reference;
        if (!FindSheet(tree, args.Positional()[i], reference)) {
            return UsageError("show", "no page '" + args.Positional()[i] + "' (see 'xtr450ctl sheets')");
        }
        references.push_back(reference);
    }
    const int opened = OpenDocument(session, args.Positional().front());
    if (opened != kExitOk) {
        return opened;
    }
    for (std::size_t i = 0; i < references.size(); ++i) {
        SheetTable table;
        if (!table.Build(references[i], GTex(), &session.App().CurrentImage())) {
            session.Console().Error("page " + references[i] + " cannot be shown as a table");
            return kExitFailure;
        }
        if (i > 0) {
            std::printf("\n");
        }
        std::printf("== %s (%s)\n", OneLine(table.Title()).c_str(), references[i].c_str());
        PrintTable(SheetTexts(table, session.App().CurrentImage()));
    }
    return kExitOk;
}

}  // namespace

Command ShowCommand()
{
    static const std::string usage = std::string(kUsage) + kFileExitStatusHelp;
    return {"show", "print pages of a clone file as text tables", usage.c_str(), RunShow};
}

}  // namespace xtr::ctl
