#include "platform/task_bar.h"

#if defined(_WIN32)
#include <windows.h>
#endif

namespace xtr {

void ShowSystemTaskBar()
{
#if defined(_WIN32)
    if (HWND bar = FindWindowA("Shell_TrayWnd", nullptr)) {
        ShowWindow(bar, SW_SHOW);
    }
#endif
}

}  // namespace xtr
