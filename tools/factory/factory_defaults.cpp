// The factory defaults, as byte blocks at their addresses. Unlisted bytes of
// the clone area hold 0xFF, as in an erased EEPROM.
#include "factory_image.h"

#include "image/clone_file.h"

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace xtr::factory {
namespace {

struct Block {
    int32_t address;
    std::vector<uint8_t> bytes;
    const char* what;
};

std::vector<uint8_t> Text(const char* text, size_t width)
{
    std::vector<uint8_t> bytes(width, ' ');
    for (size_t i = 0; i < width && text[i] != '\0'; ++i) {
        bytes[i] = static_cast<uint8_t>(text[i]);
    }
    return bytes;
}

std::vector<Block> CommonBlocks()
{
    return {
        {0x0000, {0x25, 0x26}, "product code of the family, big-endian"},
        {0x0002, {0x01}, "family mark"},
        {0x0100, Text("Nalu Inc", 8), "maker's name"},
        {0x0108, {0x02}, "layout generation of the settings memory"},
        {0x0188, Text("Factory defaults", 16), "clone comment 1"},
    };
}

}  // namespace

void BuildFactoryImage(Variant variant, cmcEeprom& image)
{
    image.SetSize(0x4000);
    for (int32_t a = 0; a < 0x2000; ++a) {
        image.SetByte(a, 0xFF);
    }
    for (const Block& block : CommonBlocks()) {
        image.WriteBlock(block.address, block.bytes.data(), static_cast<int32_t>(block.bytes.size()));
    }
    const auto second = Text(variant == Variant::Mpt ? "MPT numbering" : "CPS numbering", 16);
    image.WriteBlock(0x0198, second.data(), 16);
}

int WriteFactoryFile(Variant variant, const std::string& path)
{
    cmcEeprom image;
    BuildFactoryImage(variant, image);
    cmcKclFile file;
    file.SetImage(&image);
    file.SetModelCode(0x2527);
    file.SetExtraCode(0);
    file.SetMapRevision(kKclMapRevision);
    file.SetComment(CloneFileComment(image));
    return file.Write(path, RangeList(kCloneAreaRanges));
}

}  // namespace xtr::factory
