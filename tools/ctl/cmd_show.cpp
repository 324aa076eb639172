// xtr450ctl show: prints pages of a clone file as the desktop program lays
// them out, one aligned text table per page, with what every cell shows.
#include "app/globals.h"
#include "app/main/ind_main.h"
#include "cells/cell_capsule.h"
#include "ctl/ctl_cells.h"
#include "ctl/ctl_options.h"
#include "ctl/ctl_tree.h"
#include "ctl/file_commands.h"
#include "overlay/gtex.h"
#include "ui/model/sheet_table.h"

#include <algorithm>
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

std::vector<std::vector<std::string>> SheetTexts(SheetTable& table)
{
    std::vector<std::vector<std::string>> rows;
    for (int r = 0; r < table.Rows(); ++r) {
        std::vector<std::string> row;
        for (int c = 0; c < table.Columns(); ++c) {
            cmcCellObj& cell = table.Cell(c, r);
            std::string text;
            if (cell.cellId != kCellNone) {
                cmcCellCapsule rq;
                rq.cell = &cell;
                table.Sheet().Dispatch(rq, false);
                // As in the grid: a bound cell shows only what it answers
                // (its caption is only a width for the layout).
                text = rq.displayText;
                text += ProblemMark(rq.result);
            } else {
                text = cell.Caption();
            }
            row.push_back(OneLine(text));
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
        PrintTable(SheetTexts(table));
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
