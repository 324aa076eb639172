// The list of commands. Adding a command: write its file with a Command
// object and add it here.
#include "ctl/commands.h"
#include "ctl/file_commands.h"
#include "ctl/settings_commands.h"
#include "ctl/transfer_commands.h"

namespace xtr::ctl {

const std::vector<Command>& CommandTable()
{
    static const std::vector<Command> table = {
        InfoCommand(),
        ReadCommand(),
        WriteCommand(),
        CheckCommand(),
        SheetsCommand(),
        ShowCommand(),
        GetCommand(),
        SetCommand(),
        ExportCommand(),
        ImportCommand(),
        DiffCommand(),
        BackupsCommand(),
        PortsCommand(),
#ifdef XTR_WITH_PRINT
        PrintCommand(),
#endif
    };
    return table;
}

}  // namespace xtr::ctl
