// The About box: the program's name and version, with one button. While it
// is open the main form is disabled; typed characters still reach the
// application object (the maker access word can be typed here too).
#pragma once

#include <QDialog>

namespace xtr::ui {

class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* mainForm);
    ~AboutBox() override;

private:
    QWidget* mainForm_;
};

}  // namespace xtr::ui
