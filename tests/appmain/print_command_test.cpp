#include "app/main/print_command.h"

#include "app_fixture.h"
#include "ui/model/tree.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include <string>
#include <vector>

namespace xtr::test {
namespace {

// A printer whose pages are recorded and whose sheets have one fixed and
// one scrolling column and row, or nothing for "".
class RecordingPrinter : public PrinterSession, public PrintTarget {
public:
    struct Log {
        std::vector<std::string> steps;
        int sessions = 0;
    };

    RecordingPrinter(Log& log, bool hasPrinter, bool setupAccepted)
        : log_(log), hasPrinter_(hasPrinter), setupAccepted_(setupAccepted)
    {
        ++log_.sessions;
    }

    bool HasPrinter() override { return hasPrinter_; }
    bool Setup() override
    {
        log_.steps.push_back("setup");
        return setupAccepted_;
    }
    void ShowPrintingDialog(PrintState& state) override
    {
        log_.steps.push_back("dialog");
        state_ = &state;
    }
    void ClosePrintingDialog() override { log_.steps.push_back("close"); }
    PrintTarget& Target() override { return *this; }
    Rect PrintableArea() override { return {0, 0, 1000, 1000}; }
    int FontHeight() override { return 10; }

    void BeginDocument() override { log_.steps.push_back("begin"); }
    void EndDocument() override { log_.steps.push_back("end"); }
    void NewPage() override { log_.steps.push_back("new page"); }
    bool BuildSheet(const std::string& reference, int) override { return !reference.empty(); }
    void DiscardSheet() override {}
    PrintGrid Grid() override
    {
        PrintGrid grid;
        grid.widths = {10, 10};
        grid.heights = {10, 10};
        grid.breakable = {true, true};
        grid.fixedColumns = 1;
        grid.fixedRows = 1;
        return grid;
    }
    bool SheetPrintable() override { return true; }
    Rect MeasureFrame(const Rect& area) override { return area; }
    void DrawPage(const Rect&, const Rect&, const PageBlock&) override
    {
        log_.steps.push_back("page");
        // The user presses Cancel while the first sheet prints.
        if (cancelOnPage_ && state_ != nullptr) {
            state_->cancel = true;
        }
    }
    // The preview draws its pages drawings times (a change of paper draws
    // them again), calling whilePreviewing between; without it the printer
    // has no preview.
    bool Preview(const std::function<void()>& paint) override
    {
        if (!hasPreview_) {
            return false;
        }
        log_.steps.push_back("preview");
        for (int i = 0; i < drawings_; ++i) {
            paint();
            if (whilePreviewing_) {
                whilePreviewing_();
            }
        }
        log_.steps.push_back("closed");
        return true;
    }
    bool cancelOnPage_ = false;
    bool hasPreview_ = true;
    int drawings_ = 1;
    std::function<void()> whilePreviewing_;

private:
    Log& log_;
    bool hasPrinter_;
    bool setupAccepted_;
    PrintState* state_ = nullptr;
};

class PrintCommandTest : public AppTest {
protected:
    // The overlay texts of the messages.
    void SetUp() override { Start(); }

    void Install(bool hasPrinter = true, bool setupAccepted = true, bool cancelOnPage = false)
    {
        command.SetSessionFactory([=, this] {
            auto printer = std::make_unique<RecordingPrinter>(log, hasPrinter, setupAccepted);
            printer->cancelOnPage_ = cancelOnPage;
            return printer;
        });
    }

    // A printer (or none) whose preview draws its pages drawings times.
    void InstallPreview(bool hasPrinter, int drawings, std::function<void()> whilePreviewing = {},
                        bool cancelOnPage = false)
    {
        command.SetSessionFactory([=, this] {
            auto printer = std::make_unique<RecordingPrinter>(log, hasPrinter, true);
            printer->drawings_ = drawings;
            printer->whilePreviewing_ = whilePreviewing;
            printer->cancelOnPage_ = cancelOnPage;
            return printer;
        });
    }

    long Count(const char* step) const { return std::count(log.steps.begin(), log.steps.end(), step); }

    PrintCommand command;
    RecordingPrinter::Log log;
};

TEST_F(PrintCommandTest, NothingHappensWithoutAShownSheet)
{
    Install();
    command.Run(&form, false, "", {});
    command.Run(&form, true, "", {"[St_Common]A"});
    EXPECT_EQ(log.sessions, 0);
    EXPECT_TRUE(messages.asked.empty());
    EXPECT_TRUE(form.enabled);
}

TEST_F(PrintCommandTest, NoPrinterIsReportedAndSetupCancelStopsQuietly)
{
    Install(false);
    command.Run(&form, false, "[St_Common]A", {});
    ASSERT_EQ(messages.asked.size(), 1U);
    EXPECT_EQ(messages.asked[0].icon, MsgIcon::Error);
    EXPECT_TRUE(log.steps.empty());

    Install(true, false);
    command.Run(&form, false, "[St_Common]A", {});
    EXPECT_EQ(log.steps, std::vector<std::string>{"setup"});
    EXPECT_EQ(messages.asked.size(), 1U);
    EXPECT_FALSE(command.Busy());
    EXPECT_TRUE(form.enabled);
}

TEST_F(PrintCommandTest, PrintCurrentIsOneDocumentAtOnce)
{
    Install();
    command.Run(&form, false, "[St_Common]A", {"[St_Common]B"});
    EXPECT_EQ(log.steps, (std::vector<std::string>{"setup", "dialog", "begin", "page", "end", "close"}));
    EXPECT_EQ(command.Pages(), 1);
    EXPECT_FALSE(command.Busy());
    EXPECT_TRUE(form.enabled);
}

TEST_F(PrintCommandTest, PrintAllGoesNodeByNodeWithTheWindowDisabled)
{
    Install();
    EXPECT_TRUE(command.CanPrint());
    command.Run(&form, true, "[St_Common]A", {"[St_Common]A", "", "[St_Common]B"});
    EXPECT_TRUE(command.Busy());
    EXPECT_FALSE(command.CanPrint());
    EXPECT_FALSE(form.enabled);
    EXPECT_EQ(log.steps, (std::vector<std::string>{"setup", "dialog"}));
    command.Tick();
    command.Tick();
    EXPECT_FALSE(form.enabled);
    command.Tick();
    EXPECT_FALSE(command.Busy());
    EXPECT_TRUE(form.enabled);
    EXPECT_EQ(command.Pages(), 2);
    EXPECT_EQ(log.steps.back(), "close");
    // A second command while none runs starts afresh.
    command.Run(&form, false, "[St_Common]A", {});
    EXPECT_EQ(log.sessions, 2);
}

TEST_F(PrintCommandTest, CancelDuringPrintAllEndsTheDocumentAndEnablesTheWindow)
{
    Install(true, true, true);
    command.Run(&form, true, "[St_Common]A", {"[St_Common]A", "[St_Common]B", "[St_Common]C"});
    for (int tick = 0; tick < 10 && command.Busy(); ++tick) {
        command.Tick();
    }
    EXPECT_FALSE(command.Busy());
    EXPECT_EQ(command.Pages(), 1);
    EXPECT_EQ(std::count(log.steps.begin(), log.steps.end(), "end"), 1);
    EXPECT_TRUE(form.enabled);
}

TEST_F(PrintCommandTest, PreviewShowsTheSheetsPagesWithoutSetupMessageOrDisabledWindow)
{
    // No printer installed: the preview still lays out on the default paper.
    InstallPreview(false, 2, [this] {
        EXPECT_TRUE(command.Busy());
        EXPECT_FALSE(command.CanPrint());
        EXPECT_TRUE(form.enabled);
    });
    command.Preview(false, "[St_Common]A", {});
    // Each drawing is a whole document of its own.
    EXPECT_EQ(log.steps, (std::vector<std::string>{"preview", "begin", "page", "end", "begin", "page", "end", "closed"}));
    EXPECT_EQ(command.Pages(), 1);
    EXPECT_TRUE(messages.asked.empty());
    EXPECT_FALSE(command.Busy());
    EXPECT_TRUE(form.enabled);

    // Nothing without a shown sheet, and nothing from a printer without a
    // preview.
    log.steps.clear();
    command.Preview(false, "", {});
    command.Preview(true, "", {"[St_Common]A"});
    EXPECT_TRUE(log.steps.empty());
    command.SetSessionFactory([this] {
        auto printer = std::make_unique<RecordingPrinter>(log, true, true);
        printer->hasPreview_ = false;
        return printer;
    });
    command.Preview(false, "[St_Common]A", {});
    EXPECT_TRUE(log.steps.empty());
    EXPECT_FALSE(command.Busy());
}

TEST_F(PrintCommandTest, PreviewOfAllPagesIsThePrintAllDocumentInOneDrawing)
{
    const std::vector<std::string> tree{"[St_Common]A", "", "[St_Common]B", "[St_Common]C"};
    Install();
    command.Run(&form, true, "[St_Common]A", tree);
    for (int tick = 0; tick < 10 && command.Busy(); ++tick) {
        command.Tick();
    }
    const long printedPages = Count("page");
    const int printed = command.Pages();

    log.steps.clear();
    InstallPreview(true, 1);
    command.Preview(true, "[St_Common]A", tree);
    EXPECT_EQ(Count("page"), printedPages);
    EXPECT_EQ(command.Pages(), printed);
    EXPECT_EQ(Count("begin"), 1);
    EXPECT_EQ(Count("end"), 1);
    EXPECT_EQ(Count("setup"), 0);
    EXPECT_EQ(Count("dialog"), 0);
}

TEST_F(PrintCommandTest, APreviewStartsFromAFreshStateEveryTimeItIsDrawn)
{
    // A print cancelled after its first page leaves the cancel and the
    // page-started marks behind; the preview afterwards must neither stop
    // early nor open its document with a new page.
    const std::vector<std::string> tree{"[St_Common]A", "[St_Common]B"};
    Install(true, true, true);
    command.Run(&form, true, "[St_Common]A", tree);
    for (int tick = 0; tick < 10 && command.Busy(); ++tick) {
        command.Tick();
    }
    ASSERT_EQ(command.Pages(), 1);

    log.steps.clear();
    InstallPreview(true, 2);
    command.Preview(true, "[St_Common]A", tree);
    EXPECT_EQ(Count("page"), 4);
    EXPECT_EQ(Count("new page"), 2);  // the second page of each drawing
    EXPECT_EQ(command.Pages(), 2);
}

TEST_F(PrintCommandTest, NoPreviewWhileADocumentPrints)
{
    Install();
    command.Run(&form, true, "[St_Common]A", {"[St_Common]A", "[St_Common]B"});
    ASSERT_TRUE(command.Busy());
    const int sessions = log.sessions;
    command.Preview(false, "[St_Common]A", {});
    EXPECT_EQ(log.sessions, sessions);
    for (int tick = 0; tick < 10 && command.Busy(); ++tick) {
        command.Tick();
    }
    EXPECT_EQ(Count("preview"), 0);
    EXPECT_TRUE(form.enabled);
}

TEST_F(AppTest, PrintCommandsDoNothingBeforeASheetIsShownAndReferencesComeFromTheCells)
{
    StartAttached();
    int sessions = 0;
    App().Printing().SetSessionFactory([&]() -> std::unique_ptr<PrinterSession> {
        ++sessions;
        return nullptr;
    });
    EXPECT_FALSE(App().CanPrintCurrent());
    EXPECT_TRUE(App().RunCommand(AppCommand::PrintCurrent, 0, {}));
    EXPECT_TRUE(App().RunCommand(AppCommand::PrintAll, 0, {}));
    EXPECT_TRUE(App().RunCommand(AppCommand::PrintCurrent, kPrintPreviewArgument, {}));
    EXPECT_TRUE(App().RunCommand(AppCommand::PrintAll, kPrintPreviewArgument, {}));
    EXPECT_EQ(sessions, 0);
    EXPECT_TRUE(form.enabled);

    // Every node has its entry; pages carry the sheet reference, not the
    // node's caption.
    const cuiTree& tree = *App().Tree();
    const std::vector<std::string> references = PageReferences(tree);
    ASSERT_EQ(references.size(), static_cast<std::size_t>(tree.NodeCount()));
    bool anyPage = false;
    for (std::size_t i = 0; i < references.size(); ++i) {
        const cmcCellObj* cell = tree.CellOf(tree.FlatOrder()[i]);
        if (!references[i].empty()) {
            anyPage = true;
            EXPECT_EQ(references[i], cell->parameter.value_or("")) << i;
            EXPECT_NE(references[i], cell->Caption()) << i;
        }
    }
    EXPECT_TRUE(anyPage);
}

}  // namespace
}  // namespace xtr::test
