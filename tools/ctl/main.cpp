// xtr450ctl: the command-line face of the cloning program.
#include "ctl/commands.h"

int main(int argc, char** argv)
{
    return xtr::ctl::Run(argc, argv);
}
