#include "ui/model/information_layout.h"

#include <algorithm>

namespace xtr {
namespace {

constexpr int kButtonGap = 5;  // from the right and bottom edges, and below the panel

}  // namespace

InformationLayout LayOutInformationWindow(int contentWidth, int contentHeight, int frame, int buttonWidth,
                                          int buttonHeight)
{
    contentWidth = std::max(0, contentWidth);
    contentHeight = std::max(0, contentHeight);
    frame = std::max(0, frame);
    buttonWidth = std::max(0, buttonWidth);
    buttonHeight = std::max(0, buttonHeight);

    InformationLayout layout;
    const int panelWidth = contentWidth + 2 * frame;
    const int panelHeight = contentHeight + 2 * frame;
    // A sheet narrower than its button still leaves the button whole.
    layout.clientWidth = std::max(panelWidth, buttonWidth + 2 * kButtonGap);
    layout.clientHeight = panelHeight + buttonHeight + 2 * kButtonGap;
    layout.panel = Rect{0, 0, layout.clientWidth, panelHeight};
    layout.button = Rect{layout.clientWidth - kButtonGap - buttonWidth, layout.clientHeight - kButtonGap - buttonHeight,
                         layout.clientWidth - kButtonGap, layout.clientHeight - kButtonGap};
    return layout;
}

}  // namespace xtr
