// xtr450ctl export: every setting of a clone file as one text line.
#include "app/main/ind_main.h"
#include "ctl/ctl_cells.h"
#include "ctl/ctl_options.h"
#include "ctl/ctl_settings.h"
#include "ctl/ctl_text_files.h"
#include "ctl/file_commands.h"
#include "ctl/settings_commands.h"
#include "app/globals.h"
#include "settings/settings_csv.h"
#include "settings/settings_text.h"

#include <cstdio>

namespace xtr::ctl {
namespace {

const char kUsage[] =
    "Usage: xtr450ctl export [--variant mpt|cps] FILE [-o OUT]\n"
    "       xtr450ctl export [--variant mpt|cps] --csv --sheet SHEET FILE [-o OUT]\n\n"
    "Writes every setting of the clone file FILE as one line\n"
    "'page / SETTING = value' (UTF-8), page by page, with a comment line '# page'\n"
    "before each page. SETTING is written as for 'get'. Line breaks and\n"
    "backslashes inside a value are written as \\n, \\r and \\\\. The order is\n"
    "always the same, so two exports compare well with a text diff.\n"
    "With --csv, the rows of the list page SHEET are written as CSV instead: a\n"
    "header 'Row' and the column titles, then one line per row.\n\n"
    "Options:\n"
    "  -o, --output F   the text file to write (default: the standard output)\n"
    "  --csv            the rows of one list page as CSV\n"
    "  --sheet SHEET    that page, as 'show' takes it\n"
    "  --variant V      numbering variant, mpt (default) or cps\n\n";

int RunExport(const std::vector<std::string>& words)
{
    const Args args(words, {"--variant", "--output", "--sheet"}, {"--csv"});
    if (!args.Ok()) {
        return UsageError("export", args.Error());
    }
    if (args.Positional().size() != 1) {
        return UsageError("export", "one clone file is required");
    }
    std::uint8_t modelType = 0;
    if (!ReadVariant("export", args, modelType)) {
        return kExitUsage;
    }
    if (args.Flag("--csv") != args.Has("--sheet")) {
        return UsageError("export", "--csv and --sheet go together");
    }
    Session session(FileSessionOptions(modelType));
    std::vector<SettingPage> pages = SettingPages();
    if (args.Flag("--csv") && !SheetPage("export", args.Value("--sheet"), pages)) {
        return kExitUsage;
    }
    const int opened = OpenDocument(session, args.Positional().front());
    if (opened != kExitOk) {
        return opened;
    }
    const std::vector<SettingEntry> entries = ListSettings(pages, GTex(), session.App());
    const std::string text = args.Flag("--csv") ? ExportSheetCsv(entries) : ExportSettingsText(entries);
    if (args.Flag("--csv") && text.empty()) {
        session.Console().Error("page " + pages.front().reference + " has no list rows");
        return kExitFailure;
    }
    if (!args.Has("--output")) {
        std::fwrite(text.data(), 1, text.size(), stdout);
        std::fflush(stdout);
        return kExitOk;
    }
    if (!WriteTextFile(args.Value("--output"), text)) {
        session.Console().Error(OverlayText("GI_Mess_Text_CannotWrite", args.Value("--output")));
        return kExitFailure;
    }
    return kExitOk;
}

}  // namespace

Command ExportCommand()
{
    static const std::string usage = std::string(kUsage) + kFileExitStatusHelp;
    return {"export", "write every setting of a clone file as text", usage.c_str(), RunExport};
}

}  // namespace xtr::ctl
