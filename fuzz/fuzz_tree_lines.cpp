// The tree's body lines as the overlay writes them: indentation before a "+"
// and a cell description after it. They are read through the command-line
// tool's tree reader, which nests them as the desktop program's tree does.
// Whatever the lines, reading either ends with one of the fatal errors of a
// broken description or gives a tree that starts at the top level, never
// opens more than one level at a time, and finds each page it names.
#include "app/globals.h"
#include "ctl/ctl_tree.h"
#include "fuzz_support.h"
#include "overlay/gtex.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

using xtr::fuzz::Require;

// The first input line is the tree's basic cell, the rest its body.
std::string TreeOverlay(std::string_view input)
{
    const std::size_t end = input.find('\n');
    std::string text = "#GI_Tree_Main_BasicCell\n";
    text.append(input.substr(0, end));
    text += "\n#GI_Tree_Main_Body\n";
    if (end != std::string_view::npos) {
        text.append(input.substr(end + 1));
    }
    return text + "\n" + xtr::fuzz::ShippedCellStyles() + "#End_Of_Ovl\n";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    xtr::cmcGTex texts;
    texts.NameText(TreeOverlay(input));
    xtr::SetGTex(&texts);
    {
        xtr::fuzz::ExpectedFatals fatals{XTR_FUZZ_DESCRIPTION_FATALS};
        try {
            const std::vector<xtr::ctl::TreeEntry> tree = xtr::ctl::ReadTree(texts);
            int previous = -1;
            for (const xtr::ctl::TreeEntry& entry : tree) {
                Require(entry.level >= 0 && entry.level <= previous + 1, "one level deeper at most");
                previous = entry.level;
                if (!entry.reference.empty()) {
                    std::string found;
                    Require(xtr::ctl::FindSheet(tree, entry.reference, found), "a page named by the tree is found");
                }
            }
        } catch (const xtr::fuzz::FatalStop&) {
            // A broken description: the overlay's error, reported as designed.
        }
    }
    xtr::SetGTex(nullptr);
    return 0;
}
