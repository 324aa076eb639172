// The desktop program's printer for one print command: the system's
// printer (or a PDF file chosen in the print dialog), its setup dialog, the
// printing dialog and the print preview (QPrintPreviewDialog, object name
// "printPreview").
#pragma once

#include "app/main/print_command.h"

class QWidget;

namespace xtr::ui {

// Creates a session per print command over the main window.
PrintCommand::SessionFactory QtPrinterSessionFactory(QWidget* mainWindow);

}  // namespace xtr::ui
