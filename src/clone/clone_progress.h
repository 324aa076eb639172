// How a running clone operation shows itself. The clone manager reports the
// start of every operation, the progress of a read or write as the number of
// filled cells of a 32-cell bar, and the end; the desktop program's progress
// window and the command-line tool's progress bar both listen through this.
#pragma once

#include <cstdint>

namespace xtr {

class CloneProgressView {
public:
    virtual ~CloneProgressView() = default;

    // An operation starts (kind 1 identify, 2 read, 3 write). The main
    // window is disabled from here to the end; a read or a write also opens
    // the progress display.
    virtual void CloneStarted(uint8_t kind) = 0;
    // The progress figure of the running read or write, 0 to 33: the bar
    // shows min(k, 32) filled cells. Sent every 30 ms and once at the end.
    virtual void CloneProgress(int k) = 0;
    // The result is being dispatched: the progress display closes, the main
    // window is enabled again and gets the focus. Sent after the error
    // message of a failed operation and before the caller's completion.
    virtual void CloneEnded() = 0;
};

// The progress figure: (33 × done) div expected, 0 when nothing is expected
// and never beyond 33, however many bytes a misbehaving radio sends.
int CloneProgressFigure(int64_t doneBytes, int64_t expectedBytes);

// The cells of a 32-cell bar that the figure fills.
inline int CloneProgressCells(int k) { return k < 0 ? 0 : (k > 32 ? 32 : k); }

}  // namespace xtr
