#include "ui/model/page_frame.h"

#include <cstdlib>

namespace xtr {

PageFrameLayout LayoutPageFrame(const Rect& area, int fontHeight, int appTitleWidth, int makerWidth)
{
    const int h = std::abs(fontHeight);
    // The rule's thickness; the gap below (above) it is four more of them.
    const int a = static_cast<int>(h * 0.1 + 1);
    PageFrameLayout frame;
    int top = area.top;
    int bottom = area.bottom;

    frame.title = {area.left, top};
    frame.appTitle = {area.right - appTitleWidth - 1, top};
    top += h + a;
    frame.headerRule = {area.left, top, area.right, top + a};
    top += 5 * a;

    frame.maker = {area.right - makerWidth - 1, bottom - h - 1};
    bottom -= h + a;
    frame.footerRule = {area.left, bottom - a, area.right, bottom};
    bottom -= 5 * a;

    frame.inner = {area.left, top, area.right, bottom};
    return frame;
}

}  // namespace xtr
