// The print commands of the main window: the sheet shown, or every page of
// the navigation tree. The printer, its setup dialog and the printing
// dialog with its Cancel button are the platform's, behind PrinterSession;
// the order of the steps, the disabled main window and the page-per-tick
// printing of all pages live here.
#pragma once

#include "ui/model/sheet_print.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace xtr {

class MainForm;
class cuiTree;

// The sheet reference of every node of the tree in its flat order; "" for
// a node that opens no page.
std::vector<std::string> PageReferences(const cuiTree& tree);

// One print command's printer.
class PrinterSession {
public:
    virtual ~PrinterSession() = default;
    // Whether the system has a printer at all.
    virtual bool HasPrinter() = 0;
    // The printer setup dialog; false when the user cancelled it.
    virtual bool Setup() = 0;
    // Shows the printing dialog; its Cancel button sets state.cancel.
    virtual void ShowPrintingDialog(PrintState& state) = 0;
    virtual void ClosePrintingDialog() = 0;
    // The printer set up: its pages, its printable rectangle (one copy,
    // the overlay's margins) and the cells' font height on it.
    virtual PrintTarget& Target() = 0;
    virtual Rect PrintableArea() = 0;
    virtual int FontHeight() = 0;
    // Shows the print preview and returns when it is closed. paint draws
    // the whole document on Target(), and is called whenever the preview
    // needs its pages (again after a change of paper or orientation, and
    // when the preview's own print button sends them to the printer).
    // false when this printer offers no preview.
    virtual bool Preview(const std::function<void()>& paint)
    {
        (void)paint;
        return false;
    }
};

class PrintCommand {
public:
    using SessionFactory = std::function<std::unique_ptr<PrinterSession>()>;

    // Without a factory (the command-line tool, tests that do not print)
    // the commands do nothing.
    void SetSessionFactory(SessionFactory factory) { factory_ = std::move(factory); }
    // Prints the sheet of shownReference ("" when none is shown: nothing
    // happens), or with all every reference of the tree in its flat order
    // ("" for a node without a page), one per Tick. The form (may be null)
    // is disabled until the document ends.
    void Run(MainForm* form, bool all, const std::string& shownReference, std::vector<std::string> treeReferences);
    // The print preview of the same pages: the sheet of shownReference, or
    // with all every reference of the tree. Nothing without a shown sheet
    // or while a document prints. It asks for no printer setup and shows no
    // message without a printer: the preview lays the pages out on the
    // default paper. The preview is modal; the form stays as it is.
    void Preview(bool all, const std::string& shownReference, std::vector<std::string> treeReferences);
    // One step of printing all pages; called by the idle task.
    void Tick();
    bool Busy() const { return session_ != nullptr || previewing_; }
    // A printer is installed and no document is in progress.
    bool CanPrint() const { return factory_ != nullptr && !Busy(); }
    // The pages of the last document (for a preview, of its last drawing).
    int Pages() const { return pages_; }

private:
    void Finish();
    // Draws one whole document on target at once.
    int PrintDocument(PrintTarget& target, bool all, const std::string& shownReference,
                      const std::vector<std::string>& treeReferences, const Rect& area, int fontHeight);

    SessionFactory factory_;
    MainForm* form_ = nullptr;
    std::unique_ptr<PrinterSession> session_;
    std::unique_ptr<PrintAllRun> run_;
    PrintState state_;
    int pages_ = 0;
    bool previewing_ = false;
};

}  // namespace xtr
