// Where cells lie in a scrolled grid with fixed columns and rows.
#include "ui/model/grid_geometry.h"

#include <gtest/gtest.h>

namespace xtr {
namespace {

GridGeometry Grid()
{
    GridGeometry g;
    g.SetSizes({30, 20, 20, 20, 20}, {10, 15, 15, 15}, 1, 1);
    g.SetClientSize(75, 35);
    return g;
}

TEST(GridGeometry, FixedColumnsStayWhileTheRestScrolls)
{
    GridGeometry g = Grid();
    EXPECT_EQ(g.CellRect(2, 1), (Rect{50, 10, 70, 25}));
    g.SetTopLeft(3, 2);
    EXPECT_EQ(g.CellRect(0, 0), (Rect{0, 0, 30, 10}));
    EXPECT_EQ(g.CellRect(3, 2), (Rect{30, 10, 50, 25}));
    EXPECT_EQ(g.CellRect(1, 1), Rect{});  // scrolled out
    EXPECT_EQ(g.ColumnAt(29), 0);
    EXPECT_EQ(g.ColumnAt(30), 3);
    EXPECT_EQ(g.ColumnAt(75), -1);
    EXPECT_EQ(g.RowAt(12), 2);
    EXPECT_EQ(g.LastVisibleColumn(), 4);
    EXPECT_EQ(g.LastVisibleRow(), 3);
    // Never scrolled into the fixed part or past the end.
    g.SetTopLeft(0, 9);
    EXPECT_EQ(g.LeftColumn(), 1);
    EXPECT_EQ(g.TopRow(), 3);
}

TEST(GridGeometry, ScrollingShowsACellWholeAndStopsAtTheEnd)
{
    GridGeometry g = Grid();
    // 45 pixels beside the fixed column: two columns of 20; 25 below the
    // fixed row: one row of 15.
    EXPECT_EQ(g.MaxLeftColumn(), 3);
    EXPECT_EQ(g.MaxTopRow(), 3);
    g.ScrollToShow(4, 3);
    EXPECT_EQ(g.LeftColumn(), 3);
    EXPECT_EQ(g.TopRow(), 3);
    g.ScrollToShow(1, 1);
    EXPECT_EQ(g.LeftColumn(), 1);
    EXPECT_EQ(g.TopRow(), 1);
    // A fixed cell needs no scrolling.
    g.ScrollToShow(0, 0);
    EXPECT_EQ(g.LeftColumn(), 1);
}

}  // namespace
}  // namespace xtr
