// Row numbers of packed lists and the confirmation box.
#include "cell_rig.h"

#include "cells/codecs/codec_confirm.h"
#include "cells/codecs/codec_row_number.h"

#include <gtest/gtest.h>

namespace xtr {
namespace {

const char kOverlay[] =
    "#GI_Sys_AppTitle\nXT-R450 Clone\n"
    "#GI_AppInd_OutofCh\nNew\n-\n"
    "#GI_AppMess_Conv_Overwrite\nThe rows hold entries.\nOverwrite them?\n"
    "#End_Of_Ovl\n";

TEST(RowNumber, UsedRowsTheFirstFreeRowAndTheRest)
{
    auto overlay = test::OverlayGuard::FromText(kOverlay);
    test::GridRequest g;
    CodecRowNumber(g.Fresh(), 1, 3, 2);
    EXPECT_EQ(g.rq.displayText, "3 ");
    EXPECT_EQ(g.canvas.color, kColorRowWhite);
    CodecRowNumber(g.Fresh(), 1, 3, 3);
    EXPECT_EQ(g.rq.displayText, "New");
    EXPECT_EQ(g.canvas.color, kColorRowYellow);
    CodecRowNumber(g.Fresh(), 1, 3, 4);
    EXPECT_EQ(g.rq.displayText, "-");
    EXPECT_EQ(g.canvas.color, kColorRowWhite);

    // Without a canvas (a check, not a drawing) only the text is answered.
    g.Fresh().canvas = nullptr;
    CodecRowNumber(g.rq, 0, 0, 0);
    EXPECT_EQ(g.rq.displayText, "New");
}

TEST(Confirm, AsksWithTheWholeMessageAndReturnsTheButton)
{
    auto overlay = test::OverlayGuard::FromText(kOverlay);
    test::ScriptedMessages messages;
    messages.Answer(MsgResult::Cancel);
    EXPECT_EQ(Confirm("GI_AppMess_Conv_Overwrite"), MsgResult::Cancel);
    EXPECT_EQ(Confirm("GI_AppMess_Conv_Overwrite"), MsgResult::Ok);
    ASSERT_EQ(messages.asked.size(), 2u);
    EXPECT_EQ(messages.asked[0].caption, "XT-R450 Clone");
    EXPECT_EQ(messages.asked[0].text, "The rows hold entries.\nOverwrite them?");
    EXPECT_EQ(messages.asked[0].icon, MsgIcon::Warning);
    EXPECT_EQ(messages.asked[0].buttons, MsgButtons::OkCancel);
}

}  // namespace
}  // namespace xtr
