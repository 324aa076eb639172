// xtr450ctl print: one page or all pages of a clone file as a PDF, drawn
// as the desktop program prints them, without a display. Built only where
// the Qt painting libraries are present.
#include "app/globals.h"
#include "app/main/ind_main.h"
#include "ctl/ctl_cells.h"
#include "ctl/ctl_options.h"
#include "ctl/ctl_tree.h"
#include "ctl/file_commands.h"
#include "overlay/gtex.h"
#include "ui/image_print_sheets.h"
#include "ui/model/sheet_print.h"
#include "ui/print_target.h"

#include <QApplication>
#include <QFileInfo>
#include <QPageSize>
#include <QPdfWriter>

#include <cstdio>
#include <memory>
#include <string>

namespace xtr::ctl {
namespace {

const char kUsage[] =
    "Usage: xtr450ctl print FILE.kcl -o OUT.pdf [--sheet REFERENCE] [--variant mpt|cps]\n\n"
    "Prints the pages of a clone file to a PDF file on A4 paper, split into pages\n"
    "with header and footer as the desktop program prints them: every page of the\n"
    "navigation tree, or only the page named by --sheet (a reference as 'sheets'\n"
    "lists it, a sheet's name or a page's caption).\n\n"
    "Options:\n"
    "  -o, --output F   the PDF file written (required)\n"
    "  --sheet S        print this page only\n"
    "  --variant V      numbering variant, mpt (default) or cps\n\n";

// The PDF resolution: fine enough for the segment characters' shapes.
constexpr int kPdfDotsPerInch = 600;

// Qt draws without a display through its offscreen platform.
std::unique_ptr<QApplication> StartPainting()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static int argc = 1;
    static char name[] = "xtr450ctl";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QApplication>(argc, argv);
}

int RunPrint(const std::vector<std::string>& words)
{
    const Args args(words, {"--variant", "--output", "--sheet"}, {});
    if (!args.Ok()) {
        return UsageError("print", args.Error());
    }
    if (args.Positional().size() != 1) {
        return UsageError("print", "one clone file is required");
    }
    if (!args.Has("--output") || args.Value("--output").empty()) {
        return UsageError("print", "the PDF file is required (-o OUT.pdf)");
    }
    std::uint8_t modelType = 0;
    if (!ReadVariant("print", args, modelType)) {
        return kExitUsage;
    }
    Session session(FileSessionOptions(modelType));
    const std::vector<TreeEntry> tree = ReadTree(GTex());
    std::vector<std::string> references;
    if (args.Has("--sheet")) {
        std::string reference;
        if (!FindSheet(tree, args.Value("--sheet"), reference)) {
            return UsageError("print", "no page '" + args.Value("--sheet") + "' (see 'xtr450ctl sheets')");
        }
        references.push_back(reference);
    } else {
        // The pages a user sees in the tree; folders print nothing.
        for (const TreeEntry& entry : tree) {
            if (!entry.makerOnly) {
                references.push_back(entry.reference);
            }
        }
    }
    const int opened = OpenDocument(session, args.Positional().front());
    if (opened != kExitOk) {
        return opened;
    }

    const auto painting = StartPainting();
    const std::string output = args.Value("--output");
    // Written beside the target first, so a failed run leaves an earlier
    // PDF of the same name as it was.
    const QString target = QString::fromLocal8Bit(output.c_str());
    const QString partial = target + ".part";
    int pages = 0;
    {
        QPdfWriter writer(partial);
        writer.setResolution(kPdfDotsPerInch);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setTitle(QFileInfo(QString::fromLocal8Bit(args.Positional().front().c_str())).fileName());
        // The desktop's markers and display texts, over the file's image.
        ui::ImagePrintSheets sheets(GTex(), session.App().CurrentImage(), session.App().SegmentFont());
        ui::QtPrintTarget printer(writer, GTex(), sheets.Factory(), sheets.Markers());
        PrintState state;
        PrintAllRun run(printer, state, references, printer.PrintableArea(), printer.DefaultFontHeight());
        while (run.Tick()) {
        }
        if (printer.Failed()) {
            session.Console().Error("cannot write " + output);
            QFile::remove(partial);
            return kExitFailure;
        }
        pages = run.Pages();
    }
    if (pages == 0) {
        QFile::remove(partial);
        session.Console().Error("nothing to print: the pages chosen print nothing");
        return kExitFailure;
    }
    QFile::remove(target);
    if (!QFile::rename(partial, target)) {
        QFile::remove(partial);
        session.Console().Error("cannot write " + output);
        return kExitFailure;
    }
    std::printf("%d page%s written to %s\n", pages, pages == 1 ? "" : "s", output.c_str());
    return kExitOk;
}

}  // namespace

Command PrintCommand()
{
    static const std::string usage = std::string(kUsage) + kFileExitStatusHelp;
    return {"print", "print pages of a clone file to a PDF file", usage.c_str(), RunPrint};
}

}  // namespace xtr::ctl
