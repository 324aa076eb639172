#include "ui/progress_window.h"

#include "clone/clone_result.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>

#include <algorithm>

namespace xtr::ui {
namespace {

constexpr int kCells = 32;
constexpr int kBarWidth = 256;
constexpr int kBarHeight = 14;
// The bar sits in a 1-pixel lowered frame, 16 pixels from the sides, 8
// from the top and 24 from the bottom.
constexpr int kLeft = 16 + 1;
constexpr int kTop = 8 + 1;

}  // namespace

ProgressWindow::ProgressWindow(QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint), owner_(owner)
{
    setWindowTitle(QStringLiteral("Cloning"));
    setFixedSize(16 + 258 + 16, 8 + 16 + 24);
}

void ProgressWindow::CloneStarted(uint8_t kind)
{
    filled_ = 0;
    if (kind == kCloneIdentify) {
        return;  // an identify alone shows no bar
    }
    if (owner_ != nullptr) {
        const QRect frame = owner_->frameGeometry();
        move(frame.center() - QPoint(width() / 2, height() / 2));
    }
    show();
    raise();
    update();
}

void ProgressWindow::CloneProgress(int k)
{
    const int filled = std::clamp(k, 0, kCells);
    if (filled != filled_) {
        filled_ = filled;
        update();
    }
}

void ProgressWindow::CloneEnded()
{
    hide();
}

void ProgressWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette& pal = palette();
    // The lowered frame around the bar.
    painter.setPen(pal.color(QPalette::Dark));
    painter.drawLine(kLeft - 1, kTop - 1, kLeft + kBarWidth, kTop - 1);
    painter.drawLine(kLeft - 1, kTop - 1, kLeft - 1, kTop + kBarHeight);
    painter.setPen(pal.color(QPalette::Light));
    painter.drawLine(kLeft - 1, kTop + kBarHeight, kLeft + kBarWidth, kTop + kBarHeight);
    painter.drawLine(kLeft + kBarWidth, kTop - 1, kLeft + kBarWidth, kTop + kBarHeight);

    // The main window is disabled during the transfer, and this window with
    // it: the bar keeps the active colours.
    const QColor window = pal.color(QPalette::Active, QPalette::Base);
    const QColor highlight = pal.color(QPalette::Active, QPalette::Highlight);
    painter.fillRect(kLeft, kTop, kBarWidth, kBarHeight, window);
    const int w = kBarWidth / kCells;
    for (int i = 0; i < kCells; ++i) {
        // Each cell leaves a 1-pixel gap on its right.
        painter.fillRect(kLeft + w * i, kTop, w - 1, kBarHeight, i < filled_ ? highlight : window);
    }
}

}  // namespace xtr::ui
