// xtr450-mkfactory: writes the factory and demonstration clone files of
// both numbering variants into a folder (the data folder of the source
// tree), the factory files under the names the overlay gives the initial
// files. An image whose settings a cell refuses, or whose checks find errors
// or warnings other than those expected of it, is not written.
#include "factory_image.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "Usage: xtr450-mkfactory DIRECTORY\n");
        return 2;
    }
    using xtr::factory::Edition;
    using xtr::factory::Variant;
    xtr::factory::FactoryShop shop;
    int status = 0;
    for (Edition edition : {Edition::Factory, Edition::Demo})
    for (Variant variant : {Variant::Mpt, Variant::Cps}) {
        const std::string path = std::string(argv[1]) + "/" + shop.FileName(variant, edition);
        xtr::cmcEeprom image;
        const xtr::factory::BuildReport report = shop.Build(variant, edition, image);
        for (const std::string& line : report.refused) {
            std::fprintf(stderr, "%s: %s\n", path.c_str(), line.c_str());
        }
        for (const std::string& line : report.findings) {
            std::fprintf(stderr, "%s: %s\n", path.c_str(), line.c_str());
        }
        if (!report.Clean()) {
            std::fprintf(stderr, "%s: not written\n", path.c_str());
            status = 1;
            continue;
        }
        if (shop.Write(image, path) != 0) {
            std::fprintf(stderr, "xtr450-mkfactory: cannot write %s\n", path.c_str());
            status = 1;
        }
    }
    return status;
}
