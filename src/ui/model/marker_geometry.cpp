#include "ui/model/marker_geometry.h"

#include <algorithm>
#include <cmath>

namespace xtr {
namespace {

double Ratio(double devicePixelRatio)
{
    return std::isfinite(devicePixelRatio) && devicePixelRatio > 1.0 ? devicePixelRatio : 1.0;
}

int Round(double value) { return static_cast<int>(std::lround(value)); }

}  // namespace

MarkerGeometry MarkerGeometryFor(int logicalSide, double devicePixelRatio)
{
    const double ratio = Ratio(devicePixelRatio);
    MarkerGeometry g;
    g.side = std::max(0, Round(logicalSide * ratio));
    // At 16 logical pixels the disc covers the nine pixels 7 to 15 of each
    // line: a little more than the bottom-right quarter.
    const int start = Round(g.side * 7 / 16.0);
    g.disc = {start, start, g.side, g.side};
    g.outline = std::max(1, Round(ratio));
    g.signPixels = std::max(1, Round(g.side / 2.0));
    return g;
}

Point MarkerDeviceOrigin(int x, int y, double devicePixelRatio)
{
    const double ratio = Ratio(devicePixelRatio);
    return {Round(x * ratio), Round(y * ratio)};
}

}  // namespace xtr
