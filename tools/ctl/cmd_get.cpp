// xtr450ctl get: what single cells of a clone file show.
#include "app/main/ind_main.h"
#include "cells/cell_obj.h"
#include "ctl/ctl_cells.h"
#include "ctl/ctl_options.h"
#include "ctl/file_commands.h"

#include <cstdio>
#include <string>
#include <vector>

namespace xtr::ctl {
namespace {

const char kUsage[] =
    "Usage: xtr450ctl get [--variant mpt|cps] [--flags] FILE CELL...\n\n"
    "Prints what each cell CELL of the clone file FILE shows, one line each.\n"
    "CELL is written as in the overlay's sheet descriptions: the cell's name,\n"
    "with the category and the row for a cell of a list, for example\n"
    "CL_Comm_TOTTimer or CT_Conv.CL_PersConv_FreqRx[3] (rows count from 0).\n\n"
    "Options:\n"
    "  --variant V      numbering variant, mpt (default) or cps\n"
    "  --flags          append ' !' to a cell with an error, ' ?' to one with a warning\n\n";

int RunGet(const std::vector<std::string>& words)
{
    const Args args(words, {"--variant"}, {"--flags"});
    if (!args.Ok()) {
        return UsageError("get", args.Error());
    }
    if (args.Positional().size() < 2) {
        return UsageError("get", "a clone file and at least one cell are required");
    }
    std::uint8_t modelType = 0;
    if (!ReadVariant("get", args, modelType)) {
        return kExitUsage;
    }
    std::vector<CellRef> refs;
    for (std::size_t i = 1; i < args.Positional().size(); ++i) {
        CellRef ref;
        std::string error;
        if (!ParseCellRef(args.Positional()[i], ref, error)) {
            return UsageError("get", error);
        }
        refs.push_back(ref);
    }
    Session session(FileSessionOptions(modelType));
    const int opened = OpenDocument(session, args.Positional().front());
    if (opened != kExitOk) {
        return opened;
    }
    for (const CellRef& ref : refs) {
        cmcCellObj cell;
        MakeSettingCell(ref, cell);
        const CellAnswer answer = ShowCell(session.App(), cell);
        std::printf("%s%s\n", answer.text.c_str(), args.Flag("--flags") ? ProblemMark(answer.result) : "");
    }
    return kExitOk;
}

}  // namespace

Command GetCommand()
{
    static const std::string usage = std::string(kUsage) + kFileExitStatusHelp;
    return {"get", "print what cells of a clone file show", usage.c_str(), RunGet};
}

}  // namespace xtr::ctl
