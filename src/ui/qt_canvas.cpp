#include "ui/qt_canvas.h"

#include "ui/qt_colors.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>

namespace xtr::ui {

void QtCanvas::FillRect(const Rect& rect, Color color)
{
    painter_.fillRect(QRect(rect.left, rect.top, rect.Width(), rect.Height()), ToQColor(color));
}

void QtCanvas::DrawText(int x, int y, const std::string& text, Color color)
{
    const QFontMetrics metrics(painter_.font());
    painter_.setPen(ToQColor(color));
    painter_.drawText(x, y + metrics.ascent(), QString::fromLocal8Bit(text.c_str()));
}

int QtCanvas::TextWidth(const std::string& text)
{
    return QFontMetrics(painter_.font()).horizontalAdvance(QString::fromLocal8Bit(text.c_str()));
}

int QtCanvas::TextHeight(const std::string& text)
{
    return QFontMetrics(painter_.font()).height();
}

void QtCanvas::Polygon(const Point* points, int count, Color fill, Color outline)
{
    if (points == nullptr || count <= 0) {
        return;
    }
    QPolygon polygon(count);
    for (int i = 0; i < count; ++i) {
        polygon.setPoint(i, points[i].x, points[i].y);
    }
    painter_.save();
    painter_.setPen(ToQColor(outline));
    painter_.setBrush(ToQColor(fill));
    painter_.drawPolygon(polygon);
    painter_.restore();
}

}  // namespace xtr::ui
