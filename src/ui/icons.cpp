#include "ui/icons.h"

#include "ui/model/marker_geometry.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <functional>

namespace xtr::ui {
namespace {

using Painter = std::function<void(QPainter&)>;

constexpr int kIconSide = 16;

// Drawn in the 16-pixel design's coordinates on a picture of the device's
// resolution, so that a high-density screen gets sharp lines rather than
// an enlarged 16-pixel picture.
QPixmap Draw(const Painter& paint, qreal devicePixelRatio)
{
    const qreal ratio = std::max<qreal>(1.0, devicePixelRatio);
    const int side = static_cast<int>(std::lround(kIconSide * ratio));
    QPixmap pixmap(side, side);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, true);
    paint(painter);
    return pixmap;
}

const QColor kInk(40, 40, 48);

void Rig(QPainter& p)
{
    // A hand-held radio: body, antenna and display.
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(70, 80, 96));
    p.drawRoundedRect(QRectF(4.5, 4.5, 8, 11), 1.5, 1.5);
    p.drawLine(QPointF(6.5, 4.5), QPointF(6.5, 0.5));
    p.setBrush(QColor(160, 220, 170));
    p.drawRect(QRectF(6, 6, 5, 3));
    p.setBrush(QColor(200, 200, 200));
    p.drawEllipse(QRectF(7, 10.5, 3, 3));
}

void Folder(QPainter& p)
{
    p.setPen(QPen(QColor(150, 110, 20), 1));
    p.setBrush(QColor(240, 200, 90));
    QPainterPath path;
    path.moveTo(1.5, 4.5);
    path.lineTo(6, 4.5);
    path.lineTo(7.5, 6);
    path.lineTo(14.5, 6);
    path.lineTo(14.5, 13.5);
    path.lineTo(1.5, 13.5);
    path.closeSubpath();
    p.drawPath(path);
}

void Note(QPainter& p, const QColor& fill)
{
    p.setPen(QPen(kInk, 1));
    p.setBrush(fill);
    p.drawRect(QRectF(3.5, 1.5, 9, 13));
    p.setPen(QPen(QColor(120, 120, 140), 1));
    for (int y = 5; y <= 11; y += 3) {
        p.drawLine(QPointF(5.5, y + 0.5), QPointF(10.5, y + 0.5));
    }
}

void Bank(QPainter& p, int number)
{
    static const QColor colors[] = {QColor(70, 130, 200), QColor(60, 160, 90), QColor(200, 140, 40), QColor(170, 70, 170)};
    p.setPen(QPen(kInk, 1));
    p.setBrush(colors[number]);
    p.drawRoundedRect(QRectF(1.5, 2.5, 13, 11), 2, 2);
    p.setPen(Qt::white);
    QFont font = p.font();
    font.setPixelSize(10);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRectF(1.5, 2.5, 13, 11), Qt::AlignCenter, QString::number(number));
}


void NewFile(QPainter& p)
{
    p.setPen(QPen(kInk, 1));
    p.setBrush(Qt::white);
    QPainterPath path;
    path.moveTo(3.5, 1.5);
    path.lineTo(9.5, 1.5);
    path.lineTo(12.5, 4.5);
    path.lineTo(12.5, 14.5);
    path.lineTo(3.5, 14.5);
    path.closeSubpath();
    p.drawPath(path);
    p.drawLine(QPointF(9.5, 1.5), QPointF(9.5, 4.5));
    p.drawLine(QPointF(9.5, 4.5), QPointF(12.5, 4.5));
}

void OpenFile(QPainter& p)
{
    Folder(p);
    p.setPen(QPen(QColor(150, 110, 20), 1));
    p.setBrush(QColor(250, 225, 140));
    QPainterPath flap;
    flap.moveTo(3.5, 8.5);
    flap.lineTo(15.5, 8.5);
    flap.lineTo(13.5, 13.5);
    flap.lineTo(1.5, 13.5);
    flap.closeSubpath();
    p.drawPath(flap);
}

void SaveFile(QPainter& p)
{
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(60, 90, 160));
    p.drawRect(QRectF(1.5, 1.5, 13, 13));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setBrush(QColor(200, 200, 210));
    p.drawRect(QRectF(4.5, 9.5, 7, 5));
}

void Port(QPainter& p, int number)
{
    // A serial connector with the port number.
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(180, 185, 195));
    QPainterPath shell;
    shell.moveTo(0.5, 3.5);
    shell.lineTo(15.5, 3.5);
    shell.lineTo(13.5, 10.5);
    shell.lineTo(2.5, 10.5);
    shell.closeSubpath();
    p.drawPath(shell);
    p.setBrush(kInk);
    for (int i = 0; i < 5; ++i) {
        p.drawEllipse(QPointF(3.5 + i * 2.25, 6), 0.6, 0.6);
    }
    QFont font = p.font();
    font.setPixelSize(7);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRectF(0, 10, 16, 6), Qt::AlignCenter, QString::number(number));
}

void Arrow(QPainter& p, bool towardRadio)
{
    // The radio with an arrow into it (write) or out of it (read).
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(70, 80, 96));
    p.drawRoundedRect(QRectF(9.5, 3.5, 6, 11), 1, 1);
    p.drawLine(QPointF(11.5, 3.5), QPointF(11.5, 0.5));
    const QColor color = towardRadio ? QColor(200, 60, 40) : QColor(40, 140, 60);
    p.setPen(QPen(color, 2));
    p.drawLine(QPointF(1, 9), QPointF(8, 9));
    QPainterPath head;
    if (towardRadio) {
        head.moveTo(9, 9);
        head.lineTo(6, 6);
        head.lineTo(6, 12);
    } else {
        head.moveTo(0, 9);
        head.lineTo(3, 6);
        head.lineTo(3, 12);
    }
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPath(head);
}

void Info(QPainter& p)
{
    p.setPen(QPen(QColor(30, 80, 160), 1));
    p.setBrush(QColor(70, 130, 210));
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    p.setPen(Qt::white);
    QFont font = p.font();
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRectF(1.5, 1.5, 13, 13), Qt::AlignCenter, QStringLiteral("i"));
}

void Pen(QPainter& p)
{
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(240, 190, 60));
    QPainterPath body;
    body.moveTo(12, 1);
    body.lineTo(15, 4);
    body.lineTo(6, 13);
    body.lineTo(3, 10);
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(kInk);
    QPainterPath tip;
    tip.moveTo(3, 10);
    tip.lineTo(6, 13);
    tip.lineTo(1, 15);
    tip.closeSubpath();
    p.drawPath(tip);
}

void Fill(QPainter& p)
{
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(200, 200, 210));
    QPainterPath bucket;
    bucket.moveTo(2.5, 6.5);
    bucket.lineTo(8.5, 0.5);
    bucket.lineTo(14.5, 6.5);
    bucket.lineTo(8.5, 12.5);
    bucket.closeSubpath();
    p.drawPath(bucket);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 110, 220));
    p.drawEllipse(QRectF(11.5, 10.5, 4, 5));
}

void Slider(QPainter& p)
{
    p.setPen(QPen(kInk, 1));
    p.drawLine(QPointF(1.5, 8.5), QPointF(14.5, 8.5));
    p.setBrush(QColor(70, 130, 210));
    p.drawRect(QRectF(6.5, 4.5, 3, 8));
}

}  // namespace

QPixmap MarkerPicture(bool error, qreal devicePixelRatio)
{
    // Drawn in device pixels on a picture of the device's resolution, then
    // told its ratio: Qt shows it at its logical size without scaling.
    const qreal ratio = std::max<qreal>(1.0, devicePixelRatio);
    const MarkerGeometry g = MarkerGeometryFor(kIconSide, ratio);
    QImage image(g.side, g.side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing, true);
        const QColor fill = error ? QColor(210, 40, 40) : QColor(230, 170, 20);
        // The outline lies inside the disc's box.
        const qreal inset = g.outline / 2.0;
        const QRectF disc(g.disc.left, g.disc.top, g.disc.Width(), g.disc.Height());
        p.setPen(QPen(fill.darker(150), g.outline));
        p.setBrush(fill);
        p.drawEllipse(disc.adjusted(inset, inset, -inset, -inset));
        p.setPen(Qt::white);
        QFont font = p.font();
        font.setPixelSize(g.signPixels);
        font.setBold(true);
        p.setFont(font);
        p.drawText(disc, Qt::AlignCenter, error ? QStringLiteral("!") : QStringLiteral("?"));
    }
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

QList<QPixmap> TreeImages(qreal devicePixelRatio)
{
    return {
        Draw(Rig, devicePixelRatio),
        Draw(Folder, devicePixelRatio),
        Draw([](QPainter& p) { Note(p, QColor(255, 255, 230)); }, devicePixelRatio),
        Draw([](QPainter& p) { Note(p, QColor(225, 240, 255)); }, devicePixelRatio),
        Draw([](QPainter& p) { Bank(p, 0); }, devicePixelRatio),
        Draw([](QPainter& p) { Bank(p, 1); }, devicePixelRatio),
        Draw([](QPainter& p) { Bank(p, 2); }, devicePixelRatio),
        Draw([](QPainter& p) { Bank(p, 3); }, devicePixelRatio),
        MarkerPicture(false, devicePixelRatio),
        MarkerPicture(true, devicePixelRatio),
    };
}

QList<QPixmap> ToolBarImages(qreal devicePixelRatio)
{
    return {
        Draw(NewFile, devicePixelRatio),
        Draw(OpenFile, devicePixelRatio),
        Draw(SaveFile, devicePixelRatio),
        Draw([](QPainter& p) { Port(p, 1); }, devicePixelRatio),
        Draw([](QPainter& p) { Port(p, 2); }, devicePixelRatio),
        Draw([](QPainter& p) { Port(p, 3); }, devicePixelRatio),
        Draw([](QPainter& p) { Port(p, 4); }, devicePixelRatio),
        Draw([](QPainter& p) { Arrow(p, false); }, devicePixelRatio),
        Draw([](QPainter& p) { Arrow(p, true); }, devicePixelRatio),
        Draw(Info, devicePixelRatio),
        Draw(Pen, devicePixelRatio),
        Draw(Fill, devicePixelRatio),
        Draw(Slider, devicePixelRatio),
    };
}

}  // namespace xtr::ui
