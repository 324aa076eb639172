// cuiInformation: the clone information window. It shows the sheet of the
// radio's identity in a dialog sized to the sheet's grid, centred over the
// main window, with one OK button; the main window waits until it is
// closed by the button or the title bar's close box.
#pragma once

#include "ui/model/information_layout.h"

#include <QDialog>
#include <QPointer>

#include <string>

class QPushButton;

namespace xtr::ui {

class SheetPanel;

class cuiInformation : public QDialog {
    Q_OBJECT
public:
    cuiInformation(QWidget* owner, const std::string& caption, const std::string& sheetKey);
    ~cuiInformation() override;

    SheetPanel* Page() const { return page_; }
    QPushButton* OkButton() const { return ok_; }
    // Where the panel and the button were put.
    const InformationLayout& Layout() const { return layout_; }

    // The border between the panel's outer and inner bevel.
    static constexpr int kPanelBorder = 8;

private:
    QPointer<QWidget> owner_;
    SheetPanel* page_ = nullptr;
    QPushButton* ok_ = nullptr;
    InformationLayout layout_;
};

}  // namespace xtr::ui
