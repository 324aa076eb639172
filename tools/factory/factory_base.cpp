// The bytes of a freshly programmed radio that the settings sheets do not
// edit, or that must be sane before the first setting is entered: the
// identity, the maker's data and timings, and the lists emptied as the
// radio expects an empty list to look. Everything not listed here stays
// erased (0xFF). The blocks are applied in this order, so a later block
// overrides an earlier one.
#include "factory_image.h"
#include "image/memory_map.h"

namespace xtr::factory {
namespace {

std::vector<std::uint8_t> Text(const char* text, std::size_t width)
{
    std::vector<std::uint8_t> bytes(width, ' ');
    for (std::size_t i = 0; i < width && text[i] != '\0'; ++i) {
        bytes[i] = static_cast<std::uint8_t>(text[i]);
    }
    return bytes;
}

std::vector<std::uint8_t> Be32(std::int32_t value)
{
    const auto v = static_cast<std::uint32_t>(value);
    return {static_cast<std::uint8_t>(v >> 24), static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 8),
            static_cast<std::uint8_t>(v)};
}

// A conventional channel that is not in use, as a fresh radio holds it:
// no frequencies, no tones, only the not-in-use bit of byte 12.
std::vector<std::uint8_t> UnusedConventionalRow()
{
    std::vector<std::uint8_t> row(18, 0x00);
    row[8] = 0x80;   // receive tone: none
    row[10] = 0x80;  // transmit tone: none
    row[12] = 0x80;  // not in use
    return row;
}

// A directory entry with no text and no number: ten blanks, sixteen bytes
// of end-of-number nibbles, and the derived prefix and ident cleared.
std::vector<std::uint8_t> EmptyDirectoryRow()
{
    std::vector<std::uint8_t> row(10, ' ');
    row.insert(row.end(), 16, 0xFF);
    row.insert(row.end(), 3, 0x00);
    return row;
}

const std::vector<BaseBlock>& Blocks()
{
    static const std::vector<BaseBlock> blocks = {
        // Maker area
        {memmap::kProductCode, {0x25, 0x26}, 1, "product code of the family, big-endian"},
        {memmap::kFamilyByte, {memmap::kFamilyByteValue}, 1, "family mark"},
        {0x0003, {0x00}, 1, "product revision"},
        {0x0008, {0x00}, 3, "hardware options: none fitted"},
        {0x000B, {0x08}, 1, "squelch delay on, DTCS polarities normal, set mode accessible, PLL type 0"},
        {0x0010, Be32(45050000), 1, "first IF 45.05 MHz"},
        {0x0014, Be32(12800000), 1, "PLL reference 12.8 MHz"},
        {0x0018, {20}, 1, "squelch signal detect, ms"},
        {0x0019, {40}, 1, "squelch noise detect, ms"},
        {0x001A, {150}, 1, "squelch delay reset, ms"},
        {0x001B, {10}, 1, "PLL fast lock on transmit, ms"},
        {0x001C, {10}, 1, "PLL fast lock on receive, ms"},
        {0x001D, {30}, 1, "audio mute after transmit, ms"},
        {0x001E, {30}, 1, "audio mute after receive, ms"},
        {0x0020, {20}, 1, "CTCSS decoder attack"},
        {0x0021, {40}, 1, "CTCSS decoder release"},
        {0x0022, {8}, 1, "CTCSS decoder PS"},
        {0x0024, {100}, 1, "LET, ms"},
        {0x002E, {16}, 1, "DTCS decoder"},
        {memmap::kMakerText, Text(memmap::kMakerTextValue, memmap::kMakerTextSize), 1, "maker's name"},
        {memmap::kMapFormat, {memmap::kMapFormatValue}, 1, "layout generation of the settings memory"},

        // Settings area: cleared, then the lists and texts as empty
        {memmap::kMapFormat + 1, {0x00}, 0x121D - (memmap::kMapFormat + 1), "settings cleared"},
        {memmap::kCloneComment1, Text("", 2 * memmap::kCloneCommentSize), 1, "clone comments 1 and 2, blank"},
        {memmap::kConventionalRows, UnusedConventionalRow(), 32, "conventional channels, none in use"},
        {memmap::kScramblerCodes, {1, 2, 3, 4, 5}, 1, "scrambler codes of rows 0-4"},
        {memmap::kDirectoryRows, EmptyDirectoryRow(), 40, "directory, all entries empty"},
        {memmap::kStatusTextRows, Text("", 10), 31, "status texts, blank"},
    };
    return blocks;
}

}  // namespace

std::span<const BaseBlock> BaseBlocks()
{
    return Blocks();
}

}  // namespace xtr::factory
