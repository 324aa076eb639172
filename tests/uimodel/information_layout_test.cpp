// The clone information window's parts: the panel holds the whole sheet
// inside its frame, the button keeps its gaps, and neither is cut.
#include "ui/model/information_layout.h"

#include <gtest/gtest.h>

namespace xtr {
namespace {

TEST(InformationLayout, PanelHoldsTheWholeSheetAndTheButtonKeepsItsGaps)
{
    // A sheet of 300 x 180 in a frame of 12 per side, a button of 75 x 23.
    const InformationLayout layout = LayOutInformationWindow(300, 180, 12, 75, 23);
    EXPECT_EQ(layout.panel, (Rect{0, 0, 324, 204}));
    EXPECT_EQ(layout.clientWidth, 324);
    EXPECT_EQ(layout.clientHeight, 204 + 23 + 10);
    EXPECT_EQ(layout.button, (Rect{324 - 5 - 75, 237 - 5 - 23, 324 - 5, 237 - 5}));
    // The button lies below the panel, not over its last row.
    EXPECT_GE(layout.button.top, layout.panel.bottom);

    // Twice the pixels (a larger font, a finer screen): twice the room.
    const InformationLayout large = LayOutInformationWindow(600, 360, 12, 150, 46);
    EXPECT_EQ(large.panel.Height() - 24, 360);
    EXPECT_EQ(large.panel.Width() - 24, 600);
}

TEST(InformationLayout, ANarrowSheetWidensTheWindowForItsButtonAndNothingIsNegative)
{
    const InformationLayout narrow = LayOutInformationWindow(40, 30, 4, 90, 20);
    EXPECT_EQ(narrow.clientWidth, 100);
    EXPECT_EQ(narrow.panel.Width(), 100);  // the panel fills the width
    EXPECT_EQ(narrow.button.left, 5);

    const InformationLayout empty = LayOutInformationWindow(-5, -5, -1, -1, -1);
    EXPECT_EQ(empty.clientWidth, 10);
    EXPECT_EQ(empty.clientHeight, 10);
    EXPECT_EQ(empty.panel, (Rect{0, 0, 10, 0}));
}

}  // namespace
}  // namespace xtr
