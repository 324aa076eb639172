// The request record: a reset clears the question and the answer but not
// the caller's block; a copy keeps everything, with texts of its own.
#include "cells/cell_capsule.h"

#include <gtest/gtest.h>

namespace xtr {
namespace {

void NoNotify(void*, const cmcCellCapsule&, std::uint32_t) {}
void NoRefresh(void*, const cmcCellCapsule&) {}

TEST(CellCapsule, ResetAndCopy)
{
    cmcCellObj cell;
    cmcCellCapsule owner;
    cmcCellCapsule rq;
    rq.owner = &owner;
    rq.control = rq.grid = &cell;
    rq.cell = &cell;
    rq.selStart = 3;
    rq.selLength = 4;
    rq.key = cellkey::kEnter;
    rq.popupCommand = CL_PMenu_Copy;
    rq.editText = "450.1";
    rq.displayText = "450.100000";
    rq.result = 0x0F;
    rq.markerPosition = 3;
    rq.commitMode = cellcommit::kPreview;
    rq.RedirectTo(CT_Conv, CL_PersConv_FreqRx, 5, cellkey::kDown);
    rq.callerBlock = {0x03, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x7F};
    rq.changeNotify = NoNotify;
    rq.editorRefresh = NoRefresh;
    rq.changeContext = rq.editorContext = &cell;

    const cmcCellCapsule copy = rq;
    rq.Reset();
    EXPECT_EQ(rq.owner, nullptr);
    EXPECT_FALSE(rq.Interactive());
    EXPECT_EQ(rq.cell, nullptr);
    EXPECT_EQ(rq.selStart + rq.selLength + rq.key + rq.popupCommand + rq.markerPosition, 0);
    EXPECT_TRUE(rq.editText.empty() && rq.displayText.empty());
    EXPECT_EQ(rq.result | rq.commitMode, 0);
    EXPECT_FALSE(rq.redirect);
    EXPECT_EQ(rq.redirectCellId + rq.redirectIndex + rq.redirectKey, 0);
    EXPECT_EQ(rq.changeNotify, nullptr);
    EXPECT_EQ(rq.editorRefresh, nullptr);
    EXPECT_EQ(rq.callerBlock, copy.callerBlock) << "the caller's block survives a reset";

    EXPECT_EQ(copy.editText, "450.1");
    EXPECT_EQ(copy.displayText, "450.100000");
    EXPECT_EQ(copy.owner, &owner);
    EXPECT_TRUE(copy.redirect);
    EXPECT_EQ(copy.redirectIndex, 5);
    EXPECT_EQ(copy.callerBlock[15], 0x7F);
    EXPECT_EQ(copy.changeNotify, &NoNotify);
    EXPECT_EQ(copy.editorContext, &cell);
}

}  // namespace
}  // namespace xtr
