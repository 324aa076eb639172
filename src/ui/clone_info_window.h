// cuiInformation: the clone information window. It shows the sheet of the
// radio's identity in a dialog sized to the sheet's grid, centred over the
// main window, with one OK button; the main window waits until it is
// closed by the button or the title bar's close box.
#pragma once

#include <QDialog>

#include <string>

namespace xtr::ui {

class SheetPanel;

class cuiInformation : public QDialog {
    Q_OBJECT
public:
    cuiInformation(QWidget* owner, const std::string& caption, const std::string& sheetKey);

    SheetPanel* Page() const { return page_; }

private:
    SheetPanel* page_ = nullptr;
};

}  // namespace xtr::ui
