// xtr450-mkfactory: writes the factory clone files of both numbering
// variants into a folder (the data folder of the source tree).
#include "factory_image.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "Usage: xtr450-mkfactory DIRECTORY\n");
        return 2;
    }
    const std::string dir = std::string(argv[1]) + "/";
    using xtr::factory::Variant;
    if (xtr::factory::WriteFactoryFile(Variant::Mpt, dir + "XTR450MPT.kcl") != 0 ||
        xtr::factory::WriteFactoryFile(Variant::Cps, dir + "XTR450CPS.kcl") != 0) {
        std::fprintf(stderr, "xtr450-mkfactory: cannot write the factory files\n");
        return 1;
    }
    return 0;
}
