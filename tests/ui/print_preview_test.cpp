// The print preview from the File menu over the real application object on
// the offscreen platform: it shows as many pages as printing the same pages
// gives, and closing it leaves the window, the page and the image as they
// were.
#include "grid_widget_fixture.h"

#include "app/events.h"
#include "app/main/print_command.h"
#include "ui/model/sheet.h"
#include "ui/print_target.h"
#include "ui/qt_printer_session.h"

#include <QMenuBar>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

namespace xtr::test {
namespace {

// How often the close-down polls for the preview before it gives up: the
// preview is shown by the first round of the dialog's own event loop.
constexpr int kPollLimit = 200;

class PrintPreview : public GridWidgetTest {
protected:
    PrintPreview()
    {
        form->show();
        App().Printing().SetSessionFactory(ui::QtPrinterSessionFactory(form.get()));
    }
    ~PrintPreview() override { App().Printing().SetSessionFactory(nullptr); }

    QAction* FileItem(const QString& text)
    {
        for (QAction* top : form->menuBar()->actions()) {
            if (top->text() == "&File" && top->menu() != nullptr) {
                for (QAction* item : top->menu()->actions()) {
                    if (item->text() == text) {
                        return item;
                    }
                }
            }
        }
        ADD_FAILURE() << "no File item " << text.toStdString();
        return nullptr;
    }

    // Chooses a File item and, once its preview is open, reports the pages
    // it shows and closes it as Cancel would. -1 when no preview opened.
    int PreviewPages(const QString& item)
    {
        QAction* action = FileItem(item);
        if (action == nullptr) {
            return -1;
        }
        EvMan().Send(kEvRefreshMenus, 0, 0);
        EXPECT_TRUE(action->isEnabled());
        int pages = -1;
        int polls = 0;
        QTimer poll;
        poll.setInterval(0);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
            if (dialog != nullptr && dialog->objectName() == "printPreview") {
                auto* widget = dialog->findChild<QPrintPreviewWidget*>();
                if (widget != nullptr && widget->pageCount() > 0) {
                    pages = widget->pageCount();
                    EXPECT_TRUE(App().Printing().Busy());  // no print while the preview is open
                    poll.stop();
                    dialog->reject();
                    return;
                }
            }
            if (++polls >= kPollLimit) {
                poll.stop();
                if (QApplication::activeModalWidget() != nullptr) {
                    QApplication::activeModalWidget()->close();
                }
            }
        });
        poll.start();
        action->trigger();
        poll.stop();
        return pages;
    }

    // The pages the printer gets for the same references: a document on a
    // printer as the preview's, written to a PDF file.
    int PrintedPages(const std::vector<std::string>& references)
    {
        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("pages.pdf"));
        ui::QtPrintTarget target(
            printer, GTex(), [](const std::string& reference) { return App().CreateSheet(nullptr, reference); },
            form->Markers());
        PrintState state;
        PrintAllRun run(target, state, references, target.PrintableArea(), target.DefaultFontHeight());
        while (run.Tick()) {
        }
        return run.Pages();
    }
};

TEST_F(PrintPreview, ShowsThePagesThatPrintAndCancelLeavesEverythingAsItWas)
{
    Show(kConvChannels);
    ui::SheetPanel* page = form->Page();
    page->Grid()->Model().SelectCell(kReceive, 3);
    // The fixture opened its file beside the document commands: mark it
    // saved, as opening it from the File menu does.
    App().ClearModified();
    const std::vector<std::uint8_t> image = Bytes(App().CurrentImage());

    const int shown = PreviewPages("Print Pre&view...");
    EXPECT_EQ(shown, PrintedPages({kConvChannels}));
    EXPECT_GE(shown, 1);

    // Closed: the window works, the page and its cursor are the same, the
    // image is untouched, nothing asked and the printer is free again.
    EXPECT_TRUE(form->isEnabled());
    EXPECT_EQ(form->Page(), page);
    EXPECT_EQ(App().ShownSheetReference(), kConvChannels);
    EXPECT_EQ(page->Grid()->Model().CursorRow(), 3);
    EXPECT_EQ(Bytes(App().CurrentImage()), image);
    EXPECT_FALSE(App().Modified());
    EXPECT_TRUE(messages.asked.empty());
    EXPECT_FALSE(App().Printing().Busy());
    EXPECT_TRUE(App().CanPrintCurrent());
}

TEST_F(PrintPreview, AllSheetsShowEveryPageOfTheTree)
{
    Show(kConvChannels);
    const std::vector<std::string> references = PageReferences(*App().Tree());
    const int shown = PreviewPages("Print Previe&w of All Sheets...");
    EXPECT_EQ(shown, PrintedPages(references));
    EXPECT_GT(shown, PrintedPages({kConvChannels}));
    EXPECT_TRUE(form->isEnabled());
    EXPECT_EQ(App().ShownSheetReference(), kConvChannels);
}

}  // namespace
}  // namespace xtr::test
