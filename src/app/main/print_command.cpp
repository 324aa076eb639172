#include "app/main/print_command.h"

#include "app/globals.h"
#include "app/main/main_form.h"
#include "app/message_service.h"
#include "cells/cell_names.h"
#include "overlay/gtex.h"
#include "ui/model/tree.h"

namespace xtr {

std::vector<std::string> PageReferences(const cuiTree& tree)
{
    std::vector<std::string> references;
    for (const TreeNodeId node : tree.FlatOrder()) {
        const cmcCellObj* cell = tree.CellOf(node);
        // The node's caption is only its text; the cell's parameter names
        // the sheet it opens.
        if (cell != nullptr && cell->cellId == CallSheet && cell->parameter.has_value()) {
            references.push_back(*cell->parameter);
        } else {
            references.emplace_back();
        }
    }
    return references;
}

void PrintCommand::Run(MainForm* form, bool all, const std::string& shownReference,
                       std::vector<std::string> treeReferences)
{
    if (shownReference.empty() || !factory_ || Busy()) {
        return;
    }
    std::unique_ptr<PrinterSession> session = factory_();
    if (!session) {
        return;
    }
    if (!session->HasPrinter()) {
        Messages().Show(GTex().FirstLine("GI_Sys_AppTitle"), GTex().AllLines("GI_Sys_Printer_NoPrinter"),
                        MsgIcon::Error, MsgButtons::Ok);
        return;
    }
    if (!session->Setup()) {
        return;
    }
    session_ = std::move(session);
    form_ = form;
    if (form_ != nullptr) {
        form_->SetEnabled(false);
    }
    state_ = PrintState();
    pages_ = 0;
    session_->ShowPrintingDialog(state_);
    const Rect area = session_->PrintableArea();
    const int fontHeight = session_->FontHeight();
    if (all) {
        run_ = std::make_unique<PrintAllRun>(session_->Target(), state_, std::move(treeReferences), area, fontHeight);
        return;
    }
    pages_ = PrintDocument(session_->Target(), false, shownReference, {}, area, fontHeight);
    Finish();
}

int PrintCommand::PrintDocument(PrintTarget& target, bool all, const std::string& shownReference,
                                const std::vector<std::string>& treeReferences, const Rect& area, int fontHeight)
{
    if (all) {
        // The same run as printing all from the idle task, to its end.
        PrintAllRun run(target, state_, treeReferences, area, fontHeight);
        while (run.Tick()) {
        }
        return run.Pages();
    }
    target.BeginDocument();
    const int pages = PrintSheet(target, state_, shownReference, area, fontHeight);
    target.EndDocument();
    return pages;
}

void PrintCommand::Preview(bool all, const std::string& shownReference, std::vector<std::string> treeReferences)
{
    if (shownReference.empty() || !factory_ || Busy()) {
        return;
    }
    std::unique_ptr<PrinterSession> session = factory_();
    if (!session) {
        return;
    }
    previewing_ = true;
    pages_ = 0;
    session->Preview([&] {
        // Every drawing is a document of its own, laid out on the paper
        // the preview has now.
        state_ = PrintState();
        pages_ = PrintDocument(session->Target(), all, shownReference, treeReferences, session->PrintableArea(),
                               session->FontHeight());
    });
    previewing_ = false;
}

void PrintCommand::Tick()
{
    if (!run_) {
        return;
    }
    if (!run_->Tick()) {
        pages_ = run_->Pages();
        Finish();
    }
}

void PrintCommand::Finish()
{
    run_.reset();
    if (session_) {
        session_->ClosePrintingDialog();
    }
    session_.reset();
    if (form_ != nullptr) {
        form_->SetEnabled(true);
    }
    form_ = nullptr;
}

}  // namespace xtr
