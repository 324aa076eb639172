// How the grid looks: system colours from the desktop's palette (so a dark
// theme darkens the pages), fixed colours as given. With XTR_SHOTS_DIR set
// the pictures are also written there as PNG files for a person to look at.
#include "grid_widget_fixture.h"

#include "ui/model/sheet.h"
#include "ui/qt_colors.h"

#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QScrollBar>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace xtr::test {
namespace {

// Saves a picture of the window (and of an open list over it) when asked to.
void Shoot(QWidget* window, const char* name, QWidget* popup = nullptr)
{
    const QString dir = qEnvironmentVariable("XTR_SHOTS_DIR");
    if (dir.isEmpty()) {
        return;
    }
    QImage image = window->grab().toImage();
    if (popup != nullptr) {
        QPainter painter(&image);
        painter.drawPixmap(window->mapFromGlobal(popup->mapToGlobal(QPoint(0, 0))), popup->grab());
    }
    image.save(dir + "/12-" + name + ".png");
}

QPalette DarkPalette()
{
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x30, 0x30, 0x30));
    dark.setColor(QPalette::WindowText, QColor(0xE0, 0xE0, 0xE0));
    dark.setColor(QPalette::Base, QColor(0x1E, 0x1E, 0x1E));
    dark.setColor(QPalette::Text, QColor(0xE0, 0xE0, 0xE0));
    dark.setColor(QPalette::Button, QColor(0x3A, 0x3A, 0x3A));
    dark.setColor(QPalette::ButtonText, QColor(0xE0, 0xE0, 0xE0));
    dark.setColor(QPalette::Highlight, QColor(0x2A, 0x5A, 0x9A));
    dark.setColor(QPalette::HighlightedText, QColor(0xFF, 0xFF, 0xFF));
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(0x80, 0x80, 0x80));
    return dark;
}

// A cell of the page outside the cursor and the selection, drawn in a
// system colour.
std::optional<std::pair<int, int>> SystemColouredCell(ui::cuiGrid* grid)
{
    cuiSheet& sheet = *grid->Model().Sheet();
    for (int r = sheet.FixedRows(); r <= grid->Model().Geometry().LastVisibleRow(); ++r) {
        for (int c = 0; c <= grid->Model().Geometry().LastVisibleColumn(); ++c) {
            const Color color = sheet.CellAt(c, r).color;
            if ((color & 0x80000000u) != 0 && !grid->Model().IsHighlighted(c, r) &&
                grid->CellRect(c, r).width() > 4) {
                return std::make_pair(c, r);
            }
        }
    }
    return std::nullopt;
}

TEST_F(GridWidgetTest, SystemColoursComeFromTheDesktopPalette)
{
    const QPalette original = QApplication::palette();
    ui::cuiGrid* grid = Show("[St_Common]GI_Sheet_Common");
    Shoot(form.get(), "settings");

    QApplication::setPalette(DarkPalette());
    grid = Show("[St_Common]GI_Sheet_Common");
    const auto cell = SystemColouredCell(grid);
    ASSERT_TRUE(cell.has_value());
    const QImage picture = grid->viewport()->grab().toImage();
    const QRect rect = grid->CellRect(cell->first, cell->second);
    const QColor expected = ui::ToQColor(grid->Model().Sheet()->CellAt(cell->first, cell->second).color);
    EXPECT_EQ(picture.pixelColor(rect.left() + 1, rect.top() + 1), expected);
    // A dark theme gives dark cells.
    EXPECT_LT(expected.lightness(), 128);
    Shoot(form.get(), "dark");
    QApplication::setPalette(original);
}

TEST_F(GridWidgetTest, ThePageTreeFollowsAPaletteChosenWhileTheProgramRuns)
{
    const QPalette original = QApplication::palette();
    Show(kConvChannels);
    auto* tree = form->findChild<QTreeWidget*>();
    ASSERT_NE(tree, nullptr);
    ASSERT_EQ(tree->palette().color(QPalette::Base), original.color(QPalette::Base));

    QApplication::setPalette(DarkPalette());
    // Its background from the new palette, under the new palette's text:
    // not the old white under light text.
    EXPECT_EQ(tree->palette().color(QPalette::Base), DarkPalette().color(QPalette::Base));
    EXPECT_EQ(tree->palette().color(QPalette::Text), DarkPalette().color(QPalette::Text));
    // The selection stays as visible without the focus as with it.
    EXPECT_EQ(tree->palette().color(QPalette::Inactive, QPalette::Highlight),
              DarkPalette().color(QPalette::Active, QPalette::Highlight));
    QApplication::setPalette(original);
    EXPECT_EQ(tree->palette().color(QPalette::Base), original.color(QPalette::Base));
}

QPalette HighContrastPalette()
{
    QPalette contrast;
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        contrast.setColor(group, QPalette::Window, Qt::black);
        contrast.setColor(group, QPalette::WindowText, Qt::white);
        contrast.setColor(group, QPalette::Base, Qt::black);
        contrast.setColor(group, QPalette::Text, Qt::white);
        contrast.setColor(group, QPalette::Button, Qt::black);
        contrast.setColor(group, QPalette::ButtonText, Qt::yellow);
        contrast.setColor(group, QPalette::Highlight, Qt::cyan);
        contrast.setColor(group, QPalette::HighlightedText, Qt::black);
    }
    contrast.setColor(QPalette::Disabled, QPalette::Text, Qt::green);
    return contrast;
}

// How many pixels of rect hold exactly color.
int PixelsOf(const QImage& picture, const QRect& rect, const QColor& color)
{
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            count += picture.pixelColor(x, y) == color ? 1 : 0;
        }
    }
    return count;
}

TEST_F(GridWidgetTest, AHighContrastPaletteGivesTheCellsItsColours)
{
    const QPalette original = QApplication::palette();
    QApplication::setPalette(HighContrastPalette());
    ui::cuiGrid* grid = Show(kConvChannels);
    grid->Model().SelectCell(kReceive, 2);
    QCoreApplication::processEvents();
    const QImage picture = grid->viewport()->grab().toImage();
    // A channel's frequency: white text on black; the cursor's cell black
    // text on the highlight.
    ASSERT_FALSE(Text(grid, kReceive, 1).empty());
    const QRect value = grid->CellRect(kReceive, 1);
    EXPECT_GT(PixelsOf(picture, value, Qt::black), value.width() * value.height() / 2);
    EXPECT_GT(PixelsOf(picture, value, Qt::white), 5) << "text in the palette's text colour";
    const QRect cursor = grid->CellRect(kReceive, 2);
    EXPECT_GT(PixelsOf(picture, cursor, Qt::cyan), cursor.width() * cursor.height() / 2);
    EXPECT_EQ(PixelsOf(picture, cursor, Qt::white), 0) << "no text left in the normal text colour";
    Shoot(form.get(), "high-contrast");

    // A refused entry with its marker and the status bar's reason, for
    // looking at (at QT_SCALE_FACTOR=2 too).
    QApplication::setPalette(original);
    grid = Show(kConvChannels);
    grid->Model().SelectCell(kReceive, 2);
    Type("900");
    Press(Qt::Key_Return);
    time->Advance(20);
    form->repaint();
    ASSERT_TRUE(grid->Model().RefusedCell().has_value());
    Shoot(form.get(), "refused-entry");
}

TEST_F(GridWidgetTest, TheCursorAndTheSelectionAreDrawnInTheHighlight)
{
    ui::cuiGrid* grid = Show(kConvChannels);
    grid->Model().SelectCell(kReceive, 2);
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(grid, Qt::Key_Down, Qt::ShiftModifier);
    }
    const QImage picture = grid->viewport()->grab().toImage();
    const QColor highlight = QApplication::palette().color(QPalette::Highlight);
    // A line-marked cell of the selection and the cursor's cell.
    const QRect marked = grid->CellRect(kBandwidth, 3);
    const QRect cursor = grid->CellRect(kReceive, 5);
    EXPECT_EQ(picture.pixelColor(marked.left() + 1, marked.top() + 1), highlight);
    EXPECT_EQ(picture.pixelColor(cursor.left() + 1, cursor.top() + 1), highlight);
    const QRect outside = grid->CellRect(kBandwidth, 7);
    EXPECT_NE(picture.pixelColor(outside.left() + 1, outside.top() + 1), highlight);
    // The scroll bars show where the grid stands.
    const GridGeometry& geometry = grid->Model().Geometry();
    EXPECT_EQ(grid->horizontalScrollBar()->value(), geometry.LeftColumn() - geometry.FixedColumns())
        << grid->horizontalScrollBar()->maximum();
    EXPECT_EQ(grid->verticalScrollBar()->value(), geometry.TopRow() - geometry.FixedRows());
    Shoot(form.get(), "list-selection");

    grid->Model().SelectCell(kBandwidth, 1);
    EXPECT_EQ(grid->Model().CursorColumn(), kBandwidth);
    EXPECT_EQ(grid->Model().CursorRow(), 1);
    QTest::keyClick(grid, Qt::Key_Return);
    ASSERT_NE(ui::DropDownList::Current(), nullptr);
    Shoot(form.get(), "dropdown", ui::DropDownList::Current());
}

}  // namespace
}  // namespace xtr::test
