#include "ui/model/sheet_print.h"

namespace xtr {

int PrintSheet(PrintTarget& target, PrintState& state, const std::string& reference, const Rect& area,
               int fontHeight)
{
    if (!target.BuildSheet(reference, fontHeight)) {
        return 0;
    }
    const Rect inner = target.MeasureFrame(area);
    PrintGrid grid = target.Grid();
    const std::vector<PageBlock> blocks =
        PageBlocks(grid, SplitColumns(grid, inner.Width()), SplitRows(grid, inner.Height()));

    int pages = 0;
    for (const PageBlock& block : blocks) {
        if (state.cancel || !target.SheetPrintable()) {
            break;
        }
        for (int refit = 0; refit < kMaxRefits; ++refit) {
            const Rect extent = BlockExtent(grid, inner, block);
            if (BlockFits(extent, inner)) {
                break;
            }
            // The group split stays; the smaller font holds for the rest of
            // the sheet.
            fontHeight = RefitFontHeight(fontHeight, extent, inner);
            if (!target.BuildSheet(reference, fontHeight)) {
                return pages;
            }
            grid = target.Grid();
        }
        if (state.pageStarted) {
            target.NewPage();
        }
        target.DrawPage(area, inner, block);
        state.pageStarted = true;
        ++pages;
    }
    target.DiscardSheet();
    return pages;
}

PrintAllRun::PrintAllRun(PrintTarget& target, PrintState& state, std::vector<std::string> references, Rect area,
                         int fontHeight)
    : target_(target), state_(state), references_(std::move(references)), area_(area), fontHeight_(fontHeight)
{
}

bool PrintAllRun::Tick()
{
    if (done_) {
        return false;
    }
    if (next_ == 0) {
        target_.BeginDocument();
    }
    if (next_ < references_.size()) {
        const std::string& reference = references_[next_];
        if (!reference.empty()) {
            pages_ += PrintSheet(target_, state_, reference, area_, fontHeight_);
        }
        ++next_;
    }
    if (next_ >= references_.size()) {
        target_.EndDocument();
        done_ = true;
        return false;
    }
    return true;
}

}  // namespace xtr
