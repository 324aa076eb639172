// Drawing segment characters: small in cells, previews and pickers, large
// in the character editor.
#include "segedit/segment_font.h"

#include <algorithm>
#include <cmath>

namespace xtr {
namespace {

// The reciprocal of 0.8 as the drawing has always computed it, in extended
// precision: a little under 1.25, which decides the character step where
// the product lands on a half.
constexpr long double kInverseFill = 1.25L - 5.0L / 72057594037927936.0L;  // 1.25 - 5 * 2^-56

// The largest scale at which a box of width x height fits into
// availX x availY; an outline without extent on one axis fits by the other.
// 0 when nothing fits.
double FitScale(double availX, double availY, double width, double height)
{
    double scale = 0.0;
    if (width > 0.0 && height > 0.0) {
        scale = std::min(availX / width, availY / height);
    } else if (width > 0.0) {
        scale = availX / width;
    } else if (height > 0.0) {
        scale = availY / height;
    }
    return std::isfinite(scale) && scale > 0.0 ? scale : 0.0;
}

// Rounded half away from zero, kept within the range of an int (an outline
// may span the whole 32-bit range).
int Round(double value)
{
    constexpr double kLimit = 2147483647.0;
    return static_cast<int>(std::lround(std::clamp(value, -kLimit, kLimit)));
}

}  // namespace

void Segchar::DrawText(Canvas& canvas, const Rect& rect, std::string_view text, int length, int columns, int rows,
                       SegUserMasks userMasks)
{
    columns = std::min(length, columns);
    if (columns <= 0 || rows <= 0 || Empty()) {
        return;
    }
    // Each character gets a box of the rectangle; the outline fills 80% of
    // it, the rest is margin.
    const int boxWidth = rect.Width() / columns;
    const int boxHeight = rect.Height() / rows;
    const double width = static_cast<double>(maxX_) - minX_;
    const double height = static_cast<double>(maxY_) - minY_;
    const double scale = FitScale(0.8 * boxWidth, 0.8 * boxHeight, width, height);
    if (scale <= 0.0) {
        return;
    }
    const int step = Round(static_cast<double>(std::llround(static_cast<long double>(scale) * width * kInverseFill)));
    const int marginX = Round(step * 0.2 * 0.5);
    const int marginY = Round(boxHeight * 0.2 * 0.5);
    const Color color = canvas.FontColor();

    const std::size_t end = std::min(text.size(), static_cast<std::size_t>(length));
    Point points[3];
    for (std::size_t h = 0; h < end && text[h] != 0; ++h) {
        SetMask(SegCharMask(static_cast<unsigned char>(text[h]), userMasks));
        const int left = rect.left + marginX + step * static_cast<int>(h);
        const int top = rect.top + marginY + static_cast<int>(h) / columns * boxHeight;
        for (const Segment& segment : segments_) {
            if (!segment.Lit()) {
                continue;
            }
            for (const dataTriangle& triangle : segment.triangles) {
                for (int k = 0; k < 3; ++k) {
                    points[k] = {Round(triangle.p[k].x * scale) + left, Round(triangle.p[k].y * scale) + top};
                }
                canvas.Polygon(points, 3, color, color);
            }
        }
    }
}

double Segchar::EditorScale() const
{
    return FitScale(kSegEditorSize, kSegEditorSize, static_cast<double>(maxX_) - minX_,
                    static_cast<double>(maxY_) - minY_);
}

void Segchar::DrawEditor(Canvas& canvas) const
{
    if (Empty()) {
        return;
    }
    const double scale = EditorScale();
    Point points[3];
    for (const Segment& segment : segments_) {
        // Dark segments are drawn too, so that the whole outline shows.
        const Color color = segment.Lit() ? kClBlack : kClWhite;
        for (const dataTriangle& triangle : segment.triangles) {
            for (int k = 0; k < 3; ++k) {
                points[k] = {Round((static_cast<double>(triangle.p[k].x) - minX_) * scale) + kSegEditorOffset,
                             Round((static_cast<double>(triangle.p[k].y) - minY_) * scale) + kSegEditorOffset};
            }
            canvas.Polygon(points, 3, color, color);
        }
    }
}

SegPoint Segchar::EditorToFont(int x, int y) const
{
    const double scale = EditorScale();
    if (scale <= 0.0) {
        return {minX_, minY_};
    }
    return {Round((x - kSegEditorOffset) / scale + minX_), Round((y - kSegEditorOffset) / scale + minY_)};
}

}  // namespace xtr
