// The demonstration clone files that ship beside the program's initial
// files, one per numbering variant: a configured radio (network, channels,
// groups, directory) that the manual shows and the simulated radio serves
// by default. Its reference is the initial file of the same numbering.
#pragma once

#include <string>

namespace xtr {

inline std::string DemoFileName(int modelType)
{
    return modelType == 1 ? "demo-cps.kcl" : "demo-mpt.kcl";
}

}  // namespace xtr
