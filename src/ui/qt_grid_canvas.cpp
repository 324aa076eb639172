#include "ui/qt_grid_canvas.h"

#include "ui/qt_colors.h"
#include "ui/qt_fonts.h"
#include "ui/model/marker_geometry.h"
#include "ui/qt_marker_images.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>
#include <QPolygon>

namespace xtr::ui {

void QtGridCanvas::FillRect(const Rect& rect, Color color)
{
    painter_.fillRect(QRect(rect.left, rect.top, rect.Width(), rect.Height()), ToQColor(color));
}

void QtGridCanvas::ClipTo(const Rect& rect)
{
    painter_.setClipRect(QRect(rect.left, rect.top, rect.Width(), rect.Height()));
}

void QtGridCanvas::Unclip() { painter_.setClipping(false); }

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
    // At the device's own resolution, from a whole device pixel: neither
    // enlarged nor split across pixels.
    const qreal ratio = painter_.device() != nullptr ? painter_.device()->devicePixelRatioF() : 1.0;
    if (const QPixmap* pixmap = static_cast<const QtMarkerImages&>(images).Image(index, ratio)) {
        const Point origin = MarkerDeviceOrigin(x, y, ratio);
        painter_.drawPixmap(QPointF(origin.x / ratio, origin.y / ratio), *pixmap);
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
