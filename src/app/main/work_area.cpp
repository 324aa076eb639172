#include "app/main/work_area.h"

namespace xtr {

Rect KeepInsideWorkArea(int left, int top, int width, int height, const Rect& workArea)
{
    if (left > workArea.right - 16) {
        left = workArea.right - 16;
    }
    if (top > workArea.bottom - 16) {
        top = workArea.bottom - 16;
    }
    if (left + width < workArea.left + 16) {
        left = workArea.left - width + 16;
    }
    if (top < workArea.top) {
        top = workArea.top;
    }
    return Rect{left, top, left + width, top + height};
}

}  // namespace xtr
