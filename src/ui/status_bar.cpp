#include "ui/status_bar.h"

#include "app/globals.h"
#include "app/main/cui_main.h"
#include "ui/qt_canvas.h"

#include <QPainter>

namespace xtr::ui {

StatusBar::StatusBar(QWidget* parent) : QWidget(parent), widths_{0, 0}
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

int StatusBar::PanelWidth(int panel) const
{
    return panel >= 0 && panel < PanelCount() ? widths_[static_cast<size_t>(panel)] : 0;
}

void StatusBar::SetPanelWidth(int panel, int width)
{
    if (panel >= 0 && panel < PanelCount()) {
        widths_[static_cast<size_t>(panel)] = width;
        update();
    }
}

QSize StatusBar::sizeHint() const
{
    return QSize(200, fontMetrics().height() + 8);
}

void StatusBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QtCanvas canvas(painter);
    int left = 0;
    for (int panel = 0; panel < PanelCount(); ++panel) {
        const int width = widths_[static_cast<size_t>(panel)];
        if (width > 0 && HasApp()) {
            App().DrawStatusPanel(panel, Rect{left, 0, left + width, height()}, canvas);
        }
        left += width;
    }
}

void StatusBar::resizeEvent(QResizeEvent*)
{
    // The message panel fills what the other panels leave.
    int others = 0;
    for (int panel = 1; panel < PanelCount(); ++panel) {
        others += widths_[static_cast<size_t>(panel)];
    }
    widths_[0] = std::max(0, width() - others);
    if (HasApp()) {
        App().LayoutStatusBar();
    }
}

}  // namespace xtr::ui
