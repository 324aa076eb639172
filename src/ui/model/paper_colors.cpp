#include "ui/model/paper_colors.h"

namespace xtr {
namespace {

constexpr Color kWhite = 0xFFFFFF;
constexpr Color kBlack = 0x000000;
// System colours (button faces, highlights) have no fixed value outside the
// desktop; they all print as one light grey.
constexpr Color kSystemTint = 0xE6E6E6;
// How much of a channel's distance from white stays on paper: 1 / kTintDivisor.
constexpr unsigned kTintDivisor = 4;

}  // namespace

Color PaperTint(Color rgb)
{
    Color tinted = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const unsigned channel = (rgb >> shift) & 0xFFu;
        const unsigned light = 0xFFu - (0xFFu - channel) / kTintDivisor;
        tinted |= static_cast<Color>(light) << shift;
    }
    return tinted;
}

PaperLook PaperLookOf(Color cellColor)
{
    PaperLook look;
    if (cellColor == kColorWindow || cellColor == kWhite) {
        return look;
    }
    look.white = false;
    look.text = kBlack;
    look.background = (cellColor & kSystemColorBase) != 0 ? kSystemTint : PaperTint(cellColor & 0xFFFFFFu);
    return look;
}

}  // namespace xtr
