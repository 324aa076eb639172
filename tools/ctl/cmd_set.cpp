// xtr450ctl set: changes cells of a clone file as typing into the desktop
// program's grid would, and saves the file as its save command does.
#include "app/main/ind_main.h"
#include "app/message_service.h"
#include "cells/cell_obj.h"
#include "cells/cell_text_edit.h"
#include "ctl/ctl_cells.h"
#include "ctl/ctl_files.h"
#include "ctl/ctl_options.h"
#include "ctl/file_commands.h"

#include <cstdio>
#include <string>
#include <vector>

namespace xtr::ctl {
namespace {

const char kUsage[] =
    "Usage: xtr450ctl set [--variant mpt|cps] [--yes] FILE CELL=TEXT...\n\n"
    "Stores each TEXT into its cell CELL of the clone file FILE exactly as typing\n"
    "it into the desktop program's grid would, then saves FILE as the program's\n"
    "save command does. CELL is written as for 'get'. A cell that offers a list\n"
    "instead of taking typed text takes the caption of one of the list's items\n"
    "(letter case ignored) or #N for the item whose value is N.\n\n"
    "A text that a cell does not take is reported, and FILE is then left as it\n"
    "was. Each cell's new text is printed as CELL=TEXT.\n\n"
    "Options:\n"
    "  --variant V      numbering variant, mpt (default) or cps\n"
    "  --yes            answer Yes to the questions a change asks (default: No)\n\n";

struct Assignment {
    std::string name;
    CellRef ref;
    std::string text;
};

// Prints messages through the tool's console and answers its questions
// with Yes.
class YesMessages : public MessageService {
public:
    explicit YesMessages(MessageService& console) : console_(console) {}
    MsgResult Show(const std::string& caption, const std::string& text, MsgIcon icon, MsgButtons buttons) override
    {
        console_.Show(caption, text, icon, MsgButtons::Ok);
        switch (buttons) {
        case MsgButtons::Ok:
        case MsgButtons::OkCancel: return MsgResult::Ok;
        default: return MsgResult::Yes;
        }
    }

private:
    MessageService& console_;
};

int RunSet(const std::vector<std::string>& words)
{
    const Args args(words, {"--variant"}, {"--yes"});
    if (!args.Ok()) {
        return UsageError("set", args.Error());
    }
    if (args.Positional().size() < 2) {
        return UsageError("set", "a clone file and at least one CELL=TEXT are required");
    }
    std::uint8_t modelType = 0;
    if (!ReadVariant("set", args, modelType)) {
        return kExitUsage;
    }
    std::vector<Assignment> assignments;
    for (std::size_t i = 1; i < args.Positional().size(); ++i) {
        const std::string& word = args.Positional()[i];
        const std::size_t equals = word.find('=');
        if (equals == std::string::npos) {
            return UsageError("set", "'" + word + "' is not CELL=TEXT");
        }
        Assignment assignment{word.substr(0, equals), {}, word.substr(equals + 1)};
        std::string error;
        if (!ParseCellRef(assignment.name, assignment.ref, error)) {
            return UsageError("set", error);
        }
        assignments.push_back(std::move(assignment));
    }

    Session session(FileSessionOptions(modelType));
    const std::string path = args.Positional().front();
    const int opened = OpenDocument(session, path);
    if (opened != kExitOk) {
        return opened;
    }
    indMain& app = session.App();

    // With --yes the questions are answered by `yes` while the settings are
    // stored; the console comes back before `yes` goes.
    YesMessages yes(session.Console());
    struct Answering {
        MessageService* previous = nullptr;
        bool installed = false;
        ~Answering()
        {
            if (installed) {
                SetMessageService(previous);
            }
        }
    } answering;
    if (args.Flag("--yes")) {
        answering.previous = SetMessageService(&yes);
        answering.installed = true;
    }
    bool refused = false;
    for (const Assignment& assignment : assignments) {
        cmcCellObj cell;
        MakeSettingCell(assignment.ref, cell);
        const CellEdit edit = EditCell(app, cell, assignment.text);
        if (!edit.accepted) {
            refused = true;
            session.Console().Error(assignment.name + ": '" + assignment.text + "' not taken: " + edit.reason +
                                    " (it shows '" + edit.shown + "')");
            continue;
        }
        std::printf("%s=%s\n", assignment.name.c_str(), edit.shown.c_str());
    }
    SetMessageService(&session.Console());
    if (refused) {
        session.Console().Error(path + " was left unchanged");
        return kExitFailure;
    }

    const std::uint8_t code = SaveCloneFile(app, path);
    return code == 0 ? kExitOk : kExitFileBase + code;
}

}  // namespace

Command SetCommand()
{
    static const std::string usage = std::string(kUsage) + kFileExitStatusHelp;
    return {"set", "change cells of a clone file and save it", usage.c_str(), RunSet};
}

}  // namespace xtr::ctl
