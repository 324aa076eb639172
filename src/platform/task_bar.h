// Making the system task bar visible at start-up (Windows only; elsewhere
// there is nothing to do).
#pragma once

namespace xtr {

void ShowSystemTaskBar();

}  // namespace xtr
