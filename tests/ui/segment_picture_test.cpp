// The 96 built-in characters drawn by the segment painter on a real Qt
// painter. With XTR_SHOT_DIR set the picture is also written there as
// builtin_characters.png, for looking at.
#include "qt_app.h"

#include "segedit/segment_font.h"
#include "support/overlay_guard.h"
#include "ui/qt_canvas.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>

namespace xtr::test {
namespace {

constexpr int kCellWidth = 40;
constexpr int kCellHeight = 60;
constexpr int kPerRow = 16;

QImage CellImage(const QImage& picture, int code)
{
    const int i = code - 32;
    return picture.copy((i % kPerRow) * kCellWidth, (i / kPerRow) * kCellHeight, kCellWidth, kCellHeight);
}

TEST(SegmentPicture, EveryBuiltInCharacterDrawsInsideItsCell)
{
    QtApp();
    auto overlay = OverlayGuard::Shipped();
    Segchar font = Segchar::FromOverlay();

    QImage picture(kCellWidth * kPerRow, kCellHeight * 6, QImage::Format_RGB32);
    picture.fill(Qt::white);
    {
        QPainter painter(&picture);
        ui::QtCanvas canvas(painter);
        canvas.SetFontColor(kClBlack);
        for (int code = 32; code < 128; ++code) {
            const int i = code - 32;
            const Rect cell{(i % kPerRow) * kCellWidth, (i / kPerRow) * kCellHeight,
                            (i % kPerRow + 1) * kCellWidth, (i / kPerRow + 1) * kCellHeight};
            const std::string text(1, static_cast<char>(code));
            font.DrawText(canvas, cell, text, 1, 1, 1, {});
        }
    }
    if (const char* dir = std::getenv("XTR_SHOT_DIR")) {
        picture.save(QString::fromLocal8Bit(dir) + "/builtin_characters.png");
    }

    // Characters with the same mask look the same; every other pair differs,
    // and only the space is empty.
    std::map<std::uint16_t, int> firstWithMask;
    const QImage blank = CellImage(picture, ' ');
    for (int code = 33; code < 128; ++code) {
        const QImage image = CellImage(picture, code);
        EXPECT_NE(image, blank) << "code " << code;
        const std::uint16_t mask = SegCharMask(static_cast<unsigned>(code), {});
        const auto [it, first] = firstWithMask.emplace(mask, code);
        if (first) {
            for (const auto& [otherMask, other] : firstWithMask) {
                if (otherMask != mask) {
                    EXPECT_NE(image, CellImage(picture, other)) << "codes " << code << " and " << other;
                }
            }
        } else {
            EXPECT_EQ(image, CellImage(picture, it->second)) << "codes " << code << " and " << it->second;
        }
    }
}

}  // namespace
}  // namespace xtr::test
