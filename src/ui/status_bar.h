// The main window's status bar: a row of owner-drawn panels. The
// application object draws each panel and lays them out on every resize.
#pragma once

#include <QWidget>

#include <vector>

namespace xtr::ui {

class StatusBar : public QWidget {
    Q_OBJECT
public:
    explicit StatusBar(QWidget* parent);

    int PanelCount() const { return static_cast<int>(widths_.size()); }
    int PanelWidth(int panel) const;
    void SetPanelWidth(int panel, int width);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    std::vector<int> widths_;
};

}  // namespace xtr::ui
