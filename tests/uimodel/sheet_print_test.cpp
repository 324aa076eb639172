#include "ui/model/sheet_print.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace xtr {
namespace {

// A printer whose sheets have columns and rows sized in proportion to the
// font height, recording what the printing does.
class FakeTarget : public PrintTarget {
public:
    // Columns per sheet (one fixed), each fontHeight * widthPerPoint wide;
    // rows (one fixed) fontHeight high.
    int columns = 5;
    int rows = 3;
    int widthPerPoint = 10;
    // Sheets whose grid does not shrink with the font.
    bool fixedSize = false;
    // Cancel after this many pages (the dialog's button); -1 never.
    int cancelAfterPages = -1;
    PrintState* state = nullptr;

    std::vector<std::string> log;
    std::vector<int> builtHeights;
    std::vector<PageBlock> pages;
    std::vector<Rect> extents;
    int documents = 0;
    bool open = false;

    void BeginDocument() override
    {
        log.push_back("begin");
        open = true;
    }
    void EndDocument() override
    {
        log.push_back("end");
        open = false;
        ++documents;
    }
    void NewPage() override { log.push_back("newpage"); }
    bool BuildSheet(const std::string& reference, int fontHeight) override
    {
        if (reference == "missing") {
            return false;
        }
        builtHeights.push_back(fontHeight);
        height_ = fontHeight;
        return true;
    }
    void DiscardSheet() override { log.push_back("discard"); }
    PrintGrid Grid() override
    {
        const int size = fixedSize ? 1000 : height_;
        PrintGrid grid;
        grid.widths.assign(static_cast<std::size_t>(columns), size * widthPerPoint);
        grid.heights.assign(static_cast<std::size_t>(rows), size);
        grid.breakable.assign(static_cast<std::size_t>(columns), true);
        grid.fixedColumns = 1;
        grid.fixedRows = 1;
        return grid;
    }
    bool SheetPrintable() override { return true; }
    Rect MeasureFrame(const Rect& area) override { return {area.left, area.top + 20, area.right, area.bottom - 20}; }
    void DrawPage(const Rect&, const Rect& inner, const PageBlock& block) override
    {
        log.push_back("page");
        pages.push_back(block);
        extents.push_back(BlockExtent(Grid(), inner, block));
        if (cancelAfterPages >= 0 && static_cast<int>(pages.size()) >= cancelAfterPages && state != nullptr) {
            state->cancel = true;
        }
    }

private:
    int height_ = 0;
};

const Rect kPaper{0, 0, 1000, 1040};

TEST(SheetPrintTest, FittingSheetIsOnePageWithItsFrame)
{
    FakeTarget target;
    PrintState state;
    EXPECT_EQ(PrintSheet(target, state, "[St_Common]Sheet", kPaper, 20), 1);
    EXPECT_EQ(target.log, (std::vector<std::string>{"page", "discard"}));
    EXPECT_EQ(target.builtHeights, std::vector<int>{20});
    EXPECT_TRUE(state.pageStarted);
}

TEST(SheetPrintTest, LaterPagesAskForANewPageFirst)
{
    FakeTarget target;
    target.columns = 9;  // 8 scrolling columns of 200 on 1000: two groups
    PrintState state;
    EXPECT_EQ(PrintSheet(target, state, "s", kPaper, 20), 2);
    EXPECT_EQ(target.log, (std::vector<std::string>{"page", "newpage", "page", "discard"}));
    // A second sheet in the same document starts on a new page as well.
    EXPECT_EQ(PrintSheet(target, state, "s", kPaper, 20), 2);
    EXPECT_EQ(target.log[4], "newpage");
}

TEST(SheetPrintTest, OversizedBlockIsPrintedSmallerAndTheFontStays)
{
    FakeTarget target;
    target.columns = 2;  // fixed 400 + 1 column of 400 wide at 40: 800 > 600
    PrintState state;
    EXPECT_EQ(PrintSheet(target, state, "s", {0, 0, 600, 1040}, 40), 1);
    ASSERT_EQ(target.builtHeights.size(), 2U);
    EXPECT_EQ(target.builtHeights[1], 30);
    EXPECT_LE(target.extents[0].right, 600);
}

TEST(SheetPrintTest, BlockThatNeverFitsIsPrintedClippedAfterThreeRefits)
{
    FakeTarget target;
    target.fixedSize = true;
    target.columns = 2;
    target.rows = 2;
    PrintState state;
    EXPECT_EQ(PrintSheet(target, state, "s", kPaper, 20), 1);
    // The first build and three rebuilds; then the page is printed anyway.
    EXPECT_EQ(target.builtHeights.size(), 1U + kMaxRefits);
    EXPECT_EQ(target.log, (std::vector<std::string>{"page", "discard"}));
    EXPECT_GT(target.extents[0].right, kPaper.right);
}

TEST(SheetPrintTest, CancelStopsBeforeTheNextPage)
{
    FakeTarget target;
    target.columns = 9;
    target.rows = 200;
    PrintState state;
    target.state = &state;
    target.cancelAfterPages = 1;
    EXPECT_EQ(PrintSheet(target, state, "s", kPaper, 20), 1);
    EXPECT_EQ(target.log.back(), "discard");
}

TEST(PrintAllRunTest, OneSheetPerTickAndTheDocumentAroundThem)
{
    FakeTarget target;
    PrintState state;
    PrintAllRun run(target, state, {"a", "", "missing", "b"}, kPaper, 20);
    EXPECT_TRUE(run.Tick());
    EXPECT_EQ(target.log, (std::vector<std::string>{"begin", "page", "discard"}));
    EXPECT_TRUE(run.Tick());  // a folder node prints nothing
    EXPECT_TRUE(run.Tick());  // nor does a reference without a sheet
    EXPECT_EQ(target.pages.size(), 1U);
    EXPECT_FALSE(run.Tick());
    EXPECT_TRUE(run.Done());
    EXPECT_EQ(run.Pages(), 2);
    EXPECT_EQ(target.log.back(), "end");
    EXPECT_EQ(target.documents, 1);
    EXPECT_FALSE(run.Tick());
    EXPECT_EQ(target.documents, 1);
}

TEST(PrintAllRunTest, CancelVisitsTheRestWithoutPagesAndEndsTheDocument)
{
    FakeTarget target;
    target.columns = 9;
    PrintState state;
    target.state = &state;
    target.cancelAfterPages = 1;
    PrintAllRun run(target, state, {"a", "b", "c"}, kPaper, 20);
    int ticks = 0;
    while (run.Tick() && ticks < 10) {
        ++ticks;
    }
    EXPECT_TRUE(run.Done());
    EXPECT_EQ(run.Pages(), 1);
    EXPECT_EQ(target.documents, 1);
    EXPECT_FALSE(target.open);
}

}  // namespace
}  // namespace xtr
