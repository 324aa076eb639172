#include "ui/seg_paint_box.h"

#include "ui/qt_canvas.h"

#include <QMouseEvent>
#include <QPainter>

namespace xtr::ui {

SegPaintBox::SegPaintBox(QWidget* parent) : QWidget(parent) {}

void SegPaintBox::paintEvent(QPaintEvent*)
{
    if (!paint_) {
        return;
    }
    QPainter painter(this);
    QtCanvas canvas(painter);
    paint_(canvas, Rect{0, 0, width(), height()});
}

void SegPaintBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !press_) {
        QWidget::mousePressEvent(event);
        return;
    }
    const QPoint at = event->position().toPoint();
    press_(at.x(), at.y());
}

}  // namespace xtr::ui
