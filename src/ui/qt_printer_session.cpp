#include "ui/qt_printer_session.h"

#include "app/globals.h"
#include "app/main/ind_main.h"
#include "app/main/main_form.h"
#include "overlay/gtex.h"
#include "ui/model/sheet.h"
#include "ui/print_target.h"
#include "ui/printing_dialog.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPointer>

#include <memory>

namespace xtr::ui {
namespace {

QString Overlay(const char* name, int line) { return QString::fromLocal8Bit(GTex().Text(name, line).c_str()); }

QtPrintTarget::SheetFactory AppSheets()
{
    return [](const std::string& reference) { return App().CreateSheet(nullptr, reference); };
}

class QtPrinterSession : public PrinterSession {
public:
    explicit QtPrinterSession(QWidget* mainWindow)
        : mainWindow_(mainWindow), printer_(QPrinter::HighResolution),
          target_(printer_, GTex(), AppSheets(), App().Form() != nullptr ? App().Form()->Markers() : nullptr)
    {
    }

    ~QtPrinterSession() override { ClosePrintingDialog(); }

    bool HasPrinter() override { return !QPrinterInfo::availablePrinters().isEmpty(); }

    bool Setup() override
    {
        QPrintDialog dialog(&printer_, mainWindow_);
        if (dialog.exec() != QDialog::Accepted) {
            return false;
        }
        printer_.setCopyCount(1);
        return true;
    }

    void ShowPrintingDialog(PrintState& state) override
    {
        dialog_ = new PrintingDialog(mainWindow_, Overlay("GI_Sys_Printer_PrintingDialog", 0),
                                     Overlay("GI_Sys_Printer_PrintingDialog", 1),
                                     Overlay("GI_Sys_Printer_PrintingDialog", 2), [&state] { state.cancel = true; });
        dialog_->ShowCentred();
    }

    void ClosePrintingDialog() override
    {
        if (dialog_) {
            delete dialog_;
        }
        if (mainWindow_ != nullptr) {
            mainWindow_->raise();
            mainWindow_->activateWindow();
        }
    }

    bool Preview(const std::function<void()>& paint) override
    {
        // The preview hands back the session's own printer, drawn through
        // the same target as a printed document.
        QPrintPreviewDialog preview(&printer_, mainWindow_);
        preview.setObjectName("printPreview");
        QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&paint](QPrinter*) { paint(); });
        preview.exec();
        return true;
    }

    PrintTarget& Target() override { return target_; }
    Rect PrintableArea() override { return target_.PrintableArea(); }
    int FontHeight() override { return target_.DefaultFontHeight(); }

private:
    QWidget* mainWindow_;
    QPrinter printer_;
    QtPrintTarget target_;
    QPointer<PrintingDialog> dialog_;
};

}  // namespace

PrintCommand::SessionFactory QtPrinterSessionFactory(QWidget* mainWindow)
{
    return [mainWindow]() -> std::unique_ptr<PrinterSession> { return std::make_unique<QtPrinterSession>(mainWindow); };
}

}  // namespace xtr::ui
