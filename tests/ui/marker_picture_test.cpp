// The grid's markers on a real painter at several device pixel ratios: the
// picture lands on the device pixel for pixel as drawn for that ratio (not
// a 16-pixel picture enlarged), and the tree's own markers are the same
// drawing at one device pixel per pixel.
#include "qt_app.h"

#include "ui/icons.h"
#include "ui/model/marker_geometry.h"
#include "ui/qt_grid_canvas.h"
#include "ui/qt_marker_images.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>

namespace xtr::test {
namespace {

// The picture laid on white, in device pixels.
QImage OnWhite(const QPixmap& picture)
{
    QImage source = picture.toImage();
    source.setDevicePixelRatio(1.0);
    QImage white(source.size(), QImage::Format_ARGB32_Premultiplied);
    white.fill(Qt::white);
    QPainter(&white).drawImage(0, 0, source);
    return white;
}

// Pixels that are all marker colour: neither white nor a blend with it.
int SolidRedPixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += c.red() == 210 && c.green() == 40 && c.blue() == 40 ? 1 : 0;
        }
    }
    return count;
}

TEST(MarkerPicture, TheGridDrawsTheMarkerAtTheDevicesResolution)
{
    QtApp();
    ui::QtMarkerImages markers(ui::TreeImages());
    EXPECT_EQ(markers.Width(), 16);
    int solidAtOne = 0;
    for (const qreal ratio : {1.0, 1.5, 2.0, 3.0}) {
        SCOPED_TRACE(ratio);
        QImage target(static_cast<int>(100 * ratio), static_cast<int>(100 * ratio), QImage::Format_ARGB32_Premultiplied);
        target.setDevicePixelRatio(ratio);
        target.fill(Qt::white);
        {
            QPainter painter(&target);
            ui::QtGridCanvas canvas(painter);
            canvas.DrawImage(markers, kErrorImage, 41, 23);
        }
        const QImage expected = OnWhite(ui::MarkerPicture(true, ratio));
        const MarkerGeometry g = MarkerGeometryFor(16, ratio);
        ASSERT_EQ(expected.width(), g.side);
        const Point origin = MarkerDeviceOrigin(41, 23, ratio);
        QImage drawn = target.copy(origin.x, origin.y, g.side, g.side);
        drawn.setDevicePixelRatio(1.0);
        EXPECT_EQ(drawn.convertToFormat(QImage::Format_ARGB32_Premultiplied), expected);

        // Not the one-pixel-per-pixel picture enlarged (what a screen of
        // higher density was shown before), and more of the marker colour
        // itself where there are more device pixels.
        const int solid = SolidRedPixels(drawn);
        if (ratio == 1.0) {
            solidAtOne = solid;
            EXPECT_GT(solid, 0);
        } else {
            const QImage enlarged = OnWhite(ui::MarkerPicture(true, 1.0)).scaled(g.side, g.side);
            EXPECT_NE(drawn.convertToFormat(QImage::Format_ARGB32_Premultiplied), enlarged);
            EXPECT_GT(solid, solidAtOne);
        }
    }
}

TEST(MarkerPicture, TheTreesMarkersAreTheSameDrawingAtOneDevicePixelPerPixel)
{
    QtApp();
    const QList<QPixmap> tree = ui::TreeImages();
    ASSERT_EQ(tree.size(), ui::kTreeImageCount);
    EXPECT_EQ(OnWhite(tree[kWarningImage]), OnWhite(ui::MarkerPicture(false, 1.0)));
    EXPECT_EQ(OnWhite(tree[kErrorImage]), OnWhite(ui::MarkerPicture(true, 1.0)));
    // The top-left quarter stays clear for the picture the marker lies on.
    const QImage error = OnWhite(tree[kErrorImage]);
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 6; ++x) {
            EXPECT_EQ(error.pixelColor(x, y), QColor(Qt::white)) << x << "," << y;
        }
    }
    // Other images are not replaced by markers.
    ui::QtMarkerImages markers(tree);
    EXPECT_EQ(markers.Image(1, 2.0)->devicePixelRatio(), 1.0);
    EXPECT_EQ(markers.Image(kErrorImage, 2.0)->devicePixelRatio(), 2.0);
    EXPECT_EQ(markers.Image(42, 2.0), nullptr);
}

// At a pixel ratio of 2 every picture is drawn on 32 x 32 device pixels for
// its 16 logical ones: sharper than the 16-pixel picture enlarged.
TEST(MarkerPicture, PicturesAreDrawnForTheDevicesPixelRatio)
{
    QtApp();
    const QList<QPixmap> single = ui::TreeImages(1.0) + ui::ToolBarImages(1.0);
    const QList<QPixmap> dense = ui::TreeImages(2.0) + ui::ToolBarImages(2.0);
    ASSERT_EQ(single.size(), dense.size());
    int drawnAfresh = 0;
    for (qsizetype i = 0; i < dense.size(); ++i) {
        EXPECT_EQ(dense[i].size(), QSize(32, 32)) << i;
        EXPECT_EQ(dense[i].deviceIndependentSize(), QSizeF(16, 16)) << i;
        const QImage enlarged = OnWhite(single[i]).scaled(32, 32, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        drawnAfresh += OnWhite(dense[i]) != enlarged ? 1 : 0;
    }
    EXPECT_EQ(drawnAfresh, dense.size());
}

}  // namespace
}  // namespace xtr::test
