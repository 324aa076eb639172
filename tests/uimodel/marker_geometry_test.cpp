// The markers at any device pixel ratio: their picture as many device
// pixels across as the ratio makes of 16 logical ones, the disc on whole
// device pixels in the same place of the picture at every ratio, and the
// picture placed on a whole device pixel.
#include "ui/model/marker_geometry.h"

#include <gtest/gtest.h>

#include <cmath>

namespace xtr {
namespace {

TEST(MarkerGeometry, AtOneDevicePixelPerPixelTheDiscCoversPixelsSevenToFifteen)
{
    const MarkerGeometry g = MarkerGeometryFor(16, 1.0);
    EXPECT_EQ(g.side, 16);
    EXPECT_EQ(g.disc, (Rect{7, 7, 16, 16}));
    EXPECT_EQ(g.outline, 1);
    EXPECT_EQ(g.signPixels, 8);
}

TEST(MarkerGeometry, EveryRatioKeepsTheLogicalSizeAndTheDiscsShare)
{
    for (const double ratio : {1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0, 4.0}) {
        SCOPED_TRACE(ratio);
        const MarkerGeometry g = MarkerGeometryFor(16, ratio);
        // Shown at 16 logical pixels: neither enlarged nor shrunk.
        EXPECT_EQ(g.side, static_cast<int>(std::lround(16 * ratio)));
        // A square disc ending at the picture's edge, inside the picture.
        EXPECT_EQ(g.disc.Width(), g.disc.Height());
        EXPECT_EQ(g.disc.right, g.side);
        EXPECT_EQ(g.disc.bottom, g.side);
        EXPECT_GT(g.disc.left, 0);
        // In logical pixels, where it is at one device pixel per pixel
        // (within half a device pixel of rounding).
        EXPECT_NEAR(g.disc.left / ratio, 7.0, 0.5 / ratio + 1e-9);
        // Outline and sign grow with the ratio.
        EXPECT_EQ(g.outline, std::max(1, static_cast<int>(std::lround(ratio))));
        EXPECT_NEAR(g.signPixels, g.side / 2.0, 0.5);
    }
}

TEST(MarkerGeometry, RatiosBelowOneOrNoneCountAsOne)
{
    for (const double ratio : {0.0, 0.5, -2.0, std::nan("")}) {
        EXPECT_EQ(MarkerGeometryFor(16, ratio).side, 16) << ratio;
        EXPECT_EQ(MarkerDeviceOrigin(3, 5, ratio), (Point{3, 5})) << ratio;
    }
    EXPECT_EQ(MarkerGeometryFor(0, 2.0).side, 0);
}

TEST(MarkerGeometry, ThePictureBeginsOnAWholeDevicePixel)
{
    EXPECT_EQ(MarkerDeviceOrigin(41, 24, 1.5), (Point{62, 36}));  // 61.5 rounds away from zero
    EXPECT_EQ(MarkerDeviceOrigin(41, 24, 2.0), (Point{82, 48}));
    EXPECT_EQ(MarkerDeviceOrigin(10, 10, 1.25), (Point{13, 13}));  // 12.5
    EXPECT_EQ(MarkerDeviceOrigin(-3, 0, 1.5), (Point{-5, 0}));
}

}  // namespace
}  // namespace xtr
