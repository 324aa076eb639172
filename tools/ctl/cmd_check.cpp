// xtr450ctl check: runs the consistency checks of the desktop program over a
// clone file and names the pages that hold errors and warnings.
#include "app/main/ind_main.h"
#include "cells/cell_names.h"
#include "cells/checks/check_list.h"
#include "ctl/ctl_cells.h"
#include "ctl/ctl_files.h"
#include "ctl/ctl_options.h"
#include "ctl/ctl_tree.h"
#include "ctl/file_commands.h"
#include "overlay/gtex.h"
#include "app/globals.h"

#include <cstdio>
#include <string>

namespace xtr::ctl {

SessionOptions FileSessionOptions(std::uint8_t modelType)
{
    SessionOptions options;
    options.modelType = modelType;
    options.verbosity = Verbosity::Quiet;
    return options;
}

int OpenDocument(Session& session, const std::string& path)
{
    session.LoadReference();
    const std::uint8_t code = OpenCloneFile(session.App(), path);
    return code == 0 ? kExitOk : kExitFileBase + code;
}

namespace {

const char kUsage[] =
    "Usage: xtr450ctl check [--variant mpt|cps] FILE\n\n"
    "Runs the consistency checks over the clone file FILE, as the desktop program\n"
    "does after every change, and prints each check that fails with the page it\n"
    "marks: errors first, then warnings. Settings with errors cannot be written\n"
    "into a radio.\n\n"
    "Options:\n"
    "  --variant V      numbering variant, mpt (default) or cps\n\n";

void PrintFindings(const CheckListResult& result, bool errors, const std::vector<TreeEntry>& tree)
{
    for (const CheckFinding& finding : result.findings) {
        if (finding.error != errors) {
            continue;
        }
        const std::string caption = CaptionOf(tree, finding.parameter);
        std::printf("%-8s %-30s %s%s%s%s\n", errors ? "error" : "warning", std::string(CellName(finding.cellId)).c_str(),
                    finding.parameter.c_str(), caption.empty() ? "" : " (", caption.c_str(), caption.empty() ? "" : ")");
    }
}

int RunCheck(const std::vector<std::string>& words)
{
    const Args args(words, {"--variant"}, {});
    if (!args.Ok()) {
        return UsageError("check", args.Error());
    }
    if (args.Positional().size() != 1) {
        return UsageError("check", "one clone file is required");
    }
    std::uint8_t modelType = 0;
    if (!ReadVariant("check", args, modelType)) {
        return kExitUsage;
    }
    Session session(FileSessionOptions(modelType));
    const int opened = OpenDocument(session, args.Positional().front());
    if (opened != kExitOk) {
        return opened;
    }
    int errors = 0;
    int warnings = 0;
    indMain& app = session.App();
    app.CountProblems(errors, warnings);
    const std::vector<TreeEntry> tree = ReadTree(GTex());
    PrintFindings(app.Problems(), true, tree);
    PrintFindings(app.Problems(), false, tree);
    std::printf("%d error%s, %d warning%s\n", errors, errors == 1 ? "" : "s", warnings, warnings == 1 ? "" : "s");
    return errors > 0 ? kExitFailure : kExitOk;
}

}  // namespace

Command CheckCommand()
{
    static const std::string usage = std::string(kUsage) + kFileExitStatusHelp;
    return {"check", "check a clone file for errors and warnings", usage.c_str(), RunCheck};
}

}  // namespace xtr::ctl
