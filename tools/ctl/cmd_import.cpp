// xtr450ctl import: types the settings of a text file (as export writes it)
// into a clone file, line by line as the set command would.
#include "app/globals.h"
#include "app/main/ind_main.h"
#include "ctl/ctl_cells.h"
#include "ctl/ctl_files.h"
#include "ctl/ctl_options.h"
#include "ctl/ctl_settings.h"
#include "ctl/ctl_text_files.h"
#include "ctl/file_commands.h"
#include "ctl/settings_commands.h"
#include "settings/settings_csv.h"
#include "settings/settings_text.h"

#include <cstdio>

namespace xtr::ctl {
namespace {

const char kUsage[] =
    "Usage: xtr450ctl import [--variant mpt|cps] [--partial] FILE IN\n"
    "       xtr450ctl import [--variant mpt|cps] [--partial] --csv --sheet SHEET FILE IN\n\n"
    "Types each line 'page / SETTING = value' of the text file IN into the clone\n"
    "file FILE exactly as 'set' would, in the order of the lines, then saves FILE.\n"
    "Empty lines and lines starting with '#' are skipped. Each line that cannot be\n"
    "taken (not a setting line, an unknown page or setting, a value its cell does\n"
    "not take) is reported with its line number; FILE is then left as it was\n"
    "unless --partial is given, which saves what was taken.\n"
    "With --csv, IN holds rows of the list page SHEET as 'export --csv' writes\n"
    "them (columns may be left out or reordered); each field is typed into its\n"
    "row's setting the same way.\n\n"
    "Options:\n"
    "  --partial        save the lines that were taken even when others were not\n"
    "  --csv            IN is CSV of one list page\n"
    "  --sheet SHEET    that page, as 'show' takes it\n"
    "  --variant V      numbering variant, mpt (default) or cps\n\n";

int RunImport(const std::vector<std::string>& words)
{
    const Args args(words, {"--variant", "--sheet"}, {"--partial", "--csv"});
    if (!args.Ok()) {
        return UsageError("import", args.Error());
    }
    if (args.Positional().size() != 2) {
        return UsageError("import", "a clone file and a text file are required");
    }
    std::uint8_t modelType = 0;
    if (!ReadVariant("import", args, modelType)) {
        return kExitUsage;
    }
    if (args.Flag("--csv") != args.Has("--sheet")) {
        return UsageError("import", "--csv and --sheet go together");
    }
    const std::string path = args.Positional()[0];
    const std::string input = args.Positional()[1];
    Session session(FileSessionOptions(modelType));
    std::string text;
    if (!ReadTextFile(input, text)) {
        session.Console().Error(OverlayText("GI_Mess_Text_CannotRead", input));
        return kExitFailure;
    }
    const int opened = OpenDocument(session, path);
    if (opened != kExitOk) {
        return opened;
    }
    indMain& app = session.App();
    std::vector<SettingPage> pages = SettingPages();
    if (args.Flag("--csv") && !SheetPage("import", args.Value("--sheet"), pages)) {
        return kExitUsage;
    }
    const ImportReport report = args.Flag("--csv")
                                    ? ImportSheetCsv(text, ListSettings(pages, GTex(), app), app)
                                    : ImportSettingsText(text, pages, app);
    for (const RefusedLine& line : report.refused) {
        session.Console().Error(input + ":" + std::to_string(line.number) + ": " + line.reason + ": " + line.text);
    }
    if (!report.refused.empty() && !args.Flag("--partial")) {
        session.Console().Error(OverlayText("GI_Mess_Import_Refused", std::to_string(report.refused.size()), path));
        return kExitFailure;
    }
    const std::uint8_t code = SaveCloneFile(app, path);
    if (code != 0) {
        return kExitFileBase + code;
    }
    if (!report.refused.empty()) {
        session.Console().Error(
            OverlayText("GI_Mess_Import_Partial", std::to_string(report.taken), std::to_string(report.refused.size())));
        return kExitFailure;
    }
    return kExitOk;
}

}  // namespace

Command ImportCommand()
{
    static const std::string usage = std::string(kUsage) + kFileExitStatusHelp;
    return {"import", "type the settings of a text file into a clone file", usage.c_str(), RunImport};
}

}  // namespace xtr::ctl
