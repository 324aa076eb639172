#include "ui/qt_grid_canvas.h"

#include "ui/qt_colors.h"
#include "ui/qt_fonts.h"
#include "ui/qt_marker_images.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>

namespace xtr::ui {

void QtGridCanvas::FillRect(const Rect& rect, Color color)
{
    painter_.fillRect(QRect(rect.left, rect.top, rect.Width(), rect.Height()), ToQColor(color));
}

void QtGridCanvas::DrawText(int x, int y, const std::string& text, Color color)
{
    const QFontMetrics metrics(painter_.font());
    painter_.setPen(ToQColor(color));
    painter_.drawText(x, y + metrics.ascent(), QString::fromLocal8Bit(text.c_str()));
}

int QtGridCanvas::TextWidth(const std::string& text)
{
    return QFontMetrics(painter_.font()).horizontalAdvance(QString::fromLocal8Bit(text.c_str()));
}

int QtGridCanvas::TextHeight(const std::string&) { return QFontMetrics(painter_.font()).height(); }

void QtGridCanvas::SetFont(const FontDesc& font)
{
    // Most cells share the basic cell's font: building a QFont for every
    // cell would cost more than drawing it.
    if (!fontSet_ || !(font == font_)) {
        font_ = font;
        fontSet_ = true;
        painter_.setFont(ToQFont(font));
    }
}

void QtGridCanvas::DrawImage(const MarkerImages& images, int index, int x, int y)
{
    if (const QPixmap* pixmap = static_cast<const QtMarkerImages&>(images).Image(index)) {
        painter_.drawPixmap(x, y, *pixmap);
    }
}

void QtGridCanvas::OutlinedPolygon(const std::vector<Point>& points, Color fill, Color pen, int penWidth)
{
    QPolygon polygon;
    for (const Point& p : points) {
        polygon << QPoint(p.x, p.y);
    }
    painter_.save();
    painter_.setPen(QPen(ToQColor(pen), penWidth));
    painter_.setBrush(ToQColor(fill));
    painter_.drawPolygon(polygon);
    painter_.restore();
}

}  // namespace xtr::ui
