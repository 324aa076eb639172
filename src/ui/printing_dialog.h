// The small window shown while pages print, with the Cancel button that
// stops printing at the next page.
#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;

namespace xtr::ui {

class PrintingDialog : public QDialog {
    Q_OBJECT
public:
    // Caption, label and button texts; onCancel runs when the button is
    // pressed (or Escape).
    PrintingDialog(QWidget* parent, const QString& caption, const QString& label, const QString& button,
                   std::function<void()> onCancel);

    // Centred over the parent, inside the screen's work area, and painted.
    void ShowCentred();

protected:
    void reject() override;

private:
    std::function<void()> onCancel_;
};

}  // namespace xtr::ui
