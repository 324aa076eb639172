#include "clone/clone_progress.h"

namespace xtr {

int CloneProgressFigure(int64_t doneBytes, int64_t expectedBytes)
{
    if (expectedBytes <= 0 || doneBytes <= 0) {
        return 0;
    }
    const int64_t k = 33 * doneBytes / expectedBytes;
    return k > 33 ? 33 : static_cast<int>(k);
}

}  // namespace xtr
