// The desktop program's printer for one print command: the system's
// printer (or a PDF file chosen in the print dialog), its setup dialog and
// the printing dialog.
#pragma once

#include "app/main/print_command.h"

class QWidget;

namespace xtr::ui {

// Creates a session per print command over the main window.
PrintCommand::SessionFactory QtPrinterSessionFactory(QWidget* mainWindow);

// Shows the print preview of the sheet of reference ("" shows nothing).
void ShowPrintPreview(QWidget* mainWindow, const std::string& reference);

}  // namespace xtr::ui
